#include "frmdisplay.h"

#include "forms.h"
#include "signtable.h"
#include "autosize.h"
#include "frmabout.h"
#include "frmmain.h"
#include "look.h"
#include "tabstripstyle.h"
#include "frmexitscreen.h"
#include "modhelp.h"
#include "signpicturelist.h"

#include "ui_frmDisplay.h"
#include "version.h"

#include <QCloseEvent>
#include <QLayout>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabBar>

namespace amorisk {

FrmDisplay::FrmDisplay(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::frmDisplay)
{
    installFontSubstitutions();
    // Window flags before the controls exist: changing them later rebuilds
    // the native window and restyles every control.
    fixWindowFrame(this);
    ui->setupUi(this);
    // The layout holds the name alone; the version comes from the build.
    setWindowTitle(QStringLiteral(AMORISK_TITLE));
    ui->mnuSep1->setSeparator(true);
    ui->mnuSep2->setSeparator(true);
    useClassicColours(this);
    usePixelFonts(this);
    // The row of tabs is the one part a palette and a font cannot draw as
    // the layout shows it; one shared style draws it for every reading.
    ui->SSTab1->tabBar()->setStyle(tabStripStyle());
    ui->SSTab1->tabBar()->setDrawBase(false);
    // The text boxes' frames take their colour from the theme background;
    // their scroll bars keep the classic face.
    for (QPlainTextEdit *box :
         {ui->txtSunSignPositiveTraits, ui->txtSunSignNegativeTraits, ui->txtLoveProfile})
        box->verticalScrollBar()->setPalette(classicPalette());
    // Polish now, so the long texts a reading writes are laid out once in
    // their final font rather than again at show.
    ensurePolished();
    fitAutoSizeCaptions(this);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // The layout's picture is position 11 at 200 pixels; a denser screen
    // shows its sharp copy.
    if (devicePixelRatioF() > 1)
        ui->picSunSign->setPixmap(SignPictureList().picture(11, devicePixelRatioF()));
    // The bottom panel comes first in tab order but takes no focus. The
    // layout orders only the pages' controls: creation order already puts
    // cmdBack before the tab control, and ordering the tab control itself
    // would tear the focus chain through its own descendants.
    ui->cmdBack->setFocus();

    connect(ui->cmdBack, &QPushButton::clicked, this, &FrmDisplay::cmdBack_Click);
    connect(ui->mnuBack, &QAction::triggered, this, &FrmDisplay::cmdBack_Click);
    connect(ui->mnuExit, &QAction::triggered, this, &FrmDisplay::mnuExit_Click);
    connect(ui->mnuAbout, &QAction::triggered, this, &FrmDisplay::mnuAbout_Click);
    connect(ui->Label61, &LinkLabel::clicked, this, &FrmDisplay::Label61_Click);
    connect(ui->lblCobrand, &LinkLabel::clicked, this, &FrmDisplay::lblCobrand_Click);
    connect(ui->lblFullBrand, &LinkLabel::clicked, this, &FrmDisplay::lblFullBrand_Click);
    connect(ui->mnuOnline, &QAction::triggered, this, &FrmDisplay::mnuOnline_Click);
    connect(ui->mnuVisit, &QAction::triggered, this, &FrmDisplay::mnuVisit_Click);
    connect(ui->mnuUpdate, &QAction::triggered, this, &FrmDisplay::mnuUpdate_Click);
    connect(ui->mnuDonate, &QAction::triggered, this, &FrmDisplay::mnuDonate_Click);
    connect(ui->mnumakemoney, &QAction::triggered, this, &FrmDisplay::mnumakemoney_Click);
}

FrmDisplay::~FrmDisplay()
{
    delete ui;
}

void FrmDisplay::Form_Unload()
{
    Forms::frmExitScreen()->show();
}

void FrmDisplay::setSunSign(const QString &name)
{
    setCaption(ui->lblSunSign, name);
}

void FrmDisplay::setProfile(const reading::SignProfile &row, const QPixmap &picture)
{
    setCaption(ui->lblSunSignElement, QLatin1String(row.element));
    setCaption(ui->lblSunSignNumber, QLatin1String(row.luckyNumber));
    setCaption(ui->lblSunSignDay, QLatin1String(row.luckyDay));
    setCaption(ui->lblSunSignCompatibility, QLatin1String(row.compatibility));
    setCaption(ui->lblSunSignBirthStone, QLatin1String(row.birthstone));
    ui->txtSunSignPositiveTraits->setPlainText(QLatin1String(row.positiveTraits));
    ui->txtSunSignNegativeTraits->setPlainText(QLatin1String(row.negativeTraits));
    ui->picSunSign->setPixmap(picture);
    ui->picSunSign->setAccessibleName(QLatin1String(row.name));
    ui->txtLoveProfile->setPlainText(QLatin1String(row.romanceProfile));
}

void FrmDisplay::closeEvent(QCloseEvent *event)
{
    event->ignore();
    Forms::unload(FormId::frmDisplay);
}

void FrmDisplay::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        centreOnScreen(this);
    }
}

void FrmDisplay::cmdBack_Click()
{
    Forms::frmMain()->show();
    Forms::unload(FormId::frmDisplay);
    // Unloading showed the exit screen; Back is not leaving the program.
    Forms::frmExitScreen()->hide();
}

void FrmDisplay::mnuExit_Click()
{
    Forms::unload(FormId::frmDisplay);
}

void FrmDisplay::mnuAbout_Click()
{
    Forms::frmAbout()->exec();
}

void FrmDisplay::Label61_Click()
{
    OpenHomePage();
}

void FrmDisplay::lblCobrand_Click()
{
    OpenCoBrandPage();
}

void FrmDisplay::lblFullBrand_Click()
{
    OpenFullyBrandedPage();
}

void FrmDisplay::mnuOnline_Click()
{
    OpenHelpPage();
}

void FrmDisplay::mnuVisit_Click()
{
    OpenHomePage();
}

void FrmDisplay::mnuUpdate_Click()
{
    CheckForUpdate();
}

void FrmDisplay::mnuDonate_Click()
{
    OpenDonatePage();
}

void FrmDisplay::mnumakemoney_Click()
{
    OpenFullyBrandedPage();
}

} // namespace amorisk
