#pragma once

class QString;
class QWidget;

namespace amorisk {

// Gives assistive technology what Qt does not on its own (links, date lists
// that say their value, frames named by their own caption, windows that are
// windows), tells it nothing about controls while they are hidden, and lets
// Enter press the focused button. Installs once however often it is called;
// call it before the first window exists so no window's role is cached.
void installAccessibility();

// Has a screen reader say `text` in `window` without showing anything.
void announce(QWidget *window, const QString &text);

} // namespace amorisk
