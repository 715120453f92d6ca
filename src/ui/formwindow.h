#pragma once

#include "forms.h"
#include "look.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QShowEvent>

#include <memory>

namespace amorisk {

// The program icon, one object for every window.
const QIcon &programIcon();

// The one way every window is built: the frame's flags before any control
// exists (changing them later rebuilds the native window and restyles every
// control), then its layout and the look every window shares. It is centred
// when first shown, and closing it means unloading it through the registry.
template<class QtWindow, class Layout, FormId id>
class FormWindow : public QtWindow, public Form
{
public:
    static constexpr FormId Id = id;
    QWidget *widget() override { return this; }

protected:
    FormWindow() : ui(std::make_unique<Layout>())
    {
        fixWindowFrame(this);
        ui->setupUi(this);
        setUpLook(this);
        // One icon object for every window: each form's own would put another
        // copy of its pixmap into the pixmap cache for every window built.
        this->setWindowIcon(programIcon());
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
        Forms::unload(id);
    }

    virtual void placeOnFirstShow() { centreOnScreen(this); }

    std::unique_ptr<Layout> ui;

private:
    bool m_placed = false;
};

// Connects the captions and menu commands that the input and the reading
// window share to their link routines.
void connectSharedLinks(QWidget *window);

} // namespace amorisk
