#pragma once

#include <QString>

namespace amorisk {

// Empty when there is a windowing system to try; otherwise one line that
// says why not (DISPLAY is not set).
QString missingDisplayReason();

// Alive while the application object is built. Qt opens the display there
// and, should it fail, would abort (and dump core); instead the program
// says so in one line and ends with status 1. No connection of its own: a
// second X connection only to look costs a start-up a millisecond or more.
// Qt's messages meanwhile are held back and passed on by done().
class DisplayOpening
{
public:
    DisplayOpening();
    ~DisplayOpening();
    DisplayOpening(const DisplayOpening &) = delete;
    DisplayOpening &operator=(const DisplayOpening &) = delete;

    void done();
};

} // namespace amorisk
