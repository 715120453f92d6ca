#pragma once

#include <QLockFile>
#include <QString>

namespace amorisk {

// $XDG_CONFIG_HOME, $XDG_CACHE_HOME and the like when set to an absolute
// folder, else the given folder under the user's home.
QString xdgFolder(const char *variable, const char *inHome);

// QLockFile::tryLock(0), also over a stale lock of the user's own that was
// left read-only (by a crash under umask 0222 or 0277, or planted so).
bool tryLockWhateverItsMode(QLockFile &lock);

} // namespace amorisk
