#pragma once

#include <QLockFile>
#include <QString>

namespace amorisk {

// One running program per user. The lock is held for the whole run; a lock
// left by a process that died is recognised as stale and taken over.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &lockPath = defaultLockPath());

    // False only when another live process of ours holds the lock. Any other
    // failure (no writable folder) lets the program run rather than lock the
    // user out.
    bool acquire();

    static QString defaultLockPath();

private:
    QLockFile m_lock;
};

} // namespace amorisk
