#pragma once

#include <QApplication>

#include <memory>

namespace amorisk {

// Builds the application object. Qt picks the platform itself (-platform,
// QT_QPA_PLATFORM, the session's type) and, when none it tries can be
// opened, ends the process with a fatal message (abort, core dump); instead
// the program says so in one line and ends with status 1. Whatever reaches
// standard error meanwhile, from Qt or from the windowing libraries, is
// held back until the application stands.
std::unique_ptr<QApplication> openApplication(int &argc, char **argv);

} // namespace amorisk
