#include "entrycheck.h"

#include "signtable.h"

namespace amorisk {

QString SunSign;

namespace reading {

namespace {

EntryOutcome refuse(const char *message, FocusTarget focus = FocusTarget::Unchanged)
{
    return {false, QString::fromLatin1(message), focus};
}

bool isThirtyDayMonth(int monthPosition)
{
    return monthPosition == 3 || monthPosition == 5 || monthPosition == 8 || monthPosition == 10;
}

// Month and day as one number that orders like the calendar. A day past the
// month's end (February 30) still sorts before the next month, so it takes the
// sign the month ends with.
int calendarKey(MonthDay day)
{
    return day.month * 100 + day.day;
}

bool spanHolds(const SignProfile &sign, MonthDay day)
{
    const int key = calendarKey(day);
    const int first = calendarKey(sign.firstDay);
    const int last = calendarKey(sign.lastDay);
    // Capricorn's span runs over the turn of the year.
    return first <= last ? key >= first && key <= last : key >= first || key <= last;
}

} // namespace

EntryOutcome ValidateInput(const EntryInput &input)
{
    // Only a truly empty field is missing: a lone blank counts as a name.
    if (input.firstName.isEmpty())
        return refuse("Please Enter Your First Name", FocusTarget::FirstName);
    if (input.lastName.isEmpty())
        return refuse("Please Enter Your Last Name", FocusTarget::LastName);

    // The year list only offers numbers; anything else is treated as a common
    // year rather than trusted, so it can at worst refuse February 29.
    bool isNumber = false;
    const int year = input.yearText.toInt(&isNumber);
    const bool leap = isNumber && isLeapYear(year);
    const int firstBadFebruaryDay = leap ? 29 : 28;
    if (input.monthPosition == 1 && input.dayPosition >= firstBadFebruaryDay
        && input.dayPosition <= 30)
        return refuse("Please Enter Correct Date Or Month!");

    // Unlike the February message, this one has a blank before the "!".
    if (isThirtyDayMonth(input.monthPosition) && input.dayPosition == 30)
        return refuse("Please Enter Correct Date Or Month !");

    return {};
}

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

QString sunSignFor(int monthPosition, int dayPosition)
{
    if (monthPosition < 0 || monthPosition > 11 || dayPosition < 0 || dayPosition > 30)
        return {};
    const MonthDay day = {monthPosition + 1, dayPosition + 1};
    for (const SignProfile &sign : signTable())
        if (spanHolds(sign, day))
            return QString::fromLatin1(sign.name);
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
