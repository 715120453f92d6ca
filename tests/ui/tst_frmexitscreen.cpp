#include "fakes.h"
#include "forms.h"
#include "frmexitscreen.h"
#include "modtellafriend.h"
#include "pages.h"
#include "version.h"
#include "windowcheck.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace amorisk;
using namespace amorisk::testing;

namespace {

const std::vector<ControlRow> &exitControls()
{
    static const std::vector<ControlRow> table = {
            {"Frame6", "QGroupBox", "window", 7320, 120, 3735, 4575},
            {"lblGoToHome", "amorisk::LinkLabel", "Frame6", 75, 4250, 3585, 210, true},
            {"Label3", "QLabel", "Frame6", 120, 360, 3495, 3855},
            {"Frame2", "QGroupBox", "window", 120, 3240, 7065, 1455},
            {"txtMessage", "QPlainTextEdit", "Frame2", 4800, 3600, 1815, 495},
            {"txtFriendName", "QLineEdit", "Frame2", 85, 720, 3375, 285},
            {"txtFriendEmail", "QLineEdit", "Frame2", 3600, 720, 3375, 285},
            {"txtEmail", "QLineEdit", "Frame2", 3600, 360, 3375, 285},
            {"cmdSubmit", "QPushButton", "Frame2", 1920, 1080, 3375, 285},
            {"txtName", "QLineEdit", "Frame2", 85, 360, 3375, 285},
            {"cmdClose", "QPushButton", "window", 6000, 2760, 1245, 375},
            {"Check1", "QCheckBox", "window", 30, 2040, 7185, 555},
            {"picExitScreenIcon", "QLabel", "window", 360, 120, 540, 540},
            {"Label2", "QLabel", "window", 120, 840, 6975, 1095},
            {"lblExitScreenCaption", "QLabel", "window", 1080, 240, 720, 435, true},
    };
    return table;
}

QString textOf(QWidget *box)
{
    if (auto *line = qobject_cast<QLineEdit *>(box))
        return line->text();
    return qobject_cast<QPlainTextEdit *>(box)->toPlainText();
}

void setTextOf(QWidget *box, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(box))
        line->setText(text);
    else
        qobject_cast<QPlainTextEdit *>(box)->setPlainText(text);
}

const QStringList referralBoxes
        = {"txtName", "txtEmail", "txtMessage", "txtFriendName", "txtFriendEmail"};

QStringList boxTexts(QWidget *screen)
{
    QStringList texts;
    for (const QString &name : referralBoxes)
        texts << textOf(in(screen, name));
    return texts;
}

// Loads the exit screen with the given draw from the random source.
FrmExitScreen *loadWithDraw(TestServices &fakes, double r)
{
    fakes.random.draws = {r};
    return Forms::load<FrmExitScreen>();
}

} // namespace

class TestFrmExitScreen : public QObject
{
    Q_OBJECT

private slots:
    void controlsFollowTheLayout_data();
    void controlsFollowTheLayout();
    void layoutTextsBeforeLoading();
    void loadingSetsTitleAndKeepsOnTop();
    void loadingShowsTheProgramIcon();
    void exitButtonHasFocusAndTabFollowsTheLayout();
    void promotionFollowsTheDraw_data();
    void promotionFollowsTheDraw();
    void fourPromotionsThatFit();
    void placeholdersOnEnteringAndLeaving_data();
    void placeholdersOnEnteringAndLeaving();
    void otherWindowsTakingFocusChangeNoBox();
    void spacesAreRefusedInAddresses_data();
    void spacesAreRefusedInAddresses();
    void pastedAddressKeepsItsSpace();
    void submitChecksTheForm_data();
    void submitChecksTheForm();
    void submitHandsOverStrippedValues_data();
    void submitHandsOverStrippedValues();
    void enterAndShiftEnterEndMessageLinesAlike();
    void pasteBeyondTheMessageLimitKeepsWhatFollows();
    void forumBoxOpensHomePageOnceAndStaysUnchecked_data();
    void forumBoxOpensHomePageOnceAndStaysUnchecked();
    void downloadsLinkOpensSoftwarePage();
    void closingEndsTheProgram_data();
    void closingEndsTheProgram();
};

