#pragma once

#include <QString>

namespace amorisk {

// Fills the reading window with the profile of the sign in SunSign, unless it
// was filled for that sign ahead, then swaps the input window for it. The
// exit screen is hidden (loaded if need be).
void ShowReading();

// Fills the reading window built ahead for `sign`, while the user still picks
// or clicks: the reading then only has to show it. Nothing without such a
// window or a sign.
void PrepareReadingFor(const QString &sign);

// Builds the next reading window ahead and fills it for the date the input
// window shows.
void PrepareNextReading();

} // namespace amorisk
