#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

class QWidget;

namespace amorisk {

// The layouts name Verdana and MS Sans Serif, which Linux lacks; map them once
// per process to metric-compatible fonts from the distribution.
void installFontSubstitutions();

// Fixed-size window without maximise or minimise button, centred on its screen.
void fixWindowFrame(QWidget *window);
void centreOnScreen(QWidget *window);

// The theme colour of the layouts, for the few places code paints with it.
inline constexpr QRgb themeColour = 0xFF5A23DC;

// The light scheme the layouts were drawn against: Fusion's own, black text
// on the grey button and window face, black on white in text boxes and lists.
const QPalette &classicPalette();

// Every colour the window's layout leaves at default becomes the classic one,
// so a dark desktop scheme cannot mix with the colours the layout fixes.
// Built once per kind of window and shared by its instances.
void useClassicColours(QWidget *window);

// Designer keeps whole points: 8, 9, 10, 11, 14 and 18 pt in the forms stand
// for the 11, 12, 13, 15, 19 and 24 pixel fonts the layouts were measured in
// at 96 dots per inch, whatever the X server reports. Sets those pixel sizes
// and turns font merging off: every character shown is in the font named.
void usePixelFonts(QWidget *window);

// What every window does once its layout is set up: menu items without text
// become separators, then the classic colours, the pixel fonts and the
// auto-size captions; the window keeps the size its layout gives it.
void setUpLook(QWidget *window);

} // namespace amorisk
