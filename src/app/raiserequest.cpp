#include "raiserequest.h"

#include "forms.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <xcb/xcb.h>

#include <vector>

namespace amorisk {
namespace {

const QByteArray raiseLine = QByteArrayLiteral("raise\n");
constexpr int timeoutMs = 2000;

void bringForward(QWidget *window, std::vector<QPointer<QWidget>> &toActivate)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->raise();
    toActivate.emplace_back(window);
}

} // namespace

// A window manager (and the X server itself) weighs an activation by the
// time stamp it carries, and Qt sends the time of the last event it saw. A
// program left alone may have seen nothing since before the user's latest
// click, and its request is then refused as focus stealing (at best the
// window is flagged). Appending nothing to a property of our own window
// brings a notification with the server's current time, which Qt takes as
// its own; the activation waits for it.
class FreshTimeActivation : public QAbstractNativeEventFilter
{
public:
    // Timers run in the context's thread and die with it.
    explicit FreshTimeActivation(QObject *context) : m_context(context) {}

    void activate(std::vector<QPointer<QWidget>> windows)
    {
        auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
        if (!x11 || windows.empty()) {
            activateNow(windows);
            return;
        }
        xcb_connection_t *connection = x11->connection();
        if (!m_atom) {
            static const char name[] = "_AMORISK_RAISE";
            xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
                    connection, xcb_intern_atom(connection, 0, sizeof name - 1, name), nullptr);
            m_atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
            free(reply);
            if (!m_atom) {
                activateNow(windows);
                return;
            }
            qApp->installNativeEventFilter(this);
        }
        m_window = static_cast<xcb_window_t>(windows.front()->winId());
        m_pending = std::move(windows);
        xcb_change_property(connection, XCB_PROP_MODE_APPEND, m_window, m_atom, XCB_ATOM_STRING, 8,
                            0, nullptr);
        xcb_flush(connection);
        // Should the notification never come, the request is not lost.
        QTimer::singleShot(500, m_context, [this] { activatePending(); });
    }

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (type != "xcb_generic_event_t" || m_pending.empty())
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto *notify = reinterpret_cast<const xcb_property_notify_event_t *>(event);
        // Qt reads the event's time after the filters, so activate a moment later.
        if (notify->window == m_window && notify->atom == m_atom)
            QTimer::singleShot(0, m_context, [this] { activatePending(); });
        return false;
    }

private:
    static void activateNow(const std::vector<QPointer<QWidget>> &windows)
    {
        for (const QPointer<QWidget> &window : windows) {
            if (window && window->isVisible())
                window->activateWindow();
        }
    }

    void activatePending()
    {
        const auto windows = std::move(m_pending);
        m_pending.clear();
        activateNow(windows);
    }

    QObject *m_context;
    xcb_atom_t m_atom = XCB_ATOM_NONE;
    xcb_window_t m_window = XCB_WINDOW_NONE;
    std::vector<QPointer<QWidget>> m_pending;
};

RaiseChannel::RaiseChannel(QString serverPath, QObject *parent)
    : QObject(parent), m_path(std::move(serverPath)),
      m_activation(std::make_unique<FreshTimeActivation>(this))
{}

RaiseChannel::~RaiseChannel() = default;

QString RaiseChannel::pathBeside(const QString &lockPath)
{
    QString base = lockPath;
    if (base.endsWith(QLatin1String(".lock")))
        base.chop(5);
    return base + QLatin1String(".socket");
}

bool RaiseChannel::listen()
{
    if (m_server)
        return m_server->isListening();
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // Only the lock holder comes here, so a socket file still present was
    // left by a holder that died.
    QLocalServer::removeServer(m_path);
    connect(m_server, &QLocalServer::newConnection, this, &RaiseChannel::takeRequests);
    return m_server->listen(m_path);
}

bool RaiseChannel::request() const
{
    QLocalSocket socket;
    socket.connectToServer(m_path);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(raiseLine);
    const bool sent = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return sent;
}

void RaiseChannel::takeRequests()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto read = [this, socket] {
            while (socket->canReadLine()) {
                if (socket->readLine() == raiseLine)
                    raiseVisibleWindow();
            }
        };
        connect(socket, &QLocalSocket::readyRead, socket, read);
        read();
    }
}

void RaiseChannel::raiseVisibleWindow()
{
    std::vector<QPointer<QWidget>> toActivate;
    for (FormId id : {FormId::frmExitScreen, FormId::frmDisplay, FormId::frmMain}) {
        QWidget *window = Forms::loadedWindow(id);
        if (window && window->isVisible()) {
            bringForward(window, toActivate);
            break;
        }
    }
    // A modal box (the about window, a message) takes the input over its window.
    if (QWidget *modal = QApplication::activeModalWidget())
        bringForward(modal, toActivate);
    m_activation->activate(std::move(toActivate));
}

} // namespace amorisk
