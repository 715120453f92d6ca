#pragma once

#include <cstddef>
#include <functional>
#include <vector>

class QWidget;

namespace amorisk {

class FrmMain;
class FrmDisplay;
class FrmAbout;
class FrmExitScreen;

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

// The four windows by name. Each exists at most once; touching it through its
// accessor loads it (builds it from its layout and runs its load step) when it
// is not loaded, and unloading runs its unload handler and destroys it, so the
// next use starts again from the layout.
namespace Forms {

FrmMain *frmMain();
FrmDisplay *frmDisplay();
FrmAbout *frmAbout();
FrmExitScreen *frmExitScreen();

bool isLoaded(FormId id);
// The loaded window, or nullptr; never loads it.
QWidget *loadedWindow(FormId id);
// Ignored for a window that is not loaded or whose unload is under way.
void unload(FormId id);

// Builds the window, its native window included, without loading it: it
// does not count as loaded and its load step has not run, but the next use
// takes it instead of building one. Nothing if it is loaded or prepared.
void prepare(FormId id);
// The window built ahead by prepare(), or nullptr; never builds it.
QWidget *preparedWindow(FormId id);
// Runs `step` after the first key or mouse press in `window`: while the user
// starts typing, not while the program starts.
void onFirstInput(QWidget *window, std::function<void()> step);
// Runs `step` once `window` has painted: work the user need not wait for.
void afterPaint(QWidget *window, std::function<void()> step);
// The next unload of the window hides it at once but deletes it only once
// `shown` has painted: the window the user goes to appears first.
void deleteAfterPaint(FormId id, QWidget *shown);
std::vector<FormId> loadOrder();
// How many entries the registry keeps for windows waiting for deletion and
// for steps waiting on a window: a few, however many readings there have been.
std::size_t entriesKept();

// Destroys whatever is still loaded, prepared or waiting for deletion without
// running unload handlers; for the very end of main() and for tests that
// start each case from nothing.
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
