#include "fakes.h"
#include "windowcheck.h"

#include "forms.h"
#include "frmabout.h"
#include "frmdisplay.h"
#include "frmexitscreen.h"
#include "frmmain.h"
#include "linklabel.h"
#include "pages.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include <cmath>

using namespace amorisk;
using namespace amorisk::testing;

namespace {

const std::vector<ControlRow> &mainControls()
{
    static const std::vector<ControlRow> table = {
            {"Frame2", "QFrame", "window", 0, 0, 7455, 615},
            {"Label61", "amorisk::LinkLabel", "Frame2", 120, 120, 7200, 465},
            {"cmdExit", "QPushButton", "window", 5040, 5640, 2085, 315},
            {"fraName", "QGroupBox", "window", 0, 1320, 7455, 2205},
            {"cmdNext", "QPushButton", "fraName", 4200, 1440, 3165, 645},
            {"Frame1", "QGroupBox", "fraName", 120, 240, 7245, 1005},
            {"txtFirstName", "QLineEdit", "Frame1", 600, 450, 1905, 345},
            {"txtMiddleName", "QLineEdit", "Frame1", 2625, 450, 1965, 345},
            {"txtLastName", "QLineEdit", "Frame1", 4710, 450, 1935, 345},
            {"Label1", "QLabel", "Frame1", 1200, 240, 795, 195, true},
            {"Label4", "QLabel", "Frame1", 3150, 240, 1095, 195, true},
            {"Label5", "QLabel", "Frame1", 5310, 240, 810, 195, true},
            {"fraBirthDay", "QGroupBox", "fraName", 120, 1440, 4005, 645},
            {"cboDate", "QComboBox", "fraBirthDay", 1800, 240, 855, 315},
            {"cboMonth", "QComboBox", "fraBirthDay", 120, 240, 1455, 315},
            {"cboYear", "QComboBox", "fraBirthDay", 2880, 240, 975, 315},
            {"Frame5", "QFrame", "window", 0, 3480, 7455, 855},
            {"lblCobrand", "amorisk::LinkLabel", "Frame5", 240, 160, 7065, 615},
            {"lblFullBrand", "amorisk::LinkLabel", "Frame5", 240, 160, 7065, 615},
            {"Label2", "QLabel", "window", 120, 720, 7215, 495},
    };
    return table;
}

const QByteArray themeName = QColor::fromRgba(themeColour).name().toLatin1();
const char *const theme = themeName.constData();

const std::vector<LookRow> &mainLook()
{
    static const std::vector<LookRow> table = {
            {"Frame2", "Verdana", 11, false, false, "", theme},
            {"Label61", "Verdana", 12, true, true, "#ffffff", ""},
            {"cmdExit", "Verdana", 11, false, false, "", "#7ca5e7"},
            {"fraName", "Verdana", 11, true, false, theme, "#ffffff"},
            {"cmdNext", "Verdana", 11, true, false, "", "#c0c0c0"},
            {"Frame1", "Verdana", 11, true, false, "#ffffff", theme},
            {"txtFirstName", "Verdana", 11, false, false, theme, "#ffffff"},
            {"txtMiddleName", "Verdana", 11, false, false, theme, "#ffffff"},
            {"txtLastName", "Verdana", 11, false, false, theme, "#ffffff"},
            {"Label1", "MS Sans Serif", 11, false, false, "#ffffff", ""},
            {"Label4", "MS Sans Serif", 11, false, false, "#ffffff", ""},
            {"Label5", "MS Sans Serif", 11, false, false, "#ffffff", ""},
            {"fraBirthDay", "Verdana", 11, true, false, "#ffffff", theme},
            {"cboDate", "Verdana", 11, false, false, theme, "#ffffff"},
            {"cboMonth", "Verdana", 11, false, false, theme, "#ffffff"},
            {"cboYear", "Verdana", 11, false, false, theme, "#ffffff"},
            {"Frame5", "Verdana", 11, false, false, "", theme},
            {"lblCobrand", "Verdana", 11, true, true, "#ffffff", theme},
            {"lblFullBrand", "Verdana", 11, true, true, "#ffffff", theme},
            {"Label2", "Verdana", 11, true, false, "#ffffc0", ""},
    };
    return table;
}

// A dark desktop scheme as an application palette (qt6ct's "darker").
QPalette darkPalette()
{
    const QRgb colours[]
            = {0xFFFFFFFF, 0xFF424245, 0xFF979797, 0xFF5E5C5B, 0xFF302F2E, 0xFF4A4947, 0xFFFFFFFF,
               0xFFFFFFFF, 0xFFFFFFFF, 0xFF3D3D3D, 0xFF222020, 0xFFE7E4E0, 0xFF12608A, 0xFFF9F9F9,
               0xFF0986D3, 0xFFA70B06, 0xFF5C5B5A, 0xFFFFFFFF, 0xFF3F3F36, 0xFFFFFFFF, 0x80FFFFFF};
    QPalette palette;
    for (int role = 0; role < QPalette::NColorRoles; ++role)
        palette.setColor(QPalette::ColorRole(role), QColor::fromRgba(colours[role]));
    return palette;
}

QWidget *loadWindow(FormId id)
{
    switch (id) {
    case FormId::frmMain:
        return Forms::load<FrmMain>();
    case FormId::frmDisplay:
        return Forms::load<FrmDisplay>();
    case FormId::frmAbout:
        return Forms::load<FrmAbout>();
    case FormId::frmExitScreen:
        return Forms::load<FrmExitScreen>();
    }
    return nullptr;
}

QImage clientAreaOf(FormId id)
{
    TestServices services;
    QWidget *window = loadWindow(id);
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return QImage();
    return clientArea(window)->grab().toImage();
}

QString frontOffer(FrmMain *window)
{
    QWidget *panel = in(window, "Frame5");
    QWidget *hit = panel->childAt(in(window, "lblCobrand")->geometry().center());
    return hit ? hit->objectName() : QString();
}

// The draw whose r * 6 + 1 is exactly the given value.
double drawGiving(double value)
{
    double r = (value - 1) / 6;
    for (int i = 0; i < 16 && r * 6 + 1 != value; ++i)
        r = std::nextafter(r, r * 6 + 1 < value ? 1.0 : 0.0);
    return r;
}

// The nearest draw whose r * 6 + 1 lies just above or just below the value.
double drawBeside(double value, bool above)
{
    double r = drawGiving(value);
    while (above ? r * 6 + 1 <= value : r * 6 + 1 >= value)
        r = std::nextafter(r, above ? 1.0 : 0.0);
    return r;
}

// What a screen reader on Linux announces a control as: the text of a caption
// that labels it and is not one of its own frames, else its name.
QString spokenName(QWidget *control)
{
    QAccessibleInterface *self = QAccessible::queryAccessibleInterface(control);
    for (const auto &[label, relation] : self->relations(QAccessible::Label)) {
        QWidget *labelWidget = qobject_cast<QWidget *>(label->object());
        if (labelWidget && !labelWidget->isAncestorOf(control))
            return label->text(QAccessible::Name);
    }
    return self->text(QAccessible::Name);
}

// Loads a window through its accessor and returns it.
QWidget *loadForm(FormId id)
{
    switch (id) {
    case FormId::frmMain:
        Forms::load<FrmMain>();
        break;
    case FormId::frmDisplay:
        Forms::load<FrmDisplay>();
        break;
    case FormId::frmAbout:
        Forms::load<FrmAbout>();
        break;
    case FormId::frmExitScreen:
        Forms::load<FrmExitScreen>();
        break;
    }
    return Forms::loadedWindow(id);
}

} // namespace

