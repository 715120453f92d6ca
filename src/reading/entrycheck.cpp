#include "reading/entrycheck.h"

namespace amorisk {

QString SunSign;

namespace reading {

EntryOutcome ValidateInput(const EntryInput &)
{
    return {};
}

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

QString sunSignFor(int, int)
{
    return {};
}

void DetermineSunSign(int monthPosition, int dayPosition)
{
    const QString sign = sunSignFor(monthPosition, dayPosition);
    if (!sign.isEmpty())
        SunSign = sign;
}

} // namespace reading
} // namespace amorisk
