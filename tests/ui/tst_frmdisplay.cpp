#include "fakes.h"
#include "windowcheck.h"

#include "forms.h"
#include "frmdisplay.h"
#include "frmmain.h"
#include "pages.h"
#include "signpicturelist.h"
#include "signtable.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QtTest>

using namespace amorisk;
using namespace amorisk::testing;

namespace {

const std::vector<ControlRow> &displayControls()
{
    static const std::vector<ControlRow> table = {
            {"SSTab1", "QTabWidget", "window", 0, 600, 7935, 5775},
            {"Frame4", "QFrame", "SSTab1:0", 0, 360, 7920, 5415},
            {"picSunSign", "QLabel", "Frame4", 4680, 160, 3000, 3000},
            {"txtSunSignNegativeTraits", "QPlainTextEdit", "Frame4", 240, 4440, 7455, 855},
            {"txtSunSignPositiveTraits", "QPlainTextEdit", "Frame4", 240, 3240, 7455, 900},
            {"lblSunSign", "QLabel", "Frame4", 1920, 360, 1125, 240, true},
            {"Label15", "QLabel", "Frame4", 240, 360, 1350, 195, true},
            {"Label10", "QLabel", "Frame4", 240, 4200, 1500, 195, true},
            {"lblSunSignElement", "QLabel", "Frame4", 1920, 800, 1020, 195, true},
            {"Label11", "QLabel", "Frame4", 240, 800, 795, 195, true},
            {"Label13", "QLabel", "Frame4", 240, 3000, 1410, 195, true},
            {"lblSunSignNumber", "QLabel", "Frame4", 1920, 1680, 1020, 195, true},
            {"Label17", "QLabel", "Frame4", 240, 2560, 1290, 195, true},
            {"lblSunSignDay", "QLabel", "Frame4", 1920, 2120, 1020, 195, true},
            {"lblSunSignCompatibility", "QLabel", "Frame4", 1920, 2560, 1020, 195, true},
            {"Label21", "QLabel", "Frame4", 240, 2120, 1005, 195, true},
            {"Label23", "QLabel", "Frame4", 240, 1680, 1395, 195, true},
            {"Label27", "QLabel", "Frame4", 240, 1240, 1005, 195, true},
            {"lblSunSignBirthStone", "QLabel", "Frame4", 1920, 1240, 1020, 195, true},
            {"Frame3", "QFrame", "SSTab1:1", 0, 360, 7920, 5415},
            {"txtLoveProfile", "QPlainTextEdit", "Frame3", 240, 2040, 7455, 2265},
            {"Label1", "QLabel", "Frame3", 1890, 1560, 4140, 270, true},
            {"Frame2", "QFrame", "window", 0, 0, 7920, 615},
            {"Label61", "amorisk::LinkLabel", "Frame2", 120, 120, 7800, 465},
            {"Frame5", "QFrame", "window", 0, 6360, 7920, 855},
            {"cmdBack", "QPushButton", "Frame5", 6600, 280, 1215, 375},
            {"lblFullBrand", "amorisk::LinkLabel", "Frame5", 120, 160, 6105, 615},
            {"lblCobrand", "amorisk::LinkLabel", "Frame5", 120, 165, 6105, 615},
    };
    return table;
}

const QByteArray themeName = QColor::fromRgba(themeColour).name().toLatin1();
const char *const theme = themeName.constData();
const char fieldColour[] = "#400040";

const std::vector<LookRow> &displayLook()
{
    static const std::vector<LookRow> table = {
            {"Frame4", "Verdana", 11, false, false, "", "#ffffff"},
            {"txtSunSignNegativeTraits", "Verdana", 11, false, false, "#ffffff", theme},
            {"txtSunSignPositiveTraits", "Verdana", 11, false, false, "#ffffff", theme},
            {"lblSunSign", "Verdana", 13, true, false, "#c00000", ""},
            {"Label15", "Verdana", 11, true, true, fieldColour, ""},
            {"Label10", "Verdana", 11, true, true, fieldColour, ""},
            {"lblSunSignElement", "Verdana", 11, true, false, theme, ""},
            {"Label11", "Verdana", 11, true, true, fieldColour, ""},
            {"Label13", "Verdana", 11, true, true, fieldColour, ""},
            {"lblSunSignNumber", "Verdana", 11, true, false, theme, ""},
            {"Label17", "Verdana", 11, true, true, fieldColour, ""},
            {"lblSunSignDay", "Verdana", 11, true, false, theme, ""},
            {"lblSunSignCompatibility", "Verdana", 11, true, false, theme, ""},
            {"Label21", "Verdana", 11, true, true, fieldColour, ""},
            {"Label23", "Verdana", 11, true, true, fieldColour, ""},
            {"Label27", "Verdana", 11, true, true, fieldColour, ""},
            {"lblSunSignBirthStone", "Verdana", 11, true, false, theme, ""},
            {"Frame3", "Verdana", 11, false, false, "", "#ffffff"},
            {"txtLoveProfile", "Verdana", 11, false, false, "#ffffff", theme},
            {"Label1", "Verdana", 15, true, true, "#800080", ""},
            {"Frame2", "Verdana", 11, false, false, "", theme},
            {"Label61", "Verdana", 12, true, true, "#ffffff", ""},
            {"Frame5", "Verdana", 11, false, false, "", theme},
            {"cmdBack", "Verdana", 11, true, false, "", "#c0c0c0"},
            {"lblFullBrand", "Verdana", 11, true, true, "#ffffff", theme},
            {"lblCobrand", "Verdana", 11, true, true, "#ffffff", theme},
    };
    return table;
}

const char *const valueCaptions[]
        = {"lblSunSign",    "lblSunSignElement",       "lblSunSignNumber",
           "lblSunSignDay", "lblSunSignCompatibility", "lblSunSignBirthStone"};
const char *const textBoxes[]
        = {"txtSunSignPositiveTraits", "txtSunSignNegativeTraits", "txtLoveProfile"};

} // namespace

