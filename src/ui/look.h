#pragma once

#include <cmath>

class QWidget;

namespace amorisk {

// Layout units: 15 twips to a pixel at 96 dots per inch.
inline int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

// The layouts name Verdana and MS Sans Serif, which Linux lacks; map them once
// per process to metric-compatible fonts from the distribution.
void installFontSubstitutions();

// Fixed-size window without maximise or minimise button, centred on its screen.
void fixWindowFrame(QWidget *window);
void centreOnScreen(QWidget *window);

} // namespace amorisk
