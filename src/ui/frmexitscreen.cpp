#include "frmexitscreen.h"

#include "accessibility.h"
#include "autosize.h"
#include "forms.h"
#include "look.h"
#include "modhelp.h"
#include "modtellafriend.h"
#include "referral.h"
#include "services.h"

#include "ui_frmExitScreen.h"
#include "version.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cmath>

namespace amorisk {
namespace {

const QString title = QStringLiteral(AMORISK_TITLE);

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

// Emptied just after the focus event: a box emptied before it leaves a screen
// reader silent.
void clearPlaceholder(QLineEdit *box, const QString &placeholder)
{
    QTimer::singleShot(0, box, [box, placeholder] {
        if (box->window()->focusWidget() == box && web::stripSpaces(box->text()) == placeholder)
            box->clear();
    });
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
{
    // The referral fields and button keep the classic colours inside the
    // navy frame.
    const QList<QWidget *> boxes
            = {ui->txtName, ui->txtEmail, ui->txtMessage, ui->txtFriendName, ui->txtFriendEmail};
    for (QWidget *box : boxes) {
        box->setPalette(classicPalette());
        box->installEventFilter(this);
    }
    // Short enough that the referral address always fits what the desktop
    // can hand to the browser.
    for (QLineEdit *box : {ui->txtName, ui->txtEmail, ui->txtFriendName, ui->txtFriendEmail})
        box->setMaxLength(web::maxBoxLength);
    connect(ui->txtMessage->document(), &QTextDocument::contentsChange, this,
            &FrmExitScreen::limitMessage);
    ui->cmdSubmit->setPalette(classicPalette());

    // Verdana's width at this size runs past the frame in the substitute
    // font; its condensed cut keeps the link on one line inside the frame.
    QFont goToHome = ui->lblGoToHome->font();
    goToHome.setStretch(QFont::SemiCondensed);
    ui->lblGoToHome->setFont(goToHome);
    setCaption(ui->lblGoToHome, ui->lblGoToHome->text()); // refitted to the narrower font
    ui->Label3->setText(withParagraphBreaks(ui->Label3->text()));

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
    setCaption(ui->lblExitScreenCaption, title);
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
    // A refusal is a message box; a referral shows only in the browser.
    if (web::referralProblem(values).isEmpty())
        announce(this, QStringLiteral("Referral page opened in your web browser"));
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

// Read raw: the plain text would turn no-break spaces into spaces and other
// separators into line feeds. The one thing the box itself puts in is the
// paragraph separator that ends each line, read as carriage return and line
// feed as the layout writes it. A paragraph separator (or a U+FDD0, which the
// document reserves) typed or pasted already became such a line end in the
// box, and cannot be told from one.
QString FrmExitScreen::messageText() const
{
    return ui->txtMessage->document()->toRawText().replace(QChar::ParagraphSeparator,
                                                           QLatin1String("\r\n"));
}

void FrmExitScreen::setMessageText(const QString &text)
{
    ui->txtMessage->setPlainText(text);
}

// A plain text box has no length limit of its own: what an edit adds beyond
// the limit comes off again, just before the caret when the user typed or
// pasted it there (Qt may report a whole line as changed), else at the end.
void FrmExitScreen::limitMessage(int position, int /*removed*/, int added)
{
    QTextDocument *document = ui->txtMessage->document();
    const int length = document->characterCount() - 1; // without the closing separator
    const int excess = length - web::maxBoxLength;
    if (excess <= 0 || added <= 0)
        return;
    const int caret = ui->txtMessage->textCursor().position();
    const bool atCaret = caret > position && caret <= position + added;
    const int end = atCaret ? caret : std::min(position + added, length);
    int start = std::max(position, end - excess);
    if (document->characterAt(start).isLowSurrogate())
        --start;
    QTextCursor cursor(document);
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    // Out of the undo history (which that clears): undoing the cut would bring
    // the excess back, only to have it cut again.
    document->setUndoRedoEnabled(false);
    cursor.removeSelectedText();
    document->setUndoRedoEnabled(true);
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
    } else if (event->type() == QEvent::KeyPress && watched == ui->txtMessage
               && static_cast<QKeyEvent *>(event)->matches(QKeySequence::InsertLineSeparator)) {
        // Shift+Enter ends the line as Enter does, so that the only separator
        // the box inserts by itself is the one sent as a line break.
        ui->txtMessage->insertPlainText(QStringLiteral("\n"));
        return true;
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