class TestFrmMain : public QObject
{
    Q_OBJECT

private slots:
    void controlsMatchTheLayout_data() { addRows(mainControls()); }
    void controlsMatchTheLayout()
    {
        TestServices services;
        QFETCH(int, row);
        checkControl(Forms::load<FrmMain>(), mainControls()[static_cast<std::size_t>(row)]);
    }

    void fontsAndColours_data() { addRows(mainLook()); }
    void fontsAndColours()
    {
        TestServices services;
        QFETCH(int, row);
        checkLook(Forms::load<FrmMain>(), mainLook()[static_cast<std::size_t>(row)]);
    }

    void windowFrameAndHiddenExitButton()
    {
        TestServices services;
        FrmMain *window = Forms::load<FrmMain>();
        checkFrame(window, QSize(497, 286));
        QCOMPARE(window->centralWidget()->palette().color(QPalette::Window), QColor(theme));
        auto *exit = in<QPushButton>(window, "cmdExit");
        QCOMPARE(exit->y() - window->centralWidget()->height(), 90);
        QVERIFY(!window->centralWidget()->rect().intersects(exit->geometry()));
        QVERIFY(exit->isVisible()); // outside the client area, yet still in the focus chain
        QCOMPARE(exit->text(), QStringLiteral("E&xit"));
    }

