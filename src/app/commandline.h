#pragma once

#include <QString>

#include <optional>

namespace amorisk {

// Answers --help and --version and refuses any argument that neither the
// program nor Qt knows, all before a display is looked for. Returns the exit
// status when the program ends here; nothing when it goes on to start.
std::optional<int> handleCommandLine(int argc, char *argv[]);

// The text with its control characters written as escapes (\x0a), so that it
// prints on one line and sends the terminal no command.
QString printable(const QString &text);

} // namespace amorisk
