#include "frmabout.h"

#include "forms.h"
#include "look.h"
#include "modhelp.h"

#include "ui_frmAbout.h"

#include <QApplication>
#include <QCloseEvent>
#include <QWindow>

namespace amorisk {
namespace {

const QColor themeColour(0x5A, 0x23, 0xDC);
const QColor linkRed(0xC0, 0x00, 0x00);
const QColor buttonGrey(0xC0, 0xC0, 0xC0);
const QString verdana = QStringLiteral("Verdana");

} // namespace

FrmAbout::FrmAbout() : FormWindow(FormId::frmAbout), ui(std::make_unique<Ui::frmAbout>())
{
    ui->setupUi(this);
    setFixedSize(size());

    setRoleColour(this, QPalette::Window, Qt::white);
    setPixelFont(this, QStringLiteral("MS Sans Serif"), 11);

    setPixelFont(ui->cmdOK, verdana, 11, true);
    setRoleColour(ui->cmdOK, QPalette::Button, buttonGrey);
    setRoleColour(ui->Line1, QPalette::WindowText, themeColour);

    setPixelFont(ui->Label1, verdana, 11);
    setPixelFont(ui->Label2, verdana, 13, true);
    setPixelFont(ui->Label3, verdana, 11, true);
    for (QLabel *caption : {ui->Label1, ui->Label2, ui->Label3})
        setRoleColour(caption, QPalette::WindowText, themeColour);
    for (LinkLabel *link : {ui->lblCoBrand, ui->lblHomePage}) {
        setPixelFont(link, verdana, 11, true, true);
        setRoleColour(link, QPalette::WindowText, linkRed);
    }

    // Auto-size captions: the size follows the text, so a link answers only
    // over its words.
    ui->Label2->adjustSize();
    ui->lblCoBrand->adjustSize();
    ui->lblHomePage->adjustSize();

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
