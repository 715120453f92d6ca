#include "singleinstance.h"

#include <QDir>
#include <QStandardPaths>

namespace amorisk {

SingleInstance::SingleInstance(const QString &lockPath) : m_lock(lockPath)
{
    // Held as long as the program runs, so age never makes it stale; only a
    // dead owner does.
    m_lock.setStaleLockTime(0);
}

bool SingleInstance::acquire()
{
    if (m_lock.tryLock(0))
        return true;
    return m_lock.error() != QLockFile::LockFailedError;
}

QString SingleInstance::defaultLockPath()
{
    // The per-user runtime folder (mode 0700): a shared temp folder would let
    // another user's file refuse our start.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QLatin1String("/amorisk.lock");
}

} // namespace amorisk
