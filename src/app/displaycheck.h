#pragma once

#include <QString>

namespace amorisk {

// Empty when the windowing system can be reached; otherwise one line that
// says why not. Qt itself would abort (and dump core) in that case.
QString missingDisplayReason();

} // namespace amorisk
