#include "frmdisplay.h"

#include "forms.h"
#include "signtable.h"
#include "autosize.h"
#include "frmabout.h"
#include "frmmain.h"
#include "look.h"
#include "frmexitscreen.h"
#include "modhelp.h"

#include "ui_frmDisplay.h"

#include <QCloseEvent>
#include <QLayout>

namespace amorisk {

FrmDisplay::FrmDisplay()
    : FormWindow(FormId::frmDisplay)
    , ui(std::make_unique<Ui::frmDisplay>())
{
    ui->setupUi(this);
    ui->mnuSep1->setSeparator(true);
    ui->mnuSep2->setSeparator(true);
    // Take the style sheet's fonts now, so the long texts a reading writes
    // are laid out once in their final font rather than again at show.
    ensurePolished();
    fitAutoSizeCaptions(this);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // The bottom panel comes first in tab order but takes no focus.
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
        Forms::frmExitScreen();
    else
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

void FrmDisplay::cmdBack_Click()
{
    FrmMain *main = Forms::frmMain();
    // This window is deleted, and the next reading's window built, once the
    // input window has painted: the user does not wait for either.
    Forms::deleteAfterPaint(FormId::frmDisplay, main);
    m_goingBack = true;
    main->show();
    Forms::unload(FormId::frmDisplay);
    Forms::prepareAfterPaint(FormId::frmDisplay, main);
    // Back is not leaving the program: the exit screen stays hidden.
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

} // namespace amorisk
