#pragma once

#include <QLockFile>
#include <QString>

namespace amorisk {

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