void TestFrmExitScreen::controlsFollowTheLayout_data()
{
    addRows(exitControls());
}

void TestFrmExitScreen::controlsFollowTheLayout()
{
    QFETCH(int, row);
    TestServices fakes;
    FrmExitScreen *screen = Forms::load<FrmExitScreen>();
    const ControlRow &control = exitControls()[static_cast<std::size_t>(row)];
    checkControl(screen, control);

    QWidget *widget = in(screen, control.name);
    if (control.autoSize)
        QVERIFY2(widget->geometry().right() < widget->parentWidget()->width(),
                 "caption runs past its container");
    if (auto *label = qobject_cast<QLabel *>(widget); label && label->wordWrap())
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                 "wrapped text runs below its rectangle");
}

void TestFrmExitScreen::layoutTextsBeforeLoading()
{
    TestServices fakes;
    FrmExitScreen screen; // built from the layout alone, without the load step

    QCOMPARE(screen.windowTitle(), QStringLiteral("ABC"));
    QCOMPARE(in<QLabel>(&screen, "lblExitScreenCaption")->text(), QStringLiteral("ABC"));
    QVERIFY(!(screen.windowFlags() & Qt::WindowStaysOnTopHint));

    const QString appeal = in<QLabel>(&screen, "Label2")->text();
    QCOMPARE(appeal.size(), 211);
    QVERIFY2(appeal.startsWith("www.zenthari.com"), qPrintable(appeal));
    QCOMPARE(appeal.count("www.zenthari.com"), 3);

    const QString forum = in<QCheckBox>(&screen, "Check1")->text();
    QCOMPARE(forum.size(), 43);
    QVERIFY(forum.startsWith("Click Here To Visit ") && forum.contains("www.zenthari.com"));
    QVERIFY(!in<QCheckBox>(&screen, "Check1")->isChecked());
    QCOMPARE(in<QLabel>(&screen, "lblGoToHome")->text(),
             QStringLiteral("Click Here To Visit Zenthari Softwares"));
    QCOMPARE(in<QGroupBox>(&screen, "Frame6")->title(),
             QStringLiteral("Download Zenthari Softwares"));
    QCOMPARE(in<QGroupBox>(&screen, "Frame2")->title(), QStringLiteral("Refer A Friend"));
    QCOMPARE(in<QPushButton>(&screen, "cmdSubmit")->text(), QStringLiteral("Refer A Friend &Now"));
    QCOMPARE(in<QPushButton>(&screen, "cmdClose")->text(), QStringLiteral("E&xit"));

    // Two paragraphs, each a run of words; the run of spaces between them
    // shows as a paragraph break.
    const QStringList paragraphs = in<QLabel>(&screen, "Label3")->text().split("\n\n");
    QCOMPARE(paragraphs.size(), 2);
    QVERIFY(paragraphs.first().startsWith("If you have enjoyed this software"));
    for (const QString &paragraph : paragraphs)
        QVERIFY(!paragraph.contains("  ") && !paragraph.contains('\n'));

    const QStringList placeholders = {"Your Name", "Your Email Address", "Your Message",
                                      "Friend's Name", "Friend's Email Address"};
    for (int i = 0; i < referralBoxes.size(); ++i) {
        QWidget *box = in(&screen, referralBoxes[i]);
        QCOMPARE(box->accessibleName(), placeholders[i]);
        const QString expected = placeholders[i] + (i == 2 ? "\n" : "");
        QCOMPARE(textOf(box), expected);
    }
    QCOMPARE(in(&screen, "picExitScreenIcon")->accessibleName(), QStringLiteral("Amorisk"));

    // The message field sits below its frame's bottom edge, out of sight.
    QWidget *frame = in(&screen, "Frame2");
    QVERIFY(!frame->rect().intersects(in(&screen, "txtMessage")->geometry()));
}

