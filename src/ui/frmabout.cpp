#include "frmabout.h"

#include "forms.h"
#include "look.h"
#include "modhelp.h"
#include "signpicturelist.h"

#include "ui_frmAbout.h"
#include "version.h"

#include <QApplication>
#include <QCloseEvent>
#include <QWindow>

namespace amorisk {
FrmAbout::FrmAbout() : FormWindow(FormId::frmAbout), ui(std::make_unique<Ui::frmAbout>())
{
    ui->setupUi(this);
    setFixedSize(size());
    // The layout holds the name alone; the version comes from the build.
    setWindowTitle(QStringLiteral(AMORISK_TITLE));
    ui->Label2->setText(QStringLiteral(AMORISK_TITLE));

    useClassicColours(this);
    usePixelFonts(this);

    // Auto-size captions: the size follows the text, so a link answers only
    // over its words.
    ui->Label2->adjustSize();
    ui->lblCoBrand->adjustSize();
    ui->lblHomePage->adjustSize();

    // The layout's icon has 32 pixels; a denser screen shows its sharp copy.
    if (devicePixelRatioF() > 1)
        ui->Picture1->setPixmap(
                sharpPicture(QStringLiteral(":/images/amorisk-32.png"), devicePixelRatioF()));

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
