#include "forms.h"

#include "frmabout.h"
#include "frmdisplay.h"
#include "frmexitscreen.h"
#include "frmmain.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <array>
#include <iterator>

namespace amorisk {
namespace {

template<typename Window>
Form *make()
{
    return new Window;
}

// In FormId order.
constexpr Form *(*makers[])()
        = {make<FrmMain>, make<FrmDisplay>, make<FrmAbout>, make<FrmExitScreen>};

struct Slot
{
    QPointer<QWidget> window;
    Form *form = nullptr;
    bool unloading = false;
};

std::array<Slot, std::size(makers)> g_slots;
std::vector<FormId> g_loadOrder;
bool g_ended = false;
std::function<void(int)> g_ender;

Slot &slotOf(FormId id)
{
    return g_slots[static_cast<std::size_t>(id)];
}

void forget(FormId id)
{
    g_loadOrder.erase(std::remove(g_loadOrder.begin(), g_loadOrder.end(), id), g_loadOrder.end());
    slotOf(id) = Slot();
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

Form *load(FormId id)
{
    Slot &slot = slotOf(id);
    if (slot.window)
        return slot.form;
    Form *form = makers[static_cast<std::size_t>(id)]();
    slot.window = form->widget();
    slot.form = form;
    g_loadOrder.push_back(id);
    form->Form_Load();
    return form;
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
    if (!window)
        return;
    window->hide();
    // Later, not now: the unload is often asked for from one of the window's
    // own handlers, which is still on the stack.
    window->deleteLater();
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