void TestFrmExitScreen::loadingSetsTitleAndKeepsOnTop()
{
    TestServices fakes;
    FrmExitScreen *screen = Forms::load<FrmExitScreen>();

    QCOMPARE(screen->objectName(), QStringLiteral("frmExitScreen"));
    QCOMPARE(screen->windowTitle(), QStringLiteral(AMORISK_TITLE));
    auto *caption = in<QLabel>(screen, "lblExitScreenCaption");
    QCOMPARE(caption->text(), QStringLiteral(AMORISK_TITLE));
    QCOMPARE(caption->size(), caption->sizeHint());
    QVERIFY(screen->windowFlags() & Qt::WindowStaysOnTopHint);
    checkFixedSize(screen, QSize(741, 315));
    QVERIFY(!screen->isVisible());

    screen->show();
    QVERIFY(screen->windowFlags() & Qt::WindowStaysOnTopHint);
    checkCentred(screen);
}

void TestFrmExitScreen::loadingShowsTheProgramIcon()
{
    TestServices fakes;
    checkProgramIcon(Forms::load<FrmExitScreen>(), "picExitScreenIcon");
}

void TestFrmExitScreen::exitButtonHasFocusAndTabFollowsTheLayout()
{
    TestServices fakes;
    FrmExitScreen *screen = Forms::load<FrmExitScreen>();
    QVERIFY(showAndActivate(screen));

    const QStringList order = {"cmdClose",   "Check1",      "picExitScreenIcon", "txtName",
                               "cmdSubmit",  "txtEmail",    "txtFriendEmail",    "txtFriendName",
                               "txtMessage", "lblGoToHome", "cmdClose"};
    QCOMPARE(QApplication::focusWidget(), in(screen, order.first()));
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
    }
}

void TestFrmExitScreen::promotionFollowsTheDraw_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("index");

    QTest::newRow("0 gives the first") << 0.0 << 0;
    QTest::newRow("0.2499 gives the first") << 0.2499 << 0;
    QTest::newRow("0.25 gives the second") << 0.25 << 1;
    QTest::newRow("0.5 gives the third") << 0.5 << 2;
    QTest::newRow("0.9999 gives the last") << 0.9999 << 3;
    QTest::newRow("a draw of 1 stays on the last") << 1.0 << 3;
}

void TestFrmExitScreen::promotionFollowsTheDraw()
{
    QFETCH(double, r);
    QFETCH(int, index);
    TestServices fakes;

    const QString shown = in<QLabel>(loadWithDraw(fakes, r), "Label2")->text();
    QCOMPARE(fakes.random.seeds, 1);
    Forms::destroyAll();
    // The same text as a draw from the middle of that index's quarter.
    const QString reference
            = in<QLabel>(loadWithDraw(fakes, index * 0.25 + 0.125), "Label2")->text();
    QCOMPARE(shown, reference);
}

void TestFrmExitScreen::fourPromotionsThatFit()
{
    TestServices fakes;
    QStringList texts;
    for (double r : {0.1, 0.3, 0.6, 0.9}) {
        auto *label = in<QLabel>(loadWithDraw(fakes, r), "Label2");
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                 qPrintable(label->text()));
        texts << label->text();
        Forms::destroyAll();
    }
    QVERIFY(texts[0].startsWith("Zenthari Softwares, such as this can be created"));
    texts.removeDuplicates();
    QCOMPARE(texts.size(), 4);
}

