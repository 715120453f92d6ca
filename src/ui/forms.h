#pragma once

#include <functional>
#include <vector>

class QWidget;

namespace amorisk {

// A new window is one name here and one row in the maker table of forms.cpp.
enum class FormId { frmMain, frmDisplay, frmAbout, frmExitScreen };

// What the registry asks of every window: the widget itself, its load step
// and its unload handler (both empty unless the window has one).
class Form
{
public:
    virtual ~Form() = default;
    virtual QWidget *widget() = 0;
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
};

// The four windows by name. Each exists at most once; touching it through
// load() loads it (builds it from its layout and runs its load step) when it
// is not loaded, and unloading runs its unload handler and destroys it, so the
// next use starts again from the layout.
namespace Forms {

Form *load(FormId id);
template<class Window>
Window *load()
{
    return static_cast<Window *>(load(Window::Id));
}

bool isLoaded(FormId id);
// The loaded window, or nullptr; never loads it.
QWidget *loadedWindow(FormId id);
// Ignored for a window that is not loaded or whose unload is under way.
void unload(FormId id);
std::vector<FormId> loadOrder();

// Destroys whatever is still loaded without running unload handlers; for the
// very end of main() and for tests that start each case from nothing.
void destroyAll();

} // namespace Forms

// Unloads every loaded window in load order and ends the process with exit
// code 0. Safe to re-enter from an unload handler it triggered.
void EndApplication();
bool applicationEnded();

// How the process is ended; the default quits the Qt event loop. Tests record
// the call instead. Passing nullptr restores the default and clears the ended flag.
void setProcessEnder(std::function<void(int)> ender);

} // namespace amorisk
