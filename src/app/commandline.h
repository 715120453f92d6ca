#pragma once

#include <QString>

#include <optional>

namespace amorisk {

// The program's version as the build states it.
QString programVersion();

// Answers --help and --version and refuses any other argument, all before a
// display is looked for. Returns the exit status when the program ends here;
// nothing when it goes on to start.
std::optional<int> handleCommandLine(int argc, char *argv[]);

} // namespace amorisk
