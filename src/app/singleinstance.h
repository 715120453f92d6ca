#pragma once

#include <QLockFile>
#include <QString>

namespace amorisk {

// QLockFile::tryLock(0), also over a stale lock of the user's own that was
// left read-only (by a crash under umask 0222 or 0277, or planted so).
bool tryLockWhateverItsMode(QLockFile &lock);

// One running program per user. The lock is held for the whole run; a lock
// left by a process that died, or one that cannot be read, is recognised as
// stale and taken over.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &lockPath = defaultLockPath());

    // False only when another live process of ours holds the lock. Any other
    // failure (no writable folder, no file possible at the lock's path) lets
    // the program run, with one line on standard error, rather than lock the
    // user out.
    bool acquire();

    static QString defaultLockPath();

private:
    QLockFile m_lock;
};

} // namespace amorisk
