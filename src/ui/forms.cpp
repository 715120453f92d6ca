#include "forms.h"

#include "frmabout.h"
#include "frmdisplay.h"
#include "frmmain.h"
#include "frmexitscreen.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <array>

namespace amorisk {
namespace {

struct Slot
{
    QPointer<QWidget> window;
    Form *form = nullptr;
    bool unloading = false;
};

std::array<Slot, 4> g_slots;
std::vector<FormId> g_loadOrder;
bool g_ended = false;
std::function<void(int)> g_ender;

template<typename Window>
Form *make()
{
    return new Window;
}

// In FormId order.
constexpr std::array<Form *(*)(), 4> g_makers
        = {make<FrmMain>, make<FrmDisplay>, make<FrmAbout>, make<FrmExitScreen>};

Slot &slotOf(FormId id)
{
    return g_slots[static_cast<std::size_t>(id)];
}

Form *load(FormId id)
{
    Slot &slot = slotOf(id);
    if (slot.window)
        return slot.form;
    Form *form = g_makers[static_cast<std::size_t>(id)]();
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
    // The handler may have ended the application, which does not bring this
    // window back; finish the unload either way.
    forget(id);
    if (window) {
        window->hide();
        // Later, not now: the unload is often asked for from one of the
        // window's own handlers, which is still on the stack.
        window->deleteLater();
    }
}

std::vector<FormId> loadOrder()
{
    return g_loadOrder;
}

void destroyAll()
{
    const auto order = g_loadOrder;
    for (FormId id : order) {
        QPointer<QWidget> window = slotOf(id).window;
        forget(id);
        delete window.data();
    }
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
