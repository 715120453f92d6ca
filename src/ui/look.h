#pragma once

class QWidget;

namespace amorisk {

// The layouts name Verdana and MS Sans Serif, which Linux lacks; map them once
// per process to metric-compatible fonts from the distribution.
void installFontSubstitutions();

// Fixed-size window without maximise or minimise button, centred on its screen.
void fixWindowFrame(QWidget *window);
void centreOnScreen(QWidget *window);

} // namespace amorisk
