#include "forms.h"

#include "frmabout.h"
#include "frmdisplay.h"
#include "frmexitscreen.h"
#include "frmmain.h"
#include "look.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QLayout>
#include <QMoveEvent>
#include <QPointer>
#include <QResizeEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <array>

namespace amorisk {
namespace {

// Runs steps once a window has painted, so that the window the user goes to
// is on screen before work the user need not wait for. Should it not paint
// (hidden again at once, never exposed), the steps run after a while anyway.
// One paint only: once run, steps handed to it run at the next turn.
class AfterPaint : public QObject
{
public:
    explicit AfterPaint(QWidget *window) : m_window(window)
    {
        window->installEventFilter(this);
        // A window shown again with nothing changed is only flushed, not
        // painted: its native window's expose is the other sign.
        m_native = window->windowHandle();
        if (m_native)
            m_native->installEventFilter(this);
        QTimer::singleShot(500, this, [this] { run(); });
    }

    QWidget *window() const { return m_window; }
    bool done() const { return m_done; }

    void then(std::function<void()> step)
    {
        if (m_done)
            QMetaObject::invokeMethod(qApp, std::move(step), Qt::QueuedConnection);
        else
            m_steps.push_back(std::move(step));
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const bool painting = (watched == m_window && event->type() == QEvent::Paint)
                || (watched == m_native && event->type() == QEvent::Expose
                    && m_native->isExposed());
        if (painting && !m_painted) {
            m_painted = true;
            // Queued: the paint and its flush finish first.
            QMetaObject::invokeMethod(
                    this, [this] { run(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void run()
    {
        if (m_done)
            return;
        m_done = true;
        const auto steps = std::move(m_steps);
        m_steps.clear();
        for (const auto &step : steps)
            step();
        deleteLater();
    }

    QPointer<QWidget> m_window;
    QPointer<QWindow> m_native;
    bool m_painted = false;
    bool m_done = false;
    std::vector<std::function<void()>> m_steps;
};

// Calls a step once, after the first key or mouse press in a window.
class FirstInput : public QObject
{
public:
    FirstInput(QWidget *window, std::function<void()> step)
        : m_window(window), m_step(std::move(step))
    {
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const bool input
                = event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress;
        if (input && m_window && watched->isWidgetType()
            && (watched == m_window || m_window->isAncestorOf(static_cast<QWidget *>(watched)))) {
            qApp->removeEventFilter(this);
            // Queued: the key or click is handled first.
            QMetaObject::invokeMethod(qApp, m_step, Qt::QueuedConnection);
            deleteLater();
        }
        return false;
    }

private:
    QPointer<QWidget> m_window;
    std::function<void()> m_step;
};

struct Slot
{
    QPointer<QWidget> window;
    Form *form = nullptr;
    bool unloading = false;
    QPointer<QWidget> prepared;
    Form *preparedForm = nullptr;
    QPointer<AfterPaint> deleteAfter;
};

std::array<Slot, 4> g_slots;
std::vector<FormId> g_loadOrder;
std::vector<QPointer<AfterPaint>> g_waiting;
std::vector<QPointer<QWidget>> g_retired;
std::vector<QPointer<QObject>> g_waitingForInput;
bool g_ended = false;
std::function<void(int)> g_ender;

template<typename Window>
Form *make()
{
    auto *window = new Window;
    // One icon object for every window: each form's own would put another
    // copy of its pixmap into the pixmap cache for every window built.
    window->setWindowIcon(programIcon());
    return window;
}

// In FormId order.
constexpr std::array<Form *(*)(), 4> g_makers
        = {make<FrmMain>, make<FrmDisplay>, make<FrmAbout>, make<FrmExitScreen>};

Slot &slotOf(FormId id)
{
    return g_slots[static_cast<std::size_t>(id)];
}

AfterPaint *afterPaintOf(QWidget *window)
{
    for (const auto &waiting : g_waiting)
        if (waiting && !waiting->done() && waiting->window() == window)
            return waiting;
    g_waiting.erase(std::remove(g_waiting.begin(), g_waiting.end(), nullptr), g_waiting.end());
    auto *created = new AfterPaint(window);
    g_waiting.emplace_back(created);
    return created;
}

// What showing a window does first, done ahead: every control gets its final
// size now, so the texts a reading writes are laid out once, at that size.
void deliverPendingResizes(QWidget *widget)
{
    if (widget->testAttribute(Qt::WA_PendingMoveEvent)) {
        QMoveEvent moved(widget->pos(), widget->pos());
        QCoreApplication::sendEvent(widget, &moved);
        widget->setAttribute(Qt::WA_PendingMoveEvent, false);
    }
    if (widget->testAttribute(Qt::WA_PendingResizeEvent)) {
        QResizeEvent resized(widget->size(), QSize());
        QCoreApplication::sendEvent(widget, &resized);
        widget->setAttribute(Qt::WA_PendingResizeEvent, false);
    }
    // Children after their parent: a parent's resize places its children.
    // Hidden ones (the other tab's page, a scroll bar not needed, menus)
    // get theirs when shown, as they would.
    for (QObject *child : widget->children()) {
        if (!child->isWidgetType())
            continue;
        auto *control = static_cast<QWidget *>(child);
        if (!control->isHidden())
            deliverPendingResizes(control);
    }
}

Form *load(FormId id)
{
    Slot &slot = slotOf(id);
    if (slot.window)
        return slot.form;
    Form *form = nullptr;
    if (slot.prepared) {
        form = slot.preparedForm;
        slot.prepared = nullptr;
        slot.preparedForm = nullptr;
    } else {
        form = g_makers[static_cast<std::size_t>(id)]();
    }
    slot.window = form->widget();
    slot.form = form;
    slot.unloading = false;
    g_loadOrder.push_back(id);
    form->Form_Load();
    return form;
}

void forget(FormId id)
{
    g_loadOrder.erase(std::remove(g_loadOrder.begin(), g_loadOrder.end(), id), g_loadOrder.end());
    Slot &slot = slotOf(id);
    slot.window = nullptr;
    slot.form = nullptr;
    slot.unloading = false;
}

void endProcess(int code)
{
    if (g_ended)
        return;
    g_ended = true;
    if (g_ender)
        g_ender(code);
    else
        QCoreApplication::exit(code);
}

} // namespace

namespace Forms {

FrmMain *frmMain()
{
    return static_cast<FrmMain *>(load(FormId::frmMain));
}

FrmDisplay *frmDisplay()
{
    return static_cast<FrmDisplay *>(load(FormId::frmDisplay));
}

FrmAbout *frmAbout()
{
    return static_cast<FrmAbout *>(load(FormId::frmAbout));
}

FrmExitScreen *frmExitScreen()
{
    return static_cast<FrmExitScreen *>(load(FormId::frmExitScreen));
}

bool isLoaded(FormId id)
{
    return !slotOf(id).window.isNull();
}

QWidget *loadedWindow(FormId id)
{
    return slotOf(id).window.data();
}

void unload(FormId id)
{
    Slot &slot = slotOf(id);
    if (!slot.window || slot.unloading)
        return;
    slot.unloading = true;
    QPointer<QWidget> window = slot.window;
    slot.form->Form_Unload();
    QPointer<AfterPaint> deleteAfter = slot.deleteAfter;
    slot.deleteAfter = nullptr;
    // The handler may have ended the application, which does not bring this
    // window back; finish the unload either way.
    forget(id);
    if (!window)
        return;
    window->hide();
    if (deleteAfter) {
        // Only the windows still waiting are kept: one entry per Back would
        // otherwise pile up for as long as the program runs.
        g_retired.erase(std::remove(g_retired.begin(), g_retired.end(), nullptr), g_retired.end());
        g_retired.emplace_back(window);
        // Steps run from the event loop, never from this window's handlers,
        // so it can go at once: the next reading's window, built by a later
        // step, then reuses the memory this one frees instead of taking more.
        deleteAfter->then([window] { delete window.data(); });
    } else {
        // Later, not now: the unload is often asked for from one of the
        // window's own handlers, which is still on the stack.
        window->deleteLater();
    }
}

void prepare(FormId id)
{
    Slot &slot = slotOf(id);
    if (slot.window || slot.prepared || g_ended)
        return;
    Form *form = g_makers[static_cast<std::size_t>(id)]();
    // Built while idle, native window included; only the show that takes
    // the window maps it.
    QWidget *window = form->widget();
    window->ensurePolished();
    if (window->layout())
        window->layout()->activate();
    deliverPendingResizes(window);
    // The native window last, at its final size and place: a native window
    // resized or moved after it was made is painted twice when first shown.
    centreOnScreen(window);
    window->winId();
    slot.prepared = window;
    slot.preparedForm = form;
}

QWidget *preparedWindow(FormId id)
{
    return slotOf(id).prepared;
}

void onFirstInput(QWidget *window, std::function<void()> step)
{
    g_waitingForInput.emplace_back(new FirstInput(window, std::move(step)));
}

void afterPaint(QWidget *window, std::function<void()> step)
{
    afterPaintOf(window)->then(std::move(step));
}

void deleteAfterPaint(FormId id, QWidget *shown)
{
    slotOf(id).deleteAfter = afterPaintOf(shown);
}

std::vector<FormId> loadOrder()
{
    return g_loadOrder;
}

std::size_t entriesKept()
{
    return g_retired.size() + g_waiting.size() + g_waitingForInput.size();
}

void destroyAll()
{
    for (const auto &waiting : g_waiting)
        delete waiting.data();
    g_waiting.clear();
    for (const auto &waiting : g_waitingForInput)
        delete waiting.data();
    g_waitingForInput.clear();
    const auto order = g_loadOrder;
    for (FormId id : order) {
        QPointer<QWidget> window = slotOf(id).window;
        forget(id);
        delete window.data();
    }
    for (Slot &slot : g_slots) {
        delete slot.prepared.data();
        slot.prepared = nullptr;
        slot.preparedForm = nullptr;
    }
    for (const auto &window : g_retired)
        delete window.data();
    g_retired.clear();
}

} // namespace Forms

void EndApplication()
{
    // An unload handler may load a window again (the input window's handler
    // shows the exit screen); a few passes settle that without looping forever.
    for (int pass = 0; pass < 4; ++pass) {
        bool unloadedAny = false;
        const auto order = g_loadOrder;
        for (FormId id : order) {
            if (Forms::isLoaded(id) && !slotOf(id).unloading) {
                Forms::unload(id);
                unloadedAny = true;
            }
        }
        if (!unloadedAny)
            break;
    }
    endProcess(0);
}

bool applicationEnded()
{
    return g_ended;
}

void setProcessEnder(std::function<void(int)> ender)
{
    g_ender = std::move(ender);
    g_ended = false;
}

} // namespace amorisk
