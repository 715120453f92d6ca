#include "singleinstance.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace amorisk {

SingleInstance::SingleInstance(const QString &lockPath) : m_path(lockPath) {}

SingleInstance::~SingleInstance()
{
    // The file stays: removing it would let a start that opened it a moment
    // ago lock a file no later start can see.
    if (m_fd >= 0)
        ::close(m_fd);
}

bool SingleInstance::acquire()
{
    if (m_fd >= 0)
        return true;
    // An flock on a file that is never written: nothing to sync to disk,
    // and no content a power cut could leave half written. Close-on-exec, so
    // a browser we start does not keep holding it after we end.
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return true;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        m_fd = fd;
        return true;
    }
    const bool heldByAnother = errno == EWOULDBLOCK;
    ::close(fd);
    return !heldByAnother;
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
