#include "frmexitscreen.h"

#include "forms.h"
#include "services.h"
#include "look.h"
#include "modhelp.h"
#include "modtellafriend.h"
#include "referral.h"

#include "ui_frmExitScreen.h"
#include "version.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>

namespace amorisk {
namespace {

const QColor navy(0x00, 0x00, 0x80);
const QColor downloadsYellow(0xFF, 0xFF, 0x00);
const QColor linkBlue(0x00, 0x00, 0xC0);
const QString verdana = QStringLiteral("Verdana");
const QString msSansSerif = QStringLiteral("MS Sans Serif");
const QString title = QStringLiteral("Amorisk v" AMORISK_VERSION);

const QString namePlaceholder = QStringLiteral("Your Name");
const QString emailPlaceholder = QStringLiteral("Your Email Address");
const QString friendNamePlaceholder = QStringLiteral("Friend's Name");
const QString friendEmailPlaceholder = QStringLiteral("Friend's Email Address");
const QString messagePlaceholder = QStringLiteral("Your Message");

const std::array<const char *, 4> promotions = {
        "Zenthari Softwares, such as this can be created only with the support of users like "
        "you. The best way to support us is to visit our discussion site www.zenthari.com "
        "regularly and take part in it.",
        "Please visit www.zenthari.com regularly and take part in its discussions. Without "
        "your visits we cannot maintain programs like this one.",
        "www.zenthari.com is a free online discussion forum. Please visit it regularly and "
        "join the discussions there.",
        "www.zenthari.com needs your help! Please visit it regularly and take part, so that "
        "we can go on making more programs like this one.",
};

// The layout separates the two paragraphs of the downloads text with a run of
// spaces, which a wrapping label would swallow at the end of a line.
QString withParagraphBreaks(const QString &text)
{
    static const QRegularExpression run(QStringLiteral(" {2,}"));
    QString shown = text;
    return shown.replace(run, QStringLiteral("\n\n"));
}

void clearPlaceholder(QLineEdit *box, const QString &placeholder)
{
    if (web::stripSpaces(box->text()) == placeholder)
        box->clear();
}

void restorePlaceholder(QLineEdit *box, const QString &placeholder)
{
    if (web::stripSpaces(box->text()).isEmpty())
        box->setText(placeholder);
}

void refuseSpace(QWidget *box, QChar &typed)
{
    if (typed != QLatin1Char(' '))
        return;
    showMessage(QStringLiteral("Email Address Cannot Contain Space"), MessageIcon::Critical);
    typed = QChar();
    box->setFocus();
}

} // namespace

FrmExitScreen::FrmExitScreen()
    : FormWindow(FormId::frmExitScreen), ui(std::make_unique<Ui::frmExitScreen>())
{
    ui->setupUi(this);
    setFixedSize(size());

    setRoleColour(this, QPalette::Window, Qt::white);
    setPixelFont(this, msSansSerif, 11);

    for (QWidget *frame : {ui->Frame6, ui->Frame2}) {
        setPixelFont(frame, verdana, 13, true);
        setRoleColour(frame, QPalette::Window, navy);
        setRoleColour(frame, QPalette::WindowText, Qt::white);
        // The etched border: light above and left, dark below and right.
        setRoleColour(frame, QPalette::Light, Qt::white);
        setRoleColour(frame, QPalette::Dark, QColor(0x80, 0x80, 0x80));
    }

    // Verdana's width at this size runs past the frame in the substitute
    // font; its condensed cut keeps the link on one line inside the frame.
    setPixelFont(ui->lblGoToHome, verdana, 12, true, true);
    QFont goToHome = ui->lblGoToHome->font();
    goToHome.setStretch(QFont::SemiCondensed);
    ui->lblGoToHome->setFont(goToHome);
    setRoleColour(ui->lblGoToHome, QPalette::WindowText, downloadsYellow);
    setPixelFont(ui->Label3, verdana, 12);
    setRoleColour(ui->Label3, QPalette::WindowText, Qt::white);
    ui->Label3->setText(withParagraphBreaks(ui->Label3->text()));

    const QList<QWidget *> boxes
            = {ui->txtName, ui->txtEmail, ui->txtMessage, ui->txtFriendName, ui->txtFriendEmail};
    for (QWidget *box : boxes) {
        setPixelFont(box, msSansSerif, 11);
        useSystemColours(box);
        box->installEventFilter(this);
    }
    setPixelFont(ui->cmdSubmit, verdana, 11, true);
    useSystemColours(ui->cmdSubmit);

    setPixelFont(ui->Check1, verdana, 19);
    setRoleColour(ui->Check1, QPalette::ButtonText, linkBlue);
    setRoleColour(ui->picExitScreenIcon, QPalette::Window,
                  ui->picExitScreenIcon->palette().color(QPalette::Base));
    setPixelFont(ui->Label2, verdana, 13, true);
    setPixelFont(ui->lblExitScreenCaption, msSansSerif, 24);

    ui->lblGoToHome->adjustSize();
    ui->lblExitScreenCaption->adjustSize();

    ui->cmdClose->setFocus();

    connect(ui->cmdClose, &QPushButton::clicked, this, &FrmExitScreen::cmdClose_Click);
    connect(ui->cmdSubmit, &QPushButton::clicked, this, &FrmExitScreen::cmdSubmit_Click);
    // Every change of the box is its click, the handler's own unchecking included.
    connect(ui->Check1, &QCheckBox::toggled, this, &FrmExitScreen::Check1_Click);
    connect(ui->lblGoToHome, &LinkLabel::clicked, this, &FrmExitScreen::lblGoToHome_Click);
}

FrmExitScreen::~FrmExitScreen() = default;

void FrmExitScreen::Form_Load()
{
    setWindowTitle(title);
    ui->lblExitScreenCaption->setText(title);
    ui->lblExitScreenCaption->adjustSize();

    setWindowIcon(programIcon());
    ui->picExitScreenIcon->setPixmap(programIcon().pixmap(32, 32));

    seedRandomFromClock();
    const double r = services().random->next();
    const int last = static_cast<int>(promotions.size()) - 1;
    const int index = std::clamp(static_cast<int>(std::floor(r * promotions.size())), 0, last);
    ui->Label2->setText(QString::fromLatin1(promotions[static_cast<std::size_t>(index)]));

    setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

void FrmExitScreen::Form_Unload()
{
    EndApplication();
}

void FrmExitScreen::cmdClose_Click()
{
    EndApplication();
}

void FrmExitScreen::cmdSubmit_Click()
{
    web::ReferralValues &values = modTellAFriend::values();
    values.name = web::stripSpaces(ui->txtName->text());
    values.email = web::stripSpaces(ui->txtEmail->text());
    values.message = web::stripSpaces(messageText());
    values.friendName = web::stripSpaces(ui->txtFriendName->text());
    values.friendEmail = web::stripSpaces(ui->txtFriendEmail->text());

    const QString problem = web::submitProblem(values.email, values.friendEmail);
    if (!problem.isEmpty()) {
        showMessage(problem, MessageIcon::Critical);
        return;
    }
    modTellAFriend::SendReferral();
}

void FrmExitScreen::Check1_Click()
{
    if (!ui->Check1->isChecked())
        return;
    ui->Check1->setChecked(false);
    OpenHomePage();
}

void FrmExitScreen::lblGoToHome_Click()
{
    OpenSoftwareDownloadsPage();
}

void FrmExitScreen::txtName_GotFocus()
{
    clearPlaceholder(ui->txtName, namePlaceholder);
}

void FrmExitScreen::txtName_LostFocus()
{
    restorePlaceholder(ui->txtName, namePlaceholder);
}

void FrmExitScreen::txtEmail_GotFocus()
{
    clearPlaceholder(ui->txtEmail, emailPlaceholder);
}

void FrmExitScreen::txtEmail_LostFocus()
{
    restorePlaceholder(ui->txtEmail, emailPlaceholder);
}

void FrmExitScreen::txtFriendName_GotFocus()
{
    clearPlaceholder(ui->txtFriendName, friendNamePlaceholder);
}

void FrmExitScreen::txtFriendName_LostFocus()
{
    restorePlaceholder(ui->txtFriendName, friendNamePlaceholder);
}

void FrmExitScreen::txtFriendEmail_GotFocus()
{
    clearPlaceholder(ui->txtFriendEmail, friendEmailPlaceholder);
}

void FrmExitScreen::txtFriendEmail_LostFocus()
{
    restorePlaceholder(ui->txtFriendEmail, friendEmailPlaceholder);
}

void FrmExitScreen::txtMessage_GotFocus()
{
    if (web::stripSpaces(messageText()) == messagePlaceholder)
        setMessageText(QString());
}

void FrmExitScreen::txtMessage_LostFocus()
{
    if (web::stripSpaces(messageText()).isEmpty())
        setMessageText(messagePlaceholder);
}

void FrmExitScreen::txtEmail_KeyPress(QChar &typed)
{
    refuseSpace(ui->txtEmail, typed);
}

void FrmExitScreen::txtFriendEmail_KeyPress(QChar &typed)
{
    refuseSpace(ui->txtFriendEmail, typed);
}

// Line breaks in the message read as carriage return and line feed, as the
// layout writes them; the editor itself keeps only line feeds.
QString FrmExitScreen::messageText() const
{
    return ui->txtMessage->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

void FrmExitScreen::setMessageText(const QString &text)
{
    ui->txtMessage->setPlainText(text);
}

bool FrmExitScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        // Another window, a message box or a context menu taking the focus
        // is not the user moving between fields.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            const bool in = event->type() == QEvent::FocusIn;
            if (watched == ui->txtName)
                in ? txtName_GotFocus() : txtName_LostFocus();
            else if (watched == ui->txtEmail)
                in ? txtEmail_GotFocus() : txtEmail_LostFocus();
            else if (watched == ui->txtFriendName)
                in ? txtFriendName_GotFocus() : txtFriendName_LostFocus();
            else if (watched == ui->txtFriendEmail)
                in ? txtFriendEmail_GotFocus() : txtFriendEmail_LostFocus();
            else if (watched == ui->txtMessage)
                in ? txtMessage_GotFocus() : txtMessage_LostFocus();
        }
    } else if (event->type() == QEvent::KeyPress
               && (watched == ui->txtEmail || watched == ui->txtFriendEmail)) {
        const QString text = static_cast<QKeyEvent *>(event)->text();
        if (text.size() == 1) {
            QChar typed = text.at(0);
            if (watched == ui->txtEmail)
                txtEmail_KeyPress(typed);
            else
                txtFriendEmail_KeyPress(typed);
            if (typed.isNull())
                return true;
        }
    }
    return FormWindow::eventFilter(watched, event);
}

} // namespace amorisk
