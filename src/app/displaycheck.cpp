#include "displaycheck.h"

#include "commandline.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace amorisk {
namespace {

QtMessageHandler g_previous = nullptr;
int g_stderr = -1; // the real standard error while what is written there is held

QByteArray described(const char *variable)
{
    const QString value = qEnvironmentVariable(variable);
    if (value.isEmpty())
        return QByteArray(variable) + " is not set";
    return QByteArray(variable) + " is \"" + printable(value).toLocal8Bit() + '"';
}

void onMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        g_previous(type, context, text);
        return;
    }
    // No platform Qt tried could be opened.
    const QByteArray line = "amorisk: no display could be opened (" + described("DISPLAY") + ", "
            + described("WAYLAND_DISPLAY") + "); start it from a graphical desktop session\n";
    dprintf(g_stderr >= 0 ? g_stderr : STDERR_FILENO, "%s", line.constData());
    std::_Exit(1);
}

} // namespace

DisplayOpening::DisplayOpening()
{
    g_previous = qInstallMessageHandler(onMessage);
    std::fflush(stderr);
    const int held = memfd_create("amorisk-stderr", MFD_CLOEXEC);
    g_stderr = held < 0 ? -1 : fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
    if (g_stderr >= 0)
        dup2(held, STDERR_FILENO);
    if (held >= 0)
        close(held);
}

DisplayOpening::~DisplayOpening()
{
    done();
}

void DisplayOpening::done()
{
    if (!g_previous)
        return;
    qInstallMessageHandler(std::exchange(g_previous, nullptr));
    if (g_stderr < 0)
        return;
    std::fflush(stderr);
    char buffer[4096];
    ssize_t count = 0;
    lseek(STDERR_FILENO, 0, SEEK_SET);
    while ((count = read(STDERR_FILENO, buffer, sizeof buffer)) > 0) {
        if (write(g_stderr, buffer, size_t(count)) < 0)
            break;
    }
    dup2(g_stderr, STDERR_FILENO);
    close(std::exchange(g_stderr, -1));
}

} // namespace amorisk