    void clientAreaIgnoresTheDesktopScheme_data()
    {
        QTest::addColumn<FormId>("window");
        QTest::newRow("frmMain") << FormId::frmMain;
        QTest::newRow("frmDisplay") << FormId::frmDisplay;
        QTest::newRow("frmAbout") << FormId::frmAbout;
        QTest::newRow("frmExitScreen") << FormId::frmExitScreen;
    }
    void clientAreaIgnoresTheDesktopScheme()
    {
        QFETCH(FormId, window);
        const QImage light = clientAreaOf(window);
        const QPalette before = QApplication::palette();
        QApplication::setPalette(darkPalette());
        const QImage dark = clientAreaOf(window);
        QApplication::setPalette(before);
        QVERIFY(!light.isNull());
        QCOMPARE(dark, light);
    }

    void programIcon()
    {
        TestServices services;
        checkProgramIcon(Forms::load<FrmMain>());
    }

    void creationOrderStacking()
    {
        TestServices services;
        FrmMain *window = Forms::load<FrmMain>();
        QCOMPARE(namedChildrenInOrder(window->centralWidget(),
                                      {"Frame2", "cmdExit", "fraName", "Frame5", "Label2"}),
                 QStringList({"Frame2", "cmdExit", "fraName", "Frame5", "Label2"}));
        QCOMPARE(namedChildrenInOrder(in(window, "fraName"), {"cmdNext", "Frame1", "fraBirthDay"}),
                 QStringList({"cmdNext", "Frame1", "fraBirthDay"}));
        QCOMPARE(
                namedChildrenInOrder(in(window, "fraBirthDay"), {"cboDate", "cboMonth", "cboYear"}),
                QStringList({"cboDate", "cboMonth", "cboYear"}));
        // The bottom panel overlaps the form frame and covers it there.
        QCOMPARE(window->centralWidget()->childAt(3, 233)->objectName(), QStringLiteral("Frame5"));
        QCOMPARE(frontOffer(window), QStringLiteral("lblFullBrand"));

        // Both offers are opaque: the one in front hides the other completely.
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        for (const char *name : {"lblCobrand", "lblFullBrand"}) {
            QWidget *offer = in(window, name);
            offer->raise();
            const QImage panel = in(window, "Frame5")->grab(offer->geometry()).toImage();
            QCOMPARE(panel, offer->grab().toImage());
        }
    }