void TestFrmExitScreen::placeholdersOnEnteringAndLeaving_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("before"); // null: as the layout created it
    QTest::addColumn<QString>("afterEntry");
    QTest::addColumn<QString>("leaveWith"); // null: leave it as it is
    QTest::addColumn<QString>("afterLeaving");

    const QString asCreated;
    const QString untouched;
    QTest::newRow("name placeholder emptied and restored")
            << "txtName" << asCreated << "" << untouched << "Your Name";
    QTest::newRow("e-mail placeholder emptied and restored")
            << "txtEmail" << asCreated << "" << untouched << "Your Email Address";
    QTest::newRow("friend's name placeholder emptied and restored")
            << "txtFriendName" << asCreated << "" << untouched << "Friend's Name";
    QTest::newRow("friend's e-mail placeholder emptied and restored")
            << "txtFriendEmail" << asCreated << "" << untouched << "Friend's Email Address";
    QTest::newRow("placeholder between spaces is still the placeholder")
            << "txtName"
            << "  Your Name "
            << "" << untouched << "Your Name";
    QTest::newRow("placeholder in other letter case is kept")
            << "txtName"
            << "your name"
            << "your name" << untouched << "your name";
    QTest::newRow("placeholder after a tab is kept") << "txtName"
                                                     << "\tYour Name"
                                                     << "\tYour Name" << untouched << "\tYour Name";
    QTest::newRow("own text kept") << "txtEmail" << asCreated << ""
                                   << "ann@example.org"
                                   << "ann@example.org";
    QTest::newRow("spaces only give the placeholder back") << "txtFriendName" << asCreated << ""
                                                           << "   "
                                                           << "Friend's Name";
    QTest::newRow("message as created is not emptied")
            << "txtMessage" << asCreated << "Your Message\n"
            << untouched << "Your Message\n";
    QTest::newRow("message emptied and left gets the bare placeholder")
            << "txtMessage" << asCreated << "Your Message\n"
            << ""
            << "Your Message";
    QTest::newRow("message placeholder emptied on entry") << "txtMessage"
                                                          << "Your Message"
                                                          << "" << untouched << "Your Message";
}

void TestFrmExitScreen::placeholdersOnEnteringAndLeaving()
{
    QFETCH(QString, box);
    QFETCH(QString, before);
    QFETCH(QString, afterEntry);
    QFETCH(QString, leaveWith);
    QFETCH(QString, afterLeaving);
    TestServices fakes;
    FrmExitScreen *screen = Forms::load<FrmExitScreen>();
    QVERIFY(showAndActivate(screen));
    QWidget *field = in(screen, box);

    if (!before.isNull())
        setTextOf(field, before);
    field->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), field);
    // Emptied just after the focus event, which a screen reader hears first.
    QTRY_COMPARE(textOf(field), afterEntry);
    if (!leaveWith.isNull())
        setTextOf(field, leaveWith);
    in(screen, "cmdClose")->setFocus(Qt::TabFocusReason);
    QCOMPARE(textOf(field), afterLeaving);
}

void TestFrmExitScreen::otherWindowsTakingFocusChangeNoBox()
{
    TestServices fakes;
    FrmExitScreen *screen = Forms::load<FrmExitScreen>();
    QVERIFY(showAndActivate(screen));
    auto *name = in<QLineEdit>(screen, "txtName");
    name->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(name->text(), QString());

    // What a message box or a switch to another program sends the field.
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(name, &away);
    QCOMPARE(name->text(), QString());
    name->setText("Your Name");
    QFocusEvent back(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(name, &back);
    QCOMPARE(name->text(), QStringLiteral("Your Name"));
}

void TestFrmExitScreen::spacesAreRefusedInAddresses_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("messages");

    QTest::newRow("own address") << "txtEmail"
                                 << "ann@example.org" << 1;
    QTest::newRow("friend's address") << "txtFriendEmail"
                                      << "ann@example.org" << 1;
    QTest::newRow("a name may hold a space") << "txtName"
                                             << "ann @example.org" << 0;
}

