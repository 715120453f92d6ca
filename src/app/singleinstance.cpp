#include "singleinstance.h"

#include "userfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace amorisk {

namespace {

void startUnguarded(const QString &lockPath)
{
    std::fprintf(
            stderr,
            "amorisk: cannot create the lock file %s; starting without the one-instance check\n",
            qPrintable(lockPath));
}

// Only a folder nobody else can enter keeps another user from planting a lock
// that refuses our start, or from holding an flock on ours after a crash so
// that it never turns stale. Fixed as Qt fixes the runtime folder: ours, 0700
// (a umask of 0222 would also leave it unwritable).
bool isPrivateFolder(const QString &folder)
{
    const QByteArray name = QFile::encodeName(folder);
    struct stat info;
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    return ::stat(name.constData(), &info) == 0 && S_ISDIR(info.st_mode)
            && info.st_uid == ::geteuid()
            && ((info.st_mode & 0777) == 0700 || ::chmod(name.constData(), 0700) == 0);
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
    if (!isPrivateFolder(place.path())
        || ((place.exists() || place.isSymLink()) && !place.isFile())) {
        startUnguarded(m_lock.fileName());
        return true;
    }
    if (tryLockWhateverItsMode(m_lock))
        return true;
    if (m_lock.error() == QLockFile::LockFailedError)
        return false;
    startUnguarded(m_lock.fileName());
    return true;
}

QString SingleInstance::defaultLockPath()
{
    // Qt hands out a runtime folder only when it is ours, a real folder and
    // 0700. Without one, a private folder under the user's cache folder: the
    // lock is worth nothing once the program ends, and the shared temporary
    // folder would let another user's file refuse our start.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty() || QDir::isRelativePath(folder)) {
        folder = xdgFolder("XDG_CACHE_HOME", "/.cache");
        // Made writable whatever the umask (0222 would leave it read-only).
        if (!QFileInfo::exists(folder) && QDir().mkpath(folder))
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        folder += QLatin1String("/amorisk");
    }
    return folder + QLatin1String("/amorisk.lock");
}

} // namespace amorisk
