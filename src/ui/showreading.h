#pragma once

namespace amorisk {

// Fills the reading window with the profile of the sign in SunSign, then
// swaps the input window for it. The exit screen is hidden (loaded if need be).
void ShowReading();

} // namespace amorisk