void TestFrmExitScreen::spacesAreRefusedInAddresses()
{
    QFETCH(QString, box);
    QFETCH(QString, expected);
    QFETCH(int, messages);
    TestServices fakes;
    FrmExitScreen *screen = Forms::load<FrmExitScreen>();
    QVERIFY(showAndActivate(screen));
    QWidget *field = in(screen, box);
    field->setFocus(Qt::TabFocusReason);
    // A real message box takes the focus away while it is up.
    fakes.messages.onShow = [screen](const testing::ShownMessage &) {
        in(screen, "cmdClose")->setFocus(Qt::OtherFocusReason);
    };

    QTest::keyClicks(field, "ann @example.org");

    QCOMPARE(textOf(field), expected);
    QCOMPARE(fakes.messages.shown.size(), messages);
    for (const auto &shown : fakes.messages.shown) {
        QCOMPARE(shown.text, QStringLiteral("Email Address Cannot Contain Space"));
        QCOMPARE(shown.icon, MessageIcon::Critical);
    }
    QCOMPARE(QApplication::focusWidget(), field);
}

void TestFrmExitScreen::pastedAddressKeepsItsSpace()
{
    TestServices fakes;
    FrmExitScreen *screen = Forms::load<FrmExitScreen>();
    QVERIFY(showAndActivate(screen));
    auto *email = in<QLineEdit>(screen, "txtEmail");
    email->setFocus(Qt::TabFocusReason);

    QApplication::clipboard()->setText("ann lee@example.org");
    QTest::keyClick(email, Qt::Key_V, Qt::ControlModifier);

    QCOMPARE(email->text(), QStringLiteral("ann lee@example.org"));
    QVERIFY(fakes.messages.shown.isEmpty());
}

void TestFrmExitScreen::submitChecksTheForm_data()
{
    QTest::addColumn<QStringList>("texts"); // in the order of referralBoxes; null keeps the box
    QTest::addColumn<QString>("message");   // empty: the referral page opens

    // One row per kind of answer: the address rules themselves are
    // submitProblem's, checked row by row in tst_referral.
    const QString keep;
    QTest::newRow("untouched form")
            << QStringList{keep, keep, keep, keep, keep} << "Please Enter Proper Email Address";
    QTest::newRow("same addresses") << QStringList{"Ann", "a@b.org", keep, "Bob", "a@b.org"}
                                    << "Please Enter Distinct Email Addresses";
    QTest::newRow("same addresses apart from spaces around")
            << QStringList{"Ann", "  a@b.org ", keep, "Bob", "a@b.org"}
            << "Please Enter Distinct Email Addresses";
    QTest::newRow("name left at placeholder")
            << QStringList{keep, "a@b.org", keep, "Bob", "c@d.org"} << "Please Enter Your Name";
    QTest::newRow("friend's name left at placeholder")
            << QStringList{"Ann", "a@b.org", keep, keep, "c@d.org"}
            << "Please Enter Your Friend's Name";
    QTest::newRow("message emptied to its placeholder")
            << QStringList{"Ann", "a@b.org", "Your Message", "Bob", "c@d.org"}
            << "Please Enter Your Message";
    QTest::newRow("everything filled")
            << QStringList{"Ann", "a@b.org", "Hello", "Bob", "c@d.org"} << "";
}

void TestFrmExitScreen::submitChecksTheForm()
{
    QFETCH(QStringList, texts);
    QFETCH(QString, message);
    TestServices fakes;
    FrmExitScreen *screen = Forms::load<FrmExitScreen>();
    for (int i = 0; i < referralBoxes.size(); ++i) {
        if (!texts[i].isNull())
            setTextOf(in(screen, referralBoxes[i]), texts[i]);
    }
    const QStringList before = boxTexts(screen);

    in<QPushButton>(screen, "cmdSubmit")->click();

    if (message.isEmpty()) {
        QVERIFY2(fakes.messages.shown.isEmpty(), qPrintable(fakes.messages.texts().join(", ")));
        QCOMPARE(fakes.opener.opened.size(), 1);
        QVERIFY(fakes.opener.opened.first().startsWith(web::pageAddress("qorv-refer-a-friend")));
    } else {
        QCOMPARE(fakes.messages.texts(), QStringList{message});
        QCOMPARE(fakes.messages.shown.first().icon, MessageIcon::Critical);
        QVERIFY(fakes.opener.opened.isEmpty());
    }
    QCOMPARE(boxTexts(screen), before);
    QVERIFY(Forms::isLoaded(FormId::frmExitScreen));
}

