#pragma once

#include <QString>

namespace amorisk {

// Name of the sign found by the latest accepted reading; empty until then and
// never cleared.
extern QString SunSign;

namespace reading {

// What the input window's date lists offer; the year list's positions count
// from firstYear.
inline constexpr const char *monthNames[]
        = {"January", "February", "March",     "April",   "May",      "June",
           "July",    "August",   "September", "October", "November", "December"};
inline constexpr int firstYear = 1900;
inline constexpr int lastYear = 2050;

enum class FocusTarget { Unchanged, FirstName, LastName };

// What the input window holds when a reading is asked for.
struct EntryInput
{
    QString firstName;
    QString lastName;
    int monthPosition = 0; // 0 = January
    int dayPosition = 0;   // 0 = day 1
    QString yearText;      // "1900" .. "2050"
};

struct EntryOutcome
{
    bool accepted = true;
    QString message; // empty when accepted
    FocusTarget focus = FocusTarget::Unchanged;
};

// The entry check: first name, last name, February, thirty-day months, in that
// order; the first failure decides the message and where focus goes.
EntryOutcome ValidateInput(const EntryInput &input);

// Gregorian rule: divisible by 4, except century years not divisible by 400.
bool isLeapYear(int year);

// The sign of a month and day position, or an empty string when the positions
// match no range.
QString sunSignFor(int monthPosition, int dayPosition);

// Stores sunSignFor() in SunSign; an empty result leaves SunSign as it was.
void DetermineSunSign(int monthPosition, int dayPosition);

} // namespace reading
} // namespace amorisk
