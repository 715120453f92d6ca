#include "userfiles.h"

#include <QDir>
#include <QFile>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace amorisk {

// Without HOME, Qt takes the root folder for home; the password database
// still knows the user's own. A relative folder is invalid by the XDG rules,
// and would put files wherever the program happened to be started.
QString xdgFolder(const char *variable, const char *inHome)
{
    const QString set = qEnvironmentVariable(variable);
    if (QDir::isAbsolutePath(set))
        return set;
    if (qEnvironmentVariableIsEmpty("HOME")) {
        if (const passwd *user = getpwuid(getuid()); user && user->pw_dir && *user->pw_dir)
            return QFile::decodeName(user->pw_dir) + QLatin1String(inHome);
    }
    return QDir::homePath() + QLatin1String(inHome);
}

bool tryLockWhateverItsMode(QLockFile &lock)
{
    if (lock.tryLock(0))
        return true;
    // QLockFile opens a stale lock for writing before it takes it over. Ours
    // to change back; whether it is stale is still QLockFile's decision, and
    // a live holder's flock still keeps it.
    const QByteArray name = QFile::encodeName(lock.fileName());
    struct stat info;
    return lock.error() == QLockFile::LockFailedError && ::lstat(name.constData(), &info) == 0
            && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 0600) != 0600
            && ::chmod(name.constData(), 0600) == 0 && lock.tryLock(0);
}

} // namespace amorisk
