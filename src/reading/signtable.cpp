#include "signtable.h"

#include "signprose.h"

namespace amorisk::reading {

namespace {

using namespace prose;

// Constant-initialised: the rows exist before any code runs and are never copied.
// clang-format off
constexpr std::array<SignProfile, SignCount> table{{
    {1, "Aries", {3, 21}, {4, 20}, "Fire", "9", "Tuesday", "Leo and Sagittarius",
     "Diamond", "aries.jpg",
     ariesPositiveTraits, ariesNegativeTraits, ariesRomanceProfile},
    {2, "Taurus", {4, 21}, {5, 20}, "Earth", "6", "Friday", "Capricorn and Virgo",
     "Emerald", "taurus.jpg",
     taurusPositiveTraits, taurusNegativeTraits, taurusRomanceProfile},
    {3, "Gemini", {5, 21}, {6, 20}, "Air", "5", "Wednesday", "Aquarius and Libra",
     "Agate", "gemini.jpg",
     geminiPositiveTraits, geminiNegativeTraits, geminiRomanceProfile},
    {4, "Cancer", {6, 21}, {7, 20}, "Water", "2", "Monday", "Pisces and Scorpio",
     "Pearl", "cancer.jpg",
     cancerPositiveTraits, cancerNegativeTraits, cancerRomanceProfile},
    {5, "Leo", {7, 21}, {8, 20}, "Fire", "8 and 9", "Sunday", "Aries and Sagittarius",
     "Ruby", "leo.jpg",
     leoPositiveTraits, leoNegativeTraits, leoRomanceProfile},
    {6, "Virgo", {8, 21}, {9, 20}, "Earth", "3 and 5", "Wednesday", "Capricorn and Taurus",
     "Sapphire", "virgo.jpg",
     virgoPositiveTraits, virgoNegativeTraits, virgoRomanceProfile},
    {7, "Libra", {9, 21}, {10, 20}, "Air", "6 and 9", "Friday", "Aquarius and Gemini",
     "Opal", "libra.jpg",
     libraPositiveTraits, libraNegativeTraits, libraRomanceProfile},
    {8, "Scorpio", {10, 21}, {11, 20}, "Water", "2 and 4", "Tuesday", "Cancer and Pisces",
     "Topaz", "scorpio.jpg",
     scorpioPositiveTraits, scorpioNegativeTraits, scorpioRomanceProfile},
    {9, "Sagittarius", {11, 21}, {12, 20}, "Fire", "5 and 7", "Thursday", "Aries and Leo",
     "Turquoise", "sagittarius.jpg",
     sagittariusPositiveTraits, sagittariusNegativeTraits, sagittariusRomanceProfile},
    // The one span that runs over the turn of the year.
    {10, "Capricorn", {12, 21}, {1, 19}, "Earth", "8 and 2", "Saturday", "Taurus and Virgo",
     "Garnet", "capricorn.jpg",
     capricornPositiveTraits, capricornNegativeTraits, capricornRomanceProfile},
    {11, "Aquarius", {1, 20}, {2, 18}, "Air", "1 and 7", "Wednesday", "Gemini and Libra",
     "Amethyst", "aquarius.jpg",
     aquariusPositiveTraits, aquariusNegativeTraits, aquariusRomanceProfile},
    {12, "Pisces", {2, 19}, {3, 20}, "Water", "2 and 6", "Friday", "Cancer and Scorpio",
     "Aquamarine", "pisces.jpg",
     piscesPositiveTraits, piscesNegativeTraits, piscesRomanceProfile},
}};
// clang-format on

} // namespace

const std::array<SignProfile, SignCount> &signTable()
{
    return table;
}

const SignProfile *findSign(const QString &name)
{
    for (const SignProfile &row : table)
        if (name == QLatin1String(row.name))
            return &row;
    return nullptr;
}

} // namespace amorisk::reading