    void tabOrder()
    {
        TestServices services;
        FrmMain *window = Forms::load<FrmMain>();
        QVERIFY(showAndActivate(window));
        QTRY_COMPARE(QApplication::focusWidget(), in(window, "txtFirstName"));
        QStringList visited;
        for (int i = 0; i < 11; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        // The links follow the window's own controls; the offer behind is passed by.
        QCOMPARE(visited,
                 QStringList({"txtMiddleName", "txtLastName", "cboMonth", "cboDate", "cboYear",
                              "cmdNext", "cmdExit", "Label61", frontOffer(window), "Label2",
                              "txtFirstName"}));
        QVERIFY(services.messages.shown.isEmpty());
    }

    void menus()
    {
        TestServices services;
        checkMenuBar(Forms::load<FrmMain>(), "nuFile",
                     {{"mnuNext", "Get My Romance Astrology Reading"}, {"mnuExit", "E&xit"}},
                     {{"mnuOnline", "&Online Help"},
                      {"mnuVisit", "&Visit Us Online"},
                      {"mnuFileSep1", "-"},
                      {"mnuUpdate", "&Check for Software Update"},
                      {"mnuFileSep2", "-"},
                      {"mnuAbout", "&About Software"}});
    }

    void initialContents()
    {
        TestServices services;
        FrmMain *window = Forms::load<FrmMain>();
        for (const char *name : {"txtFirstName", "txtMiddleName", "txtLastName"}) {
            auto *box = in<QLineEdit>(window, name);
            QVERIFY(box->text().isEmpty());
            QVERIFY(box->placeholderText().isEmpty());
        }
        QStringList days, years;
        for (int d = 1; d <= 31; ++d)
            days << QString::number(d);
        for (int y = 1900; y <= 2050; ++y)
            years << QString::number(y);
        const QStringList months
                = {"January", "February", "March",     "April",   "May",      "June",
                   "July",    "August",   "September", "October", "November", "December"};
        const std::pair<const char *, QStringList> lists[]
                = {{"cboDate", days}, {"cboMonth", months}, {"cboYear", years}};
        for (const auto &[name, items] : lists) {
            auto *list = in<QComboBox>(window, name);
            QStringList shown;
            for (int i = 0; i < list->count(); ++i)
                shown << list->itemText(i);
            QCOMPARE(shown, items);
            QCOMPARE(list->currentIndex(), 0);
            QVERIFY(!list->isEditable());
        }
        const std::pair<const char *, const char *> names[] = {{"txtFirstName", "First Name"},
                                                               {"txtMiddleName", "Middle Name"},
                                                               {"txtLastName", "Last Name"},
                                                               {"cboMonth", "Month"},
                                                               {"cboDate", "Day"},
                                                               {"cboYear", "Year"}};
        for (const auto &[name, accessible] : names) {
            QCOMPARE(in(window, name)->accessibleName(), QLatin1String(accessible));
            QCOMPARE(spokenName(in(window, name)), QLatin1String(accessible));
        }
        // A list's value is its chosen entry.
        for (const char *name : {"cboDate", "cboMonth", "cboYear"})
            QCOMPARE(QAccessible::queryAccessibleInterface(in(window, name))
                             ->text(QAccessible::Value),
                     in<QComboBox>(window, name)->currentText());
        QCOMPARE(in<QPushButton>(window, "cmdNext")->text(),
                 QStringLiteral("Get My Romance Astrology Reading"));
        QCOMPARE(in<QGroupBox>(window, "fraName")->title(),
                 QStringLiteral("Please Fill In The Below Details:"));
        QCOMPARE(in<QGroupBox>(window, "Frame1")->title(), QStringLiteral("Name"));
        QCOMPARE(in<QGroupBox>(window, "fraBirthDay")->title(), QStringLiteral("Date Of Birth"));
        QCOMPARE(in<QLabel>(window, "Label1")->text(), QStringLiteral(" First Name"));
        QCOMPARE(in<QLabel>(window, "Label4")->text(), QStringLiteral("Middle Name"));
        QCOMPARE(in<QLabel>(window, "Label5")->text(), QStringLiteral(" Last Name"));
    }

    void longCaptions()
    {
        TestServices services;
        FrmMain *window = Forms::load<FrmMain>();
        const QString forum = in<QLabel>(window, "Label61")->text();
        QCOMPARE(forum.size(), 115);
        QVERIFY(forum.contains(QStringLiteral("Zenthari Softwares")));
        QVERIFY(forum.endsWith(QUrl(web::siteBase()).host()));

        // One "&" on screen; the caption as written with "&&" has 185 characters.
        const QString cobrand = in<QLabel>(window, "lblCobrand")->text();
        QVERIFY(cobrand.startsWith(QStringLiteral("Co-brand this software for your site.")));
        QCOMPARE(cobrand.count(QLatin1Char('&')), 1);
        QCOMPARE(cobrand.size(), 184);
        QCOMPARE(QString(cobrand).replace(QLatin1Char('&'), QStringLiteral("&&")).size(), 185);

        const QString fullBrand = in<QLabel>(window, "lblFullBrand")->text();
        QCOMPARE(fullBrand.size(), 161);
        QVERIFY(fullBrand.startsWith(QStringLiteral("Home Business Opportunity.")));
        QVERIFY(fullBrand.endsWith(QStringLiteral("Click here for more details.")));

        for (const QString &text : {forum, cobrand, fullBrand})
            for (QChar c : text)
                QVERIFY(c.unicode() >= 32 && c.unicode() < 127);
    }

    void everyCaptionFits()
    {
        TestServices services;
        FrmMain *window = Forms::load<FrmMain>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        for (QLabel *label : window->findChildren<QLabel *>())
            QVERIFY2(captionFits(label), qPrintable(label->objectName()));
        // The reading command's caption is wider than the button: it wraps.
        auto *next = in<QPushButton>(window, "cmdNext");
        const QRect needed = next->fontMetrics().boundingRect(QRect(0, 0, next->width() - 4, 1000),
                                                              Qt::AlignCenter | Qt::TextWordWrap,
                                                              next->text());
        QVERIFY(needed.height() <= next->height() - 4);
        for (const char *name : {"fraName", "Frame1", "fraBirthDay"}) {
            auto *frame = in<QGroupBox>(window, name);
            QVERIFY(frame->fontMetrics().horizontalAdvance(frame->title()) < frame->width() - 16);
        }
    }

    void nameKeyFilter_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("messages");

        const int none = Qt::NoModifier;
        auto pass = [&](const char *row, const char *start, Qt::Key key, const QString &text,
                        int mods, const char *expected) {
            QTest::newRow(row) << QString::fromLatin1(start) << int(key) << text << mods
                               << QString::fromLatin1(expected) << 0;
        };
        auto refuse = [&](const char *row, Qt::Key key, const QString &text,
                          int mods = Qt::NoModifier) {
            QTest::newRow(row) << QStringLiteral("AB") << int(key) << text << mods
                               << QStringLiteral("AB") << 1;
        };
        pass("small a becomes A", "", Qt::Key_A, "a", none, "A");
        pass("small z becomes Z", "AB", Qt::Key_Z, "z", none, "ABZ");
        pass("capital M passes", "", Qt::Key_M, "M", Qt::ShiftModifier, "M");
        pass("capital A passes", "B", Qt::Key_A, "A", Qt::ShiftModifier, "BA");
        pass("space passes", "A", Qt::Key_Space, " ", none, "A ");
        pass("leading space passes", "", Qt::Key_Space, " ", none, " ");
        pass("backspace passes", "AB", Qt::Key_Backspace, "\b", none, "A");
        pass("enter passes", "AB", Qt::Key_Return, "\r", none, "AB");
        refuse("digit 0", Qt::Key_0, "0");
        refuse("digit 9", Qt::Key_9, "9");
        refuse("keypad digit 5", Qt::Key_5, "5", Qt::KeypadModifier);
        refuse("hyphen", Qt::Key_Minus, "-");
        refuse("apostrophe", Qt::Key_Apostrophe, "'");
        refuse("full stop", Qt::Key_Period, ".");
        refuse("code 64 at sign", Qt::Key_At, "@", Qt::ShiftModifier);
        refuse("code 91 bracket", Qt::Key_BracketLeft, "[");
        refuse("code 92 backslash", Qt::Key_Backslash, "\\");
        refuse("code 93 bracket", Qt::Key_BracketRight, "]");
        refuse("code 94 caret", Qt::Key_AsciiCircum, "^", Qt::ShiftModifier);
        refuse("code 95 underscore", Qt::Key_Underscore, "_", Qt::ShiftModifier);
        refuse("code 96 grave", Qt::Key_QuoteLeft, "`");
        refuse("code 123 brace", Qt::Key_BraceLeft, "{", Qt::ShiftModifier);
        refuse("code 126 tilde", Qt::Key_AsciiTilde, "~", Qt::ShiftModifier);
        refuse("e acute", Qt::Key_Eacute, QStringLiteral("\u00e9"));
        refuse("a umlaut", Qt::Key_Adiaeresis, QStringLiteral("\u00e4"));
        refuse("cyrillic letter", Qt::Key_unknown, QStringLiteral("\u0436"));
        refuse("escape, code 27", Qt::Key_Escape, "\x1b");
        refuse("control code 1", Qt::Key_A, "\x01", Qt::ControlModifier);
        refuse("control code 9 without Tab", Qt::Key_I, "\t", Qt::ControlModifier);
        refuse("ctrl V is code 22", Qt::Key_V, "v", Qt::ControlModifier);
        pass("Alt+Q types nothing", "AB", Qt::Key_Q, "q", Qt::AltModifier, "AB");
        pass("Alt+1 types nothing", "AB", Qt::Key_1, "1", Qt::AltModifier, "AB");
        pass("arrow types nothing", "AB", Qt::Key_Left, "", none, "AB");
    }
    void nameKeyFilter()
    {
        QFETCH(QString, start);
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(int, modifiers);
        QFETCH(QString, expected);
        QFETCH(int, messages);

        for (const char *name : {"txtFirstName", "txtMiddleName", "txtLastName"}) {
            TestServices services;
            QGuiApplication::clipboard()->setText(QStringLiteral("PASTED"));
            auto *box = in<QLineEdit>(Forms::load<FrmMain>(), name);
            box->setText(start);
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key(key), text,
                                Qt::KeyboardModifiers(modifiers));
            QCOMPARE(box->text(), expected);
            QCOMPARE(services.messages.shown.size(), messages);
            for (const ShownMessage &m : services.messages.shown) {
                QCOMPARE(m.text, QStringLiteral("Please Enter Only Alphabet"));
                QCOMPARE(m.icon, MessageIcon::Information);
                QCOMPARE(m.buttons, MessageButtons::Ok);
            }
        }
    }

    void typedNameComesOutInCapitals()
    {
        TestServices services;
        auto *box = in<QLineEdit>(Forms::load<FrmMain>(), "txtLastName");
        QTest::keyClicks(box, QStringLiteral("smith"));
        QCOMPARE(box->text(), QStringLiteral("SMITH"));
        QTest::keyClicks(box, QStringLiteral("o'neil-2"));
        QCOMPARE(box->text(), QStringLiteral("SMITHONEIL"));
        QCOMPARE(services.messages.shown.size(), 3);
    }

    void editingKeysWorkWithoutMessage()
    {
        TestServices services;
        FrmMain *window = Forms::load<FrmMain>();
        QVERIFY(showAndActivate(window));
        auto *box = in<QLineEdit>(window, "txtFirstName");
        box->setFocus();
        box->setText(QStringLiteral("AC"));
        QTest::keyClick(box, Qt::Key_Left);
        QTest::keyClick(box, Qt::Key_B);
        QCOMPARE(box->text(), QStringLiteral("ABC"));
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClick(box, Qt::Key_Delete);
        QCOMPARE(box->text(), QStringLiteral("BC"));
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QStringLiteral("B"));
        QTest::keyClick(box, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), in(window, "txtMiddleName"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), box);
        QVERIFY(services.messages.shown.isEmpty());
    }

    void coBrandRandomize_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<double>("halfway"); // 0 when r * 6 + 1 is not meant to be a half
        QTest::addColumn<QString>("front");  // empty: the stacking stays as it was

        const QString cobrand = QStringLiteral("lblCobrand");
        const QString full = QStringLiteral("lblFullBrand");
        for (int lower = 1; lower <= 6; ++lower) {
            const double half = lower + 0.5;
            const int even = lower % 2 == 0 ? lower : lower + 1;
            QTest::addRow("%g rounds to %d", half, even)
                    << drawGiving(half) << half << (even % 2 ? cobrand : full);
        }
        QTest::newRow("r = 0 gives 1") << 0.0 << 0.0 << cobrand;
        QTest::newRow("just below 1.5 gives 1") << drawGiving(1.49) << 0.0 << cobrand;
        QTest::newRow("just above 2.5 gives 3") << drawBeside(2.5, true) << 0.0 << cobrand;
        QTest::newRow("4.6 gives 5") << drawGiving(4.6) << 0.0 << cobrand;
        QTest::newRow("just below 4.5 gives 4") << drawBeside(4.5, false) << 0.0 << full;
        QTest::newRow("6.4 gives 6") << drawGiving(6.4) << 0.0 << full;
        QTest::newRow("just above 6.5 gives 7") << drawBeside(6.5, true) << 0.0 << QString();
        QTest::newRow("largest draw gives 7") << std::nextafter(1.0, 0.0) << 0.0 << QString();
    }
    void coBrandRandomize()
    {
        QFETCH(double, r);
        QFETCH(double, halfway);
        QFETCH(QString, front);
        if (halfway != 0)
            QCOMPARE(r * 6 + 1, halfway);

        for (const char *before : {"lblCobrand", "lblFullBrand"}) {
            TestServices services;
            FrmMain *window = Forms::load<FrmMain>();
            in(window, before)->raise();
            services.random.draws = {r};
            window->CoBrand_Randomize();
            QCOMPARE(frontOffer(window), front.isEmpty() ? QLatin1String(before) : front);
            QVERIFY(services.random.draws.empty());
        }
    }

    void linksOpenTheirPage_data()
    {
        addLinkRows();
        QTest::newRow("Label2") << "Label2" << web::PageKey::FullyBranded;
    }
    void linksOpenTheirPage()
    {
        TestServices services;
        checkLinkOpensItsPage(services, Forms::load<FrmMain>(), FormId::frmMain);
    }

    // Every caption that answers a click is, to assistive technology, a link
    // named by its caption whose press does what the click does; its window
    // is a window, not a filler.
    void captionsAreLinksToAssistiveTechnology_data()
    {
        QTest::addColumn<FormId>("form");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("key");
        for (auto [form, window] :
             {std::pair{FormId::frmMain, "frmMain"}, std::pair{FormId::frmDisplay, "frmDisplay"}}) {
            QTest::addRow("%s Label61", window) << form << "Label61" << web::PageKey::HomePage;
            QTest::addRow("%s lblCobrand", window) << form << "lblCobrand" << web::PageKey::CoBrand;
            QTest::addRow("%s lblFullBrand", window)
                    << form << "lblFullBrand" << web::PageKey::FullyBranded;
        }
        QTest::newRow("frmMain Label2")
                << FormId::frmMain << "Label2" << web::PageKey::FullyBranded;
        QTest::newRow("frmAbout lblCoBrand")
                << FormId::frmAbout << "lblCoBrand" << web::PageKey::FullyBranded;
        QTest::newRow("frmAbout lblHomePage")
                << FormId::frmAbout << "lblHomePage" << web::PageKey::HomePage;
        QTest::newRow("frmExitScreen lblGoToHome")
                << FormId::frmExitScreen << "lblGoToHome" << web::PageKey::SoftwareDownloads;
    }
    void captionsAreLinksToAssistiveTechnology()
    {
        QFETCH(FormId, form);
        QFETCH(QString, caption);
        QFETCH(QString, key);
        TestServices services;
        QWidget *window = loadForm(form);
        window->show();
        auto *label = in<QLabel>(window, caption);
        label->raise();

        QAccessibleInterface *link = QAccessible::queryAccessibleInterface(label);
        QCOMPARE(link->role(), QAccessible::Link);
        QCOMPARE(link->text(QAccessible::Name), label->text().simplified());
        QVERIFY(!link->state().invisible);
        // A caption takes the focus, and Enter on it does what a click does.
        QVERIFY(link->state().focusable);
        QTest::keyClick(label, Qt::Key_Return);
        QCOMPARE(services.opener.opened, QStringList{web::pageAddress(key)});
        QCOMPARE(link->actionInterface()->actionNames(),
                 QStringList{QAccessibleActionInterface::pressAction()});
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(services.opener.opened, QStringList(2, web::pageAddress(key)));
        QVERIFY(services.messages.shown.isEmpty());

        // The offer hidden behind this one is passed by, as the eye passes it by.
        for (auto *twin :
             label->parentWidget()->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly))
            if (twin != label && twin->geometry() == label->geometry()) {
                QVERIFY(QAccessible::queryAccessibleInterface(twin)->state().invisible);
                QCOMPARE(twin->focusPolicy(), Qt::NoFocus);
            }

        const QAccessible::Role role = QAccessible::queryAccessibleInterface(window)->role();
        QVERIFY2(role == QAccessible::Window || role == QAccessible::Dialog,
                 qPrintable(QString::number(role)));
    }

    void aboutOpensModally()
    {
        TestServices services;
        FrmMain *window = Forms::load<FrmMain>();
        window->show();
        in<QLineEdit>(window, "txtFirstName")->setText(QStringLiteral("ANNA"));
        bool wasModal = false;
        QTimer::singleShot(0, [&] {
            QWidget *about = Forms::loadedWindow(FormId::frmAbout);
            wasModal = about && QApplication::activeModalWidget() == about;
            Forms::unload(FormId::frmAbout);
        });
        ModalWatchdog watchdog;
        window->findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger();
        flushDeletes();
        QVERIFY(wasModal);
        QVERIFY(!Forms::isLoaded(FormId::frmAbout));
        QVERIFY(window->isVisible());
        QCOMPARE(in<QLineEdit>(window, "txtFirstName")->text(), QStringLiteral("ANNA"));
    }

    void exitShowsExitScreen_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("cmdExit button") << "button";
        QTest::newRow("mnuExit menu item") << "menu";
        QTest::newRow("close box") << "close";
        QTest::newRow("Alt+X") << "alt-x";
    }
    void exitShowsExitScreen()
    {
        QFETCH(QString, how);
        TestServices services;
        QPointer<FrmMain> window = Forms::load<FrmMain>();
        QVERIFY(showAndActivate(window));
        if (how == QLatin1String("button"))
            in<QPushButton>(window, "cmdExit")->click();
        else if (how == QLatin1String("menu"))
            window->findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
        else if (how == QLatin1String("close"))
            window->close();
        else
            QTest::keyClick(window, Qt::Key_X, Qt::AltModifier);

        // An access key clicks its button a moment later, as a click would look.
        QTRY_VERIFY(!Forms::isLoaded(FormId::frmMain));
        QVERIFY(Forms::isLoaded(FormId::frmExitScreen));
        QVERIFY(Forms::loadedWindow(FormId::frmExitScreen)->isVisible());
        QVERIFY(!Forms::isLoaded(FormId::frmDisplay));
        QVERIFY(services.exitCodes.isEmpty());
        flushDeletes();
        QVERIFY(window.isNull());
    }
};

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
