#pragma once

#include <QString>

namespace amorisk {

// One running program per user. The lock is held for the whole run; the
// kernel drops it when the process ends, however it ends, so a lock of a
// process that died never refuses a start.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &lockPath = defaultLockPath());
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // False only when another live process of ours holds the lock. Any other
    // failure (no writable folder) lets the program run rather than lock the
    // user out.
    bool acquire();

    static QString defaultLockPath();

private:
    QString m_path;
    int m_fd = -1;
};

} // namespace amorisk
