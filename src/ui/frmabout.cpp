#include "frmabout.h"

#include "autosize.h"
#include "forms.h"
#include "modhelp.h"

#include "ui_frmAbout.h"
#include "version.h"

#include <QApplication>
#include <QWindow>

namespace amorisk {
FrmAbout::FrmAbout()
{
    // The layout holds the name alone; the version comes from the build.
    setWindowTitle(QStringLiteral(AMORISK_TITLE));
    setCaption(ui->Label2, QStringLiteral(AMORISK_TITLE));
    // The layout's icon, sharp on a denser screen.
    ui->Picture1->setPixmap(
            programIcon().pixmap(ui->Picture1->pixmap().size(), devicePixelRatioF()));

    ui->cmdOK->setFocus();

    connect(ui->cmdOK, &QPushButton::clicked, this, &FrmAbout::cmdOK_Click);
    connect(ui->lblCoBrand, &LinkLabel::clicked, this, &FrmAbout::lblCoBrand_Click);
    connect(ui->lblHomePage, &LinkLabel::clicked, this, &FrmAbout::lblHomePage_Click);
}

FrmAbout::~FrmAbout() = default;

void FrmAbout::cmdOK_Click()
{
    // Hiding ends the modal loop of exec(); the registry deletes the window later.
    Forms::unload(FormId::frmAbout);
}

void FrmAbout::lblCoBrand_Click()
{
    OpenFullyBrandedPage();
}

void FrmAbout::lblHomePage_Click()
{
    OpenHomePage();
}

void FrmAbout::reject()
{
    cmdOK_Click();
}

void FrmAbout::placeOnFirstShow()
{
    // Belonging to the window it was opened from keeps the about window out
    // of the taskbar and above its owner.
    QWidget *owner = QApplication::activeWindow();
    if (owner && owner != this && owner->windowHandle() && windowHandle())
        windowHandle()->setTransientParent(owner->windowHandle());
    centreOnScreen(this);
}

} // namespace amorisk
