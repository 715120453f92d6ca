#include "frmmain.h"

#include "entrycheck.h"
#include "forms.h"
#include "frmabout.h"
#include "frmexitscreen.h"
#include "modhelp.h"
#include "namekey.h"
#include "services.h"
#include "showreading.h"

#include "ui_frmMain.h"
#include "version.h"

#include <QKeyEvent>

#include <cmath>

namespace amorisk {

FrmMain::FrmMain()
{
    // The layout holds the name alone; the version comes from the build.
    setWindowTitle(QStringLiteral(AMORISK_TITLE));
    for (QLineEdit *box : {ui->txtFirstName, ui->txtMiddleName, ui->txtLastName}) {
        // Typed text must reach the key filter as key presses; an input
        // method would hand over composed text past it.
        box->setAttribute(Qt::WA_InputMethodEnabled, false);
        box->installEventFilter(this);
    }
    ui->txtFirstName->setFocus();

    connect(ui->cmdNext, &QPushButton::clicked, this, &FrmMain::cmdNext_Click);
    connect(ui->mnuNext, &QAction::triggered, this, &FrmMain::cmdNext_Click);
    // cmdExit lies below the client area, out of sight, as it always has;
    // Tab and Alt+X still reach it, and mnuExit is the visible way out.
    connect(ui->cmdExit, &QPushButton::clicked, this, &FrmMain::cmdExit_Click);
    connect(ui->mnuExit, &QAction::triggered, this, &FrmMain::cmdExit_Click);
    connect(ui->mnuAbout, &QAction::triggered, this, &FrmMain::mnuAbout_Click);
    // Label2 is a plain caption that answers clicks; the layout gives it the
    // arrow pointer and no underline.
    connect(ui->Label2, &LinkLabel::clicked, this, &FrmMain::Label2_Click);
    connectSharedLinks(this);
}

FrmMain::~FrmMain() = default;

void FrmMain::Form_Load()
{
    for (int day = 1; day <= 31; ++day)
        ui->cboDate->addItem(QString::number(day));
    for (const char *month : reading::monthNames)
        ui->cboMonth->addItem(QLatin1String(month));
    for (int year = reading::firstYear; year <= reading::lastYear; ++year)
        ui->cboYear->addItem(QString::number(year));
    ui->cboDate->setCurrentIndex(0);
    ui->cboMonth->setCurrentIndex(0);
    ui->cboYear->setCurrentIndex(0);
}

void FrmMain::Form_Unload()
{
    Forms::load<FrmExitScreen>()->show();
}

void FrmMain::CoBrand_Randomize()
{
    // Round half to even, as the default floating-point rounding mode does.
    const int intCoBrandRandomNumber
            = static_cast<int>(std::nearbyint(services().random->next() * 6 + 1));
    switch (intCoBrandRandomNumber) {
    case 1:
    case 3:
    case 5:
        ui->lblCobrand->raise();
        break;
    case 2:
    case 4:
    case 6:
        ui->lblFullBrand->raise();
        break;
    default:
        // 7 keeps the stacking of the layout.
        break;
    }
}

bool FrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        if (watched == ui->txtFirstName || watched == ui->txtMiddleName
            || watched == ui->txtLastName)
            return filterNameKey(static_cast<QLineEdit *>(watched),
                                 static_cast<QKeyEvent *>(event));
    }
    return FormWindow::eventFilter(watched, event);
}

// True when the key press has been dealt with here and must not reach the box.
bool FrmMain::filterNameKey(QLineEdit *box, QKeyEvent *event)
{
    const NameKey key = classifyNameKey(*event);
    if (key.kind == NameKey::Editing)
        return false;
    if (key.kind == NameKey::Command)
        return true;

    int keyAscii = key.code;
    if (box == ui->txtFirstName)
        txtFirstName_KeyPress(keyAscii);
    else if (box == ui->txtMiddleName)
        txtMiddleName_KeyPress(keyAscii);
    else
        txtLastName_KeyPress(keyAscii);

    if (keyAscii == 0)
        return true;
    if (keyAscii == key.code && event->text().size() == 1)
        return false;
    // The box inserts the replaced character through its own key handling,
    // so selection, undo and cursor behave as for a typed key. The filter
    // lets the replacement through: it is a capital.
    QKeyEvent replaced(QEvent::KeyPress, event->key(), event->modifiers(), QString(QChar(keyAscii)),
                       event->isAutoRepeat());
    QCoreApplication::sendEvent(box, &replaced);
    return true;
}

namespace {

void nameKeyPress(int &KeyAscii)
{
    KeyAscii = nameKeyResult(KeyAscii);
    if (KeyAscii == 0)
        showMessage(QStringLiteral("Please Enter Only Alphabet"), MessageIcon::Information);
}

} // namespace

void FrmMain::txtFirstName_KeyPress(int &KeyAscii)
{
    nameKeyPress(KeyAscii);
}

void FrmMain::txtMiddleName_KeyPress(int &KeyAscii)
{
    nameKeyPress(KeyAscii);
}

void FrmMain::txtLastName_KeyPress(int &KeyAscii)
{
    nameKeyPress(KeyAscii);
}

bool FrmMain::ValidateInput()
{
    reading::EntryInput input;
    input.firstName = ui->txtFirstName->text();
    input.lastName = ui->txtLastName->text();
    input.monthPosition = ui->cboMonth->currentIndex();
    input.dayPosition = ui->cboDate->currentIndex();
    input.yearText = ui->cboYear->currentText();
    const reading::EntryOutcome outcome = reading::ValidateInput(input);
    if (outcome.accepted)
        return true;
    showMessage(outcome.message, MessageIcon::Information);
    switch (outcome.focus) {
    case reading::FocusTarget::FirstName:
        ui->txtFirstName->setFocus();
        break;
    case reading::FocusTarget::LastName:
        ui->txtLastName->setFocus();
        break;
    case reading::FocusTarget::Unchanged:
        break;
    }
    return false;
}

void FrmMain::cmdNext_Click()
{
    if (!ValidateInput())
        return;
    reading::DetermineSunSign(ui->cboMonth->currentIndex(), ui->cboDate->currentIndex());
    ShowReading();
}

void FrmMain::cmdExit_Click()
{
    Forms::unload(FormId::frmMain);
}

void FrmMain::mnuAbout_Click()
{
    Forms::load<FrmAbout>()->exec();
}

void FrmMain::Label2_Click()
{
    OpenFullyBrandedPage();
}

} // namespace amorisk