class TestFrmDisplay : public QObject
{
    Q_OBJECT

private slots:
    void controlsMatchTheLayout_data() { addRows(displayControls()); }
    void controlsMatchTheLayout()
    {
        TestServices services;
        QFETCH(int, row);
        FrmDisplay *window = Forms::load<FrmDisplay>();
        window->show(); // the tab pages take their place when shown
        QVERIFY(QTest::qWaitForWindowExposed(window));
        checkControl(window, displayControls()[static_cast<std::size_t>(row)]);
    }

    void fontsAndColours_data() { addRows(displayLook()); }
    void fontsAndColours()
    {
        TestServices services;
        QFETCH(int, row);
        checkLook(Forms::load<FrmDisplay>(), displayLook()[static_cast<std::size_t>(row)]);
    }

    void windowFrame()
    {
        TestServices services;
        checkFrame(Forms::load<FrmDisplay>(), QSize(528, 481));
    }

    void programIcon()
    {
        TestServices services;
        checkProgramIcon(Forms::load<FrmDisplay>());
    }

    // A scroll bar given the classic palette shares it: a merged copy would
    // put new entries into the style's pixmap cache for every reading.
    void scrollBarsShareTheClassicPalette()
    {
        TestServices services;
        const auto *box = in<QPlainTextEdit>(Forms::load<FrmDisplay>(), "txtLoveProfile");
        QCOMPARE(box->verticalScrollBar()->palette().cacheKey(), classicPalette().cacheKey());
    }

    void stackingAndOverlaps()
    {
        TestServices services;
        FrmDisplay *window = Forms::load<FrmDisplay>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QWidget *client = window->centralWidget();
        QCOMPARE(namedChildrenInOrder(client, {"SSTab1", "Frame2", "Frame5"}),
                 QStringList({"SSTab1", "Frame2", "Frame5"}));
        // The panels overlap the tab control by one pixel and cover it there.
        QCOMPARE(client->childAt(100, 40)->objectName(), QStringLiteral("Frame2"));
        QCOMPARE(client->childAt(100, 424)->objectName(), QStringLiteral("Frame5"));
        // The co-branding offer is created last, so it is the one in front,
        // and it is opaque: nothing of the other offer shows through.
        QWidget *panel = in(window, "Frame5");
        QWidget *cobrand = in(window, "lblCobrand");
        QCOMPARE(panel->childAt(cobrand->geometry().center()), cobrand);
        QCOMPARE(panel->grab(cobrand->geometry()).toImage(), cobrand->grab().toImage());
    }

    void tabControl()
    {
        TestServices services;
        FrmDisplay *window = Forms::load<FrmDisplay>();
        auto *tabs = in<QTabWidget>(window, "SSTab1");
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Sun Sign Profile"));
        QCOMPARE(tabs->tabText(1), QStringLiteral(" Romance Profile"));
        QVERIFY(tabs->tabIcon(0).isNull() && tabs->tabIcon(1).isNull());
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(tabs->tabBar()->height(), 20);

        QVERIFY(in(window, "picSunSign")->isVisible());
        QVERIFY(!in(window, "txtLoveProfile")->isVisible());
        tabs->setCurrentIndex(1);
        QVERIFY(!in(window, "picSunSign")->isVisible());
        QVERIFY(!in(window, "lblSunSign")->isVisible());
        QVERIFY(in(window, "txtLoveProfile")->isVisible());
        tabs->setCurrentIndex(0);
        QVERIFY(in(window, "picSunSign")->isVisible());
    }

