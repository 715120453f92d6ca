#include "displaycheck.h"

#include <QByteArray>

#include <xcb/xcb.h>

namespace amorisk {

QString missingDisplayReason()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb"))
        return {}; // offscreen, vnc, ...: Qt needs no X server
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty())
        return QStringLiteral("amorisk: no display found (DISPLAY is not set); "
                              "start it from a graphical desktop session");
    int screen = 0;
    xcb_connection_t *connection = xcb_connect(display.constData(), &screen);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    if (failed)
        return QStringLiteral("amorisk: cannot open display \"%1\"; "
                              "start it from a graphical desktop session")
            .arg(QString::fromLocal8Bit(display));
    return {};
}

} // namespace amorisk
