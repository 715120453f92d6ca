#pragma once

#include <QString>

#include <array>

namespace amorisk::reading {

struct MonthDay
{
    int month; // 1 = January
    int day;
};

// One row of the constant sign table. Texts are plain ASCII.
struct SignProfile
{
    int index; // 1 = Aries ... 12 = Pisces; also the picture's position in the image list
    const char *name;
    MonthDay firstDay;
    MonthDay lastDay;
    const char *element;
    const char *luckyNumber;
    const char *luckyDay;
    const char *compatibility;
    const char *birthstone;
    const char *pictureKey;
    const char *positiveTraits;
    const char *negativeTraits;
    const char *romanceProfile;
};

inline constexpr int SignCount = 12;

// The twelve rows in zodiac order, Aries first.
const std::array<SignProfile, SignCount> &signTable();

// Exact, case-sensitive match on the sign name; nullptr when no row has it.
const SignProfile *findSign(const QString &name);

} // namespace amorisk::reading