void TestFrmExitScreen::submitHandsOverStrippedValues_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>(
            "values"); // name, e-mail, message, friend's name, friend's e-mail

    const QString keep;
    QTest::newRow("untouched form, although the check fails")
            << QStringList{keep, keep, keep, keep, keep}
            << QStringList{"Your Name", "Your Email Address", "Your Message\r\n", "Friend's Name",
                           "Friend's Email Address"};
    QTest::newRow("only spaces stripped, and only at the ends")
            << QStringList{"  Ann  Lee\t ", " a@b.org", keep, "\tBob ", "c@d.org  "}
            << QStringList{"Ann  Lee\t", "a@b.org", "Your Message\r\n", "\tBob", "c@d.org"};
    QTest::newRow("message lines end in carriage return and line feed")
            << QStringList{"Ann", "a@b.org", " Hi\nthere ", "Bob", "c@d.org"}
            << QStringList{"Ann", "a@b.org", "Hi\r\nthere", "Bob", "c@d.org"};
    QTest::newRow("no-break spaces in the message kept, not stripped")
            << QStringList{"Ann", "a@b.org", QStringLiteral(" \u00a0Hi\u00a0there\u00a0 "), "Bob",
                           "c@d.org"}
            << QStringList{"Ann", "a@b.org", QStringLiteral("\u00a0Hi\u00a0there\u00a0"), "Bob",
                           "c@d.org"};
    QTest::newRow("line separator in the message kept")
            << QStringList{"Ann", "a@b.org", QStringLiteral("Hi\u2028there"), "Bob", "c@d.org"}
            << QStringList{"Ann", "a@b.org", QStringLiteral("Hi\u2028there"), "Bob", "c@d.org"};
    // The box's document holds U+FDD0 as a frame mark and U+2029 as its own
    // line end: both arrive in it as a line break, and are sent as one.
    QTest::newRow("U+FDD0 and U+2029 in the message are line breaks in the box")
            << QStringList{"Ann", "a@b.org", QStringLiteral("Hi\ufdd0there\u2029all"), "Bob",
                           "c@d.org"}
            << QStringList{"Ann", "a@b.org", "Hi\r\nthere\r\nall", "Bob", "c@d.org"};
    QTest::newRow("no box takes more than 1,000 characters")
            << QStringList{QString(1200, 'n'), QString(1200, 'e'), QString(1200, 'm'),
                           QString(1200, 'f'), QString(1200, 'g')}
            << QStringList{QString(1000, 'n'), QString(1000, 'e'), QString(1000, 'm'),
                           QString(1000, 'f'), QString(1000, 'g')};
}

void TestFrmExitScreen::submitHandsOverStrippedValues()
{
    QFETCH(QStringList, texts);
    QFETCH(QStringList, values);
    TestServices fakes;
    FrmExitScreen *screen = Forms::load<FrmExitScreen>();
    for (int i = 0; i < referralBoxes.size(); ++i) {
        if (!texts[i].isNull())
            setTextOf(in(screen, referralBoxes[i]), texts[i]);
    }
    modTellAFriend::values() = {};

    in<QPushButton>(screen, "cmdSubmit")->click();

    const web::ReferralValues &held = modTellAFriend::values();
    QCOMPARE(QStringList({held.name, held.email, held.message, held.friendName, held.friendEmail}),
             values);
}

