#include "frmdisplay.h"

#include "autosize.h"
#include "forms.h"
#include "frmabout.h"
#include "frmexitscreen.h"
#include "frmmain.h"
#include "look.h"
#include "modhelp.h"
#include "signpicturelist.h"
#include "signtable.h"
#include "tabstripstyle.h"

#include "ui_frmDisplay.h"
#include "version.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabBar>

namespace amorisk {

FrmDisplay::FrmDisplay()
{
    // The layout holds the name alone; the version comes from the build.
    setWindowTitle(QStringLiteral(AMORISK_TITLE));
    // The row of tabs is the one part a palette and a font cannot draw as
    // the layout shows it.
    ui->SSTab1->tabBar()->setStyle(tabStripStyle());
    ui->SSTab1->tabBar()->setDrawBase(false);
    // The text boxes' scroll bars keep the classic face.
    for (QPlainTextEdit *box :
         {ui->txtSunSignPositiveTraits, ui->txtSunSignNegativeTraits, ui->txtLoveProfile})
        box->verticalScrollBar()->setPalette(classicPalette());
    // The layout's picture is position 11; a denser screen shows its sharp copy.
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
    connectSharedLinks(this);
}

FrmDisplay::~FrmDisplay() = default;

void FrmDisplay::Form_Unload()
{
    // Back hides the exit screen again straight after; showing it in between
    // would only map and unmap a window. Loading it is what remains.
    if (m_goingBack)
        Forms::load<FrmExitScreen>();
    else
        Forms::load<FrmExitScreen>()->show();
}

void FrmDisplay::setSunSign(const QString &name)
{
    setCaption(ui->lblSunSign, name);
    // Said with the window as it appears.
    setAccessibleDescription(ui->Label15->text() + QStringLiteral(": ") + name);
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

void FrmDisplay::cmdBack_Click()
{
    m_goingBack = true;
    Forms::load<FrmMain>()->show();
    Forms::unload(FormId::frmDisplay);
    // Back is not leaving the program: the exit screen stays hidden.
    Forms::load<FrmExitScreen>()->hide();
}

void FrmDisplay::mnuExit_Click()
{
    Forms::unload(FormId::frmDisplay);
}

void FrmDisplay::mnuAbout_Click()
{
    Forms::load<FrmAbout>()->exec();
}

} // namespace amorisk
