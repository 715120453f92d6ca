#include "entrycheck.h"

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

struct MonthSigns
{
    int upperFrom; // day position where the second sign of the month begins
    const char *lower;
    const char *upper;
};

constexpr MonthSigns monthSigns[12] = {
        {19, "Capricorn", "Aquarius"},  {18, "Aquarius", "Pisces"},
        {20, "Pisces", "Aries"},        {20, "Aries", "Taurus"},
        {20, "Taurus", "Gemini"},       {20, "Gemini", "Cancer"},
        {20, "Cancer", "Leo"},          {20, "Leo", "Virgo"},
        {20, "Virgo", "Libra"},         {20, "Libra", "Scorpio"},
        {20, "Scorpio", "Sagittarius"}, {20, "Sagittarius", "Capricorn"},
};

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
    const MonthSigns &month = monthSigns[monthPosition];
    return QString::fromLatin1(dayPosition < month.upperFrom ? month.lower : month.upper);
}

void DetermineSunSign(int monthPosition, int dayPosition)
{
    const QString sign = sunSignFor(monthPosition, dayPosition);
    if (!sign.isEmpty())
        SunSign = sign;
}

} // namespace reading
} // namespace amorisk
