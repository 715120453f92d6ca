#pragma once

namespace amorisk {

// Alive while the application object is built. Qt picks the platform itself
// (-platform, QT_QPA_PLATFORM, the session's type) and, when none it tries
// can be opened, ends the process with a fatal message (abort, core dump);
// instead the program says so in one line and ends with status 1. Whatever
// reaches standard error meanwhile, from Qt or from the windowing libraries,
// is held back and passed on by done().
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
