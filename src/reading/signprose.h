#pragma once

// The prose of the sign table, one paragraph each, kept apart from the short
// fields so the table itself stays readable.
namespace amorisk::reading::prose {

extern const char ariesPositiveTraits[];
extern const char ariesNegativeTraits[];
extern const char ariesRomanceProfile[];

extern const char taurusPositiveTraits[];
extern const char taurusNegativeTraits[];
extern const char taurusRomanceProfile[];

extern const char geminiPositiveTraits[];
extern const char geminiNegativeTraits[];
extern const char geminiRomanceProfile[];

extern const char cancerPositiveTraits[];
extern const char cancerNegativeTraits[];
extern const char cancerRomanceProfile[];

extern const char leoPositiveTraits[];
extern const char leoNegativeTraits[];
extern const char leoRomanceProfile[];

extern const char virgoPositiveTraits[];
extern const char virgoNegativeTraits[];
extern const char virgoRomanceProfile[];

extern const char libraPositiveTraits[];
extern const char libraNegativeTraits[];
extern const char libraRomanceProfile[];

extern const char scorpioPositiveTraits[];
extern const char scorpioNegativeTraits[];
extern const char scorpioRomanceProfile[];

extern const char sagittariusPositiveTraits[];
extern const char sagittariusNegativeTraits[];
extern const char sagittariusRomanceProfile[];

extern const char capricornPositiveTraits[];
extern const char capricornNegativeTraits[];
extern const char capricornRomanceProfile[];

extern const char aquariusPositiveTraits[];
extern const char aquariusNegativeTraits[];
extern const char aquariusRomanceProfile[];

extern const char piscesPositiveTraits[];
extern const char piscesNegativeTraits[];
extern const char piscesRomanceProfile[];

} // namespace amorisk::reading::prose