    void initialContents()
    {
        TestServices services;
        FrmDisplay *window = Forms::load<FrmDisplay>();
        for (const char *name : valueCaptions)
            QCOMPARE(in<QLabel>(window, name)->text(), QStringLiteral("lblSunSign"));
        const std::pair<const char *, const char *> fields[]
                = {{"Label15", "Your Sun Sign"},
                   {"Label10", "Negative Traits"},
                   {"Label11", "Element"},
                   {"Label13", "Positive Traits"},
                   {"Label17", "Compatibility"},
                   {"Label21", "Lucky Day"},
                   {"Label23", "Lucky Number"},
                   {"Label27", "Birthstone"},
                   {"Label1", "More About Your Romance Profile"}};
        for (const auto &[name, caption] : fields)
            QCOMPARE(in<QLabel>(window, name)->text(), QLatin1String(caption));
        const char *const accessible[] = {"Positive Traits", "Negative Traits", "Romance Profile"};
        for (int i = 0; i < 3; ++i) {
            auto *box = in<QPlainTextEdit>(window, textBoxes[i]);
            QVERIFY(box->toPlainText().isEmpty());
            QVERIFY(box->isReadOnly());
            QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            QCOMPARE(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
            QCOMPARE(box->accessibleName(), QLatin1String(accessible[i]));
        }
        QCOMPARE(in<QPushButton>(window, "cmdBack")->text(), QStringLiteral("&Back"));

        // The picture of position 11 until a reading replaces it.
        const QImage shown = in<QLabel>(window, "picSunSign")->pixmap().toImage();
        QVERIFY2(!shown.isNull(), "no initial picture");
        QCOMPARE(shown, SignPictureList().picture(11).toImage());
    }

    void sameOffersAsTheInputWindow()
    {
        TestServices services;
        FrmDisplay *display = Forms::load<FrmDisplay>();
        FrmMain *main = Forms::load<FrmMain>();
        for (const char *name : {"Label61", "lblCobrand", "lblFullBrand"})
            QCOMPARE(in<QLabel>(display, name)->text(), in<QLabel>(main, name)->text());
        QVERIFY(!in<QLabel>(display, "lblCobrand")->text().isEmpty());
    }

    void everyCaptionFits()
    {
        TestServices services;
        FrmDisplay *window = Forms::load<FrmDisplay>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        for (QLabel *label : window->findChildren<QLabel *>())
            QVERIFY2(captionFits(label), qPrintable(label->objectName()));
    }

    void backButtonHasTheFocusAndTabOrder()
    {
        TestServices services;
        FrmDisplay *window = Forms::load<FrmDisplay>();
        QVERIFY(showAndActivate(window));
        QTRY_COMPARE(QApplication::focusWidget(), in(window, "cmdBack"));
        QStringList visited;
        for (int i = 0; i < 7; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *focus = QApplication::focusWidget();
            // The tab control takes the focus on its row of tabs.
            if (qobject_cast<QTabBar *>(focus))
                focus = focus->parentWidget();
            visited << focus->objectName();
        }
        QCOMPARE(visited,
                 QStringList({"SSTab1", "txtSunSignPositiveTraits", "txtSunSignNegativeTraits",
                              "picSunSign", "Label61", "lblCobrand", "cmdBack"}));
    }

    void menus()
    {
        TestServices services;
        checkMenuBar(Forms::load<FrmDisplay>(), "mnuFile",
                     {{"mnuBack", "Back"}, {"mnuExit", "E&xit"}},
                     {{"mnuOnline", "&Online Help"},
                      {"mnuVisit", "&Visit Us Online"},
                      {"mnuSep1", "-"},
                      {"mnuUpdate", "Check for Software &Update"},
                      {"mnuSep2", "-"},
                      {"mnuAbout", "&About Software"}});
    }

    void linksOpenTheirPage_data() { addLinkRows(); }
    void linksOpenTheirPage()
    {
        TestServices services;
        checkLinkOpensItsPage(services, Forms::load<FrmDisplay>(), FormId::frmDisplay);
    }
};

QTEST_MAIN(TestFrmDisplay)
#include "tst_frmdisplay.moc"