void TestFrmExitScreen::enterAndShiftEnterEndMessageLinesAlike()
{
    TestServices fakes;
    FrmExitScreen *screen = Forms::load<FrmExitScreen>();
    QVERIFY(showAndActivate(screen));
    auto *message = in<QPlainTextEdit>(screen, "txtMessage");
    message->setFocus(Qt::TabFocusReason);
    message->clear();

    QTest::keyClicks(message, "Hi");
    QTest::keyClick(message, Qt::Key_Return);
    QTest::keyClicks(message, "there");
    QTest::keyClick(message, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(message, "all");
    in<QPushButton>(screen, "cmdSubmit")->click();

    QCOMPARE(modTellAFriend::values().message, QStringLiteral("Hi\r\nthere\r\nall"));
}

void TestFrmExitScreen::pasteBeyondTheMessageLimitKeepsWhatFollows()
{
    TestServices fakes;
    FrmExitScreen *screen = Forms::load<FrmExitScreen>();
    QVERIFY(showAndActivate(screen));
    auto *message = in<QPlainTextEdit>(screen, "txtMessage");
    message->setFocus(Qt::TabFocusReason);
    message->setPlainText(QString(995, 'a') + "END");

    QApplication::clipboard()->setText("1234567890");
    QTest::keyClick(message, Qt::Key_V, Qt::ControlModifier);

    QCOMPARE(message->document()->toRawText(), "12" + QString(995, 'a') + "END");
}

void TestFrmExitScreen::forumBoxOpensHomePageOnceAndStaysUnchecked_data()
{
    QTest::addColumn<int>("clicks");
    QTest::addColumn<bool>("byKeyboard");

    QTest::newRow("one click") << 1 << false;
    QTest::newRow("two clicks") << 2 << false;
    QTest::newRow("space bar") << 1 << true;
}

void TestFrmExitScreen::forumBoxOpensHomePageOnceAndStaysUnchecked()
{
    QFETCH(int, clicks);
    QFETCH(bool, byKeyboard);
    TestServices fakes;
    FrmExitScreen *screen = Forms::load<FrmExitScreen>();
    QVERIFY(showAndActivate(screen));
    auto *forum = in<QCheckBox>(screen, "Check1");
    QCOMPARE(forum->cursor().shape(), Qt::PointingHandCursor);

    for (int i = 0; i < clicks; ++i) {
        if (byKeyboard) {
            forum->setFocus();
            QTest::keyClick(forum, Qt::Key_Space);
        } else {
            // Anywhere on the button face, far from where a check mark would be.
            QTest::mouseClick(forum, Qt::LeftButton, {}, QPoint(forum->width() - 10, 10));
        }
        QVERIFY(!forum->isChecked());
    }
    QCOMPARE(fakes.opener.opened, QStringList(clicks, web::pageAddress("home-page")));
}

void TestFrmExitScreen::downloadsLinkOpensSoftwarePage()
{
    TestServices fakes;
    FrmExitScreen *screen = Forms::load<FrmExitScreen>();
    QVERIFY(showAndActivate(screen));

    QTest::mouseClick(in(screen, "lblGoToHome"), Qt::LeftButton, {}, QPoint(4, 4));

    QCOMPARE(fakes.opener.opened, QStringList{web::pageAddress("zentharisoftwares")});
    QVERIFY(screen->isVisible());
}

void TestFrmExitScreen::closingEndsTheProgram_data()
{
    QTest::addColumn<bool>("closeBox");

    QTest::newRow("exit button") << false;
    QTest::newRow("close box") << true;
}

void TestFrmExitScreen::closingEndsTheProgram()
{
    QFETCH(bool, closeBox);
    TestServices fakes;
    QPointer<FrmExitScreen> screen = Forms::load<FrmExitScreen>();
    QVERIFY(showAndActivate(screen));

    if (closeBox)
        screen->close();
    else
        QTest::mouseClick(in(screen, "cmdClose"), Qt::LeftButton);

    QCOMPARE(fakes.exitCodes, QList<int>{0});
    QVERIFY(applicationEnded());
    QVERIFY(!Forms::isLoaded(FormId::frmExitScreen));
    testing::flushDeletes();
    QVERIFY(screen.isNull());
}

QTEST_MAIN(TestFrmExitScreen)
#include "tst_frmexitscreen.moc"
