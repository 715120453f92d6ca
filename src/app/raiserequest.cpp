#include "raiserequest.h"

#include "forms.h"
#include "raisesocket.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QLibrary>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <xcb/xcb.h>

#include <vector>

namespace amorisk {
namespace {

// The socket module: beside the program in the build, in the program's own
// library folder once installed. Loaded once and never unloaded.
QFunctionPointer socketFunction(const char *symbol)
{
    static QLibrary module;
    if (!module.isLoaded()) {
        const QString dir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
        const QString name = QLatin1String(raisesocket::moduleName);
        for (const QString &path :
             {dir + name, dir + QLatin1String(AMORISK_RAISE_MODULE_FROM_BIN "/") + name}) {
            module.setFileName(path);
            if (module.load())
                break;
        }
    }
    return module.isLoaded() ? module.resolve(symbol) : nullptr;
}

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

void RaiseChannel::listen()
{
    // A painted window is the input window or the reminder's question that
    // comes before it; a start while the question waits brings it forward.
    if (!m_listening)
        qApp->installEventFilter(this);
}

bool RaiseChannel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && watched->isWidgetType() && !m_listening) {
        m_listening = true;
        qApp->removeEventFilter(this);
        // After the paint has reached the screen.
        QTimer::singleShot(0, this, &RaiseChannel::listenNow);
    }
    return QObject::eventFilter(watched, event);
}

void RaiseChannel::listenNow()
{
    const auto listenAt = reinterpret_cast<raisesocket::ListenFunction>(
            socketFunction(raisesocket::listenSymbol));
    if (listenAt)
        listenAt(m_path, this, [this] { raiseVisibleWindow(); });
}

bool RaiseChannel::request() const
{
    const auto send = reinterpret_cast<raisesocket::RequestFunction>(
            socketFunction(raisesocket::requestSymbol));
    return send && send(m_path);
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
