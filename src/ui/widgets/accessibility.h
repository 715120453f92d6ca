#pragma once

class QWidget;

namespace amorisk {

// Gives assistive technology what Qt does not on its own: link captions are
// links with a press action, and a window built on a plain widget is a
// window rather than a filler. Installs once however often it is called; call
// it before the first window exists so no window's role is cached as a filler.
void installAccessibility();

// On Linux a screen reader names a drop-down list by its current entry and
// takes its label from the labelled-by relation, not from the accessible name.
// This gives the control an unseen buddy caption holding its accessible name.
void labelForScreenReaders(QWidget *control);

} // namespace amorisk
