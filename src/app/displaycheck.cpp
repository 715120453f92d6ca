#include "displaycheck.h"

#include "commandline.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace amorisk {
namespace {

QtMessageHandler g_previous = nullptr;
int g_stderr = STDERR_FILENO; // the real standard error while what is written there is held

QByteArray described(const char *variable)
{
    const QString value = qEnvironmentVariable(variable);
    return QByteArray(variable)
            + (value.isEmpty() ? " is not set" : " is \"" + printable(value).toLocal8Bit() + '"');
}

void onMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg)
        return g_previous(type, context, text);
    // No platform Qt tried could be opened.
    dprintf(g_stderr,
            "amorisk: no display could be opened (%s, %s); start it from a graphical desktop "
            "session\n",
            described("DISPLAY").constData(), described("WAYLAND_DISPLAY").constData());
    std::_Exit(1);
}

} // namespace

std::unique_ptr<QApplication> openApplication(int &argc, char **argv)
{
    std::fflush(stderr);
    const int held = memfd_create("amorisk-stderr", MFD_CLOEXEC);
    const int real = held < 0 ? -1 : fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
    if (real >= 0) {
        g_stderr = real;
        dup2(held, STDERR_FILENO);
    }
    g_previous = qInstallMessageHandler(onMessage);
    // Each reading is a new window, and on X11 a new window's first paint
    // would wait for a new shared-memory segment to be made and faulted in on
    // both sides (4 ms of a 11 ms reading, measured); plain image requests
    // for windows this small cost far less. Qt reads the switch as it
    // connects, and programs started from ours (the browser) must not inherit it.
    const bool shmChosen = qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM");
    if (!shmChosen)
        qputenv("QT_XCB_NO_MITSHM", "1");
    auto app = std::make_unique<QApplication>(argc, argv);
    if (!shmChosen)
        qunsetenv("QT_XCB_NO_MITSHM");
    qInstallMessageHandler(g_previous);
    if (real >= 0) {
        std::fflush(stderr);
        char buffer[4096];
        ssize_t count = 0;
        lseek(held, 0, SEEK_SET);
        while ((count = read(held, buffer, sizeof buffer)) > 0
               && write(real, buffer, size_t(count)) > 0) {}
        dup2(real, STDERR_FILENO);
        close(real);
        g_stderr = STDERR_FILENO;
    }
    if (held >= 0)
        close(held);
    return app;
}

} // namespace amorisk
