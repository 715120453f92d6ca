#include "singleinstance.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>

namespace amorisk {

namespace {

void startUnguarded(const QString &lockPath)
{
    std::fprintf(
            stderr,
            "amorisk: cannot create the lock file %s; starting without the one-instance check\n",
            qPrintable(lockPath));
}

} // namespace

// QLockFile's own stale time stays: a live holder keeps an flock on its file,
// which no later start can take however old the file is, while a file without
// readable owner (empty or garbled after a power cut) must still turn stale.
SingleInstance::SingleInstance(const QString &lockPath) : m_lock(lockPath)
{}

bool SingleInstance::acquire()
{
    // A directory or a dangling link in the lock's place can never be
    // replaced by a lock, and a pipe there would block reading it.
    const QFileInfo place(m_lock.fileName());
    if ((place.exists() || place.isSymLink()) && !place.isFile()) {
        startUnguarded(m_lock.fileName());
        return true;
    }
    if (m_lock.tryLock(0))
        return true;
    if (m_lock.error() == QLockFile::LockFailedError)
        return false;
    startUnguarded(m_lock.fileName());
    return true;
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
