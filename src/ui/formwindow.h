#pragma once

#include "forms.h"
#include "look.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QShowEvent>

namespace amorisk {

// The start all four windows share: the frame's flags are set before any
// control exists (changing them later rebuilds the native window and
// restyles every control), the window is centred when first shown, and
// closing it means unloading it through the registry.
template<class QtWindow>
class FormWindow : public QtWindow, public Form
{
public:
    QWidget *widget() override { return this; }

protected:
    explicit FormWindow(FormId id) : m_id(id)
    {
        installFontSubstitutions();
        fixWindowFrame(this);
    }

    void setVisible(bool visible) override
    {
        QtWindow::setVisible(visible);
        // Showing posts each control a request to repaint itself. Left in
        // the queue they arrive after the window's first paint and paint
        // it all a second time; taken now, they join that first paint.
        if (visible)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
    }

    void showEvent(QShowEvent *event) override
    {
        QtWindow::showEvent(event);
        if (m_placed)
            return;
        m_placed = true;
        placeOnFirstShow();
    }

    void closeEvent(QCloseEvent *event) override
    {
        event->ignore();
        Forms::unload(m_id);
    }

    virtual void placeOnFirstShow() { centreOnScreen(this); }

private:
    FormId m_id;
    bool m_placed = false;
};

// The program icon, one object for every window.
const QIcon &programIcon();

// Connects the captions and menu commands that the input and the reading
// window share to their link routines.
void connectSharedLinks(QWidget *window);

} // namespace amorisk
