#include "displaycheck.h"

#include <QByteArray>
#include <QList>

#include <cstdio>
#include <cstdlib>

namespace amorisk {
namespace {

bool usesX11()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    return platform.isEmpty() || platform.startsWith("xcb");
}

struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler g_previous = nullptr;
QList<HeldMessage> g_held;
bool g_holding = false;

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        // Qt found no platform it could open: the display named in DISPLAY
        // is not there or refuses us.
        std::fprintf(stderr,
                     "amorisk: cannot open display \"%s\"; start it from a graphical desktop "
                     "session\n",
                     qgetenv("DISPLAY").constData());
        std::fflush(stderr);
        std::_Exit(1);
    }
    g_held.append({type, QByteArray(context.category ? context.category : "default"), text});
}

} // namespace

QString missingDisplayReason()
{
    if (!usesX11())
        return {}; // offscreen, vnc, wayland: Qt says itself what it lacks
    if (qgetenv("DISPLAY").isEmpty())
        return QStringLiteral("amorisk: no display found (DISPLAY is not set); "
                              "start it from a graphical desktop session");
    return {};
}

DisplayOpening::DisplayOpening()
{
    if (!usesX11())
        return;
    g_holding = true;
    g_previous = qInstallMessageHandler(holdMessage);
}

DisplayOpening::~DisplayOpening()
{
    done();
}

void DisplayOpening::done()
{
    if (!g_holding)
        return;
    g_holding = false;
    qInstallMessageHandler(g_previous);
    const QList<HeldMessage> held = std::exchange(g_held, {});
    for (const HeldMessage &message : held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        g_previous(message.type, context, message.text);
    }
}

} // namespace amorisk
