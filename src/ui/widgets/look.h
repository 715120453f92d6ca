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

// Fonts in pixels, so a layout measured in pixels keeps its proportions
// whatever dots per inch the X server reports.
void setPixelFont(QWidget *widget, const QString &family, int pixelSize, bool bold = false,
                  bool underline = false);

// Sets one colour role for every colour group of the widget's palette.
void setRoleColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour);

// Gives the widget the platform's own colours for the roles text boxes and
// buttons paint with, whatever its container has set.
void useSystemColours(QWidget *widget);

} // namespace amorisk
