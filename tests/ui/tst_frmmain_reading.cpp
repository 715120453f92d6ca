#include "fakes.h"
#include "windowcheck.h"

#include "entrycheck.h"
#include "forms.h"
#include "frmdisplay.h"
#include "frmexitscreen.h"
#include "frmmain.h"
#include "showreading.h"
#include "signtable.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

using namespace amorisk;
using namespace amorisk::testing;

namespace {

struct Entries
{
    QString first, middle, last;
    int month; // 0 = January
    int day;   // 1..31
    int year;
};

void enter(FrmMain *window, const Entries &e)
{
    in<QLineEdit>(window, "txtFirstName")->setText(e.first);
    in<QLineEdit>(window, "txtMiddleName")->setText(e.middle);
    in<QLineEdit>(window, "txtLastName")->setText(e.last);
    in<QComboBox>(window, "cboMonth")->setCurrentIndex(e.month);
    in<QComboBox>(window, "cboDate")->setCurrentIndex(e.day - 1);
    in<QComboBox>(window, "cboYear")->setCurrentIndex(e.year - 1900);
}

Entries entriesOf(FrmMain *window)
{
    return {in<QLineEdit>(window, "txtFirstName")->text(),
            in<QLineEdit>(window, "txtMiddleName")->text(),
            in<QLineEdit>(window, "txtLastName")->text(),
            in<QComboBox>(window, "cboMonth")->currentIndex(),
            in<QComboBox>(window, "cboDate")->currentIndex() + 1,
            in<QComboBox>(window, "cboYear")->currentText().toInt()};
}

bool operator==(const Entries &a, const Entries &b)
{
    return a.first == b.first && a.middle == b.middle && a.last == b.last && a.month == b.month
            && a.day == b.day && a.year == b.year;
}

void ask(FrmMain *window, const QString &via)
{
    if (via == QLatin1String("menu"))
        window->findChild<QAction *>(QStringLiteral("mnuNext"))->trigger();
    else
        QTest::mouseClick(in(window, "cmdNext"), Qt::LeftButton);
}

bool visible(FormId id)
{
    QWidget *w = Forms::loadedWindow(id);
    return w && w->isVisible();
}

// While the program runs, exactly one of the two main windows is on screen.
bool oneMainWindowVisible()
{
    return visible(FormId::frmMain) != visible(FormId::frmDisplay);
}

QString caption(QWidget *window, const char *name)
{
    return in<QLabel>(window, name)->text();
}

QString textOf(QWidget *window, const char *name)
{
    return in<QPlainTextEdit>(window, name)->toPlainText();
}

const Entries leo{"JOHN", "", "SMITH", 6, 25, 1980};
const Entries virgo{"MARY", "ANN", "JONES", 8, 1, 1975};

} // namespace

class TestFrmMainReading : public QObject
{
    Q_OBJECT

private slots:
    void init() { SunSign.clear(); }

    // Which sign each date gives; the sign's values are checked against their
    // own table in tst_signtable, so here they come from the sign table.
    void readingShowsTheProfile_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("via");
        QTest::addColumn<QString>("sign");

        QTest::newRow("Leo, July 25") << 6 << 25 << 1980 << "button"
                                      << "Leo";
        QTest::newRow("Capricorn, untouched date lists") << 0 << 1 << 1900 << "menu"
                                                         << "Capricorn";
        QTest::newRow("Pisces, February 29 1904") << 1 << 29 << 1904 << "button"
                                                  << "Pisces";
        QTest::newRow("Virgo, September 1") << 8 << 1 << 1975 << "menu"
                                            << "Virgo";
        QTest::newRow("Sagittarius, December 20") << 11 << 20 << 2050 << "button"
                                                  << "Sagittarius";
        QTest::newRow("Aries, March 21") << 2 << 21 << 2000 << "button"
                                         << "Aries";
        QTest::newRow("Aquarius, January 31") << 0 << 31 << 1999 << "menu"
                                              << "Aquarius";
        QTest::newRow("Scorpio, November 20") << 10 << 20 << 1950 << "button"
                                              << "Scorpio";
    }
    void readingShowsTheProfile()
    {
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(int, year);
        QFETCH(QString, via);
        QFETCH(QString, sign);

        TestServices services;
        FrmMain *main = Forms::load<FrmMain>();
        main->show();
        const Entries entries{"JOHN", "", "SMITH", month, day, year};
        enter(main, entries);
        ask(main, via);

        QVERIFY(services.messages.shown.isEmpty());
        QCOMPARE(SunSign, sign);
        QVERIFY(Forms::isLoaded(FormId::frmMain) && !main->isVisible());
        QVERIFY(visible(FormId::frmDisplay));
        QVERIFY(Forms::isLoaded(FormId::frmExitScreen) && !visible(FormId::frmExitScreen));
        QVERIFY(oneMainWindowVisible());
        QVERIFY(entriesOf(main) == entries);

        const reading::SignProfile *row = reading::findSign(sign);
        QVERIFY2(row, "sign table without this sign");
        QWidget *display = Forms::load<FrmDisplay>();
        QCOMPARE(caption(display, "lblSunSign"), sign);
        QCOMPARE(caption(display, "lblSunSignElement"), QLatin1String(row->element));
        QCOMPARE(caption(display, "lblSunSignNumber"), QLatin1String(row->luckyNumber));
        QCOMPARE(caption(display, "lblSunSignDay"), QLatin1String(row->luckyDay));
        QCOMPARE(caption(display, "lblSunSignCompatibility"), QLatin1String(row->compatibility));
        QCOMPARE(caption(display, "lblSunSignBirthStone"), QLatin1String(row->birthstone));
        QCOMPARE(textOf(display, "txtSunSignPositiveTraits"), QLatin1String(row->positiveTraits));
        QCOMPARE(textOf(display, "txtSunSignNegativeTraits"), QLatin1String(row->negativeTraits));
        QCOMPARE(textOf(display, "txtLoveProfile"), QLatin1String(row->romanceProfile));

        auto *picture = in<QLabel>(display, "picSunSign");
        const QImage expected = main->IMGSunsignList().picture(row->index).toImage();
        QVERIFY2(!expected.isNull(), "no sign picture");
        QCOMPARE(picture->pixmap().toImage(), expected);
        QCOMPARE(picture->accessibleName(), sign);

        // A fresh window: first tab, text at its start, values on one line
        // and clear of the picture.
        QCOMPARE(in<QTabWidget>(display, "SSTab1")->currentIndex(), 0);
        for (const char *box :
             {"txtSunSignPositiveTraits", "txtSunSignNegativeTraits", "txtLoveProfile"})
            QCOMPARE(in<QPlainTextEdit>(display, box)->verticalScrollBar()->value(), 0);
        for (const char *name :
             {"lblSunSign", "lblSunSignElement", "lblSunSignNumber", "lblSunSignDay",
              "lblSunSignCompatibility", "lblSunSignBirthStone"}) {
            auto *value = in<QLabel>(display, name);
            QVERIFY2(captionFits(value), name);
            QVERIFY2(value->geometry().right() < picture->x(), name);
        }
    }

    void everySignShowsItsOwnPicture()
    {
        for (const reading::SignProfile &row : reading::signTable()) {
            QVERIFY2(row.name, "sign table not filled");
            TestServices services;
            Forms::load<FrmMain>()->show();
            SunSign = QLatin1String(row.name);
            ShowReading();
            const QImage shown
                    = in<QLabel>(Forms::load<FrmDisplay>(), "picSunSign")->pixmap().toImage();
            QVERIFY(!shown.isNull());
            const QString key = QLatin1String(":/images/") + QLatin1String(row.pictureKey);
            QCOMPARE(shown, QPixmap(key).toImage());
        }
    }

    void unknownSignSetsOnlyTheCaption()
    {
        TestServices services;
        Forms::load<FrmMain>()->show();
        SunSign = QStringLiteral("leo"); // no row: names match with their letter case
        ShowReading();
        QWidget *display = Forms::load<FrmDisplay>();
        QCOMPARE(caption(display, "lblSunSign"), QStringLiteral("leo"));
        for (const char *name : {"lblSunSignElement", "lblSunSignNumber", "lblSunSignDay",
                                 "lblSunSignCompatibility", "lblSunSignBirthStone"})
            QCOMPARE(caption(display, name), QStringLiteral("lblSunSign"));
        QVERIFY(textOf(display, "txtSunSignPositiveTraits").isEmpty());
        QVERIFY(textOf(display, "txtLoveProfile").isEmpty());
        QVERIFY(in<QLabel>(display, "picSunSign")->accessibleName().isEmpty());
        // The windows are swapped all the same.
        QVERIFY(display->isVisible());
        QVERIFY(!Forms::load<FrmMain>()->isVisible());
        QVERIFY(Forms::isLoaded(FormId::frmExitScreen) && !visible(FormId::frmExitScreen));
    }

    void refusedEntriesKeepTheWindow_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("via");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus"); // empty: where it was, on cboYear or the clicked button

        QTest::newRow("no names at all") << ""
                                         << "" << 0 << 1 << 1980 << "button"
                                         << "Please Enter Your First Name"
                                         << "txtFirstName";
        QTest::newRow("no last name, February 30") << "ANN"
                                                   << "" << 1 << 30 << 1980 << "menu"
                                                   << "Please Enter Your Last Name"
                                                   << "txtLastName";
        QTest::newRow("February 29 1901") << "ANN"
                                          << "LEE" << 1 << 29 << 1901 << "button"
                                          << "Please Enter Correct Date Or Month!"
                                          << "";
        QTest::newRow("February 31") << "ANN"
                                     << "LEE" << 1 << 31 << 2000 << "menu"
                                     << "Please Enter Correct Date Or Month!"
                                     << "";
        QTest::newRow("April 31") << "ANN"
                                  << "LEE" << 3 << 31 << 2000 << "button"
                                  << "Please Enter Correct Date Or Month !"
                                  << "";
        QTest::newRow("November 31") << "ANN"
                                     << "LEE" << 10 << 31 << 2000 << "menu"
                                     << "Please Enter Correct Date Or Month !"
                                     << "";
    }
    void refusedEntriesKeepTheWindow()
    {
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(int, year);
        QFETCH(QString, via);
        QFETCH(QString, message);
        QFETCH(QString, focus);

        TestServices services;
        SunSign = QStringLiteral("Taurus");
        FrmMain *main = Forms::load<FrmMain>();
        QVERIFY(showAndActivate(main));
        const Entries entries{first, "", last, month, day, year};
        enter(main, entries);
        in(main, "cboYear")->setFocus();
        ask(main, via);

        QCOMPARE(services.messages.texts(), QStringList{message});
        QCOMPARE(services.messages.shown.first().icon, MessageIcon::Information);
        QCOMPARE(services.messages.shown.first().buttons, MessageButtons::Ok);
        if (focus.isEmpty())
            focus = via == QLatin1String("button") ? QStringLiteral("cmdNext")
                                                   : QStringLiteral("cboYear");
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(SunSign, QStringLiteral("Taurus"));
        QVERIFY(main->isVisible());
        QVERIFY(entriesOf(main) == entries);
        QCOMPARE(Forms::loadOrder(), std::vector<FormId>{FormId::frmMain});
    }

    void backThenSecondReading_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("cmdBack button") << "button";
        QTest::newRow("mnuBack menu item") << "menu";
        QTest::newRow("Alt+B") << "alt-b";
    }
    void backThenSecondReading()
    {
        QFETCH(QString, how);
        TestServices services;
        FrmMain *main = Forms::load<FrmMain>();
        main->show();
        const auto back = [&](QWidget *display) {
            if (how == QLatin1String("button")) {
                QTest::mouseClick(in(display, "cmdBack"), Qt::LeftButton);
            } else if (how == QLatin1String("menu")) {
                display->findChild<QAction *>(QStringLiteral("mnuBack"))->trigger();
            } else {
                display->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(display));
                QTest::keyClick(display, Qt::Key_B, Qt::AltModifier);
            }
            QTRY_VERIFY(!Forms::isLoaded(FormId::frmDisplay));
        };

        enter(main, leo);
        ask(main, QStringLiteral("button"));
        QPointer<QWidget> first = Forms::loadedWindow(FormId::frmDisplay);
        QVERIFY(first);
        in<QTabWidget>(first, "SSTab1")->setCurrentIndex(1);
        in<QPlainTextEdit>(first, "txtSunSignPositiveTraits")->verticalScrollBar()->setValue(2);
        back(first);

        QVERIFY(main->isVisible());
        QVERIFY(oneMainWindowVisible());
        QVERIFY(Forms::isLoaded(FormId::frmExitScreen) && !visible(FormId::frmExitScreen));
        QVERIFY(entriesOf(main) == leo);
        // Deleted once the event loop runs again.
        QTRY_VERIFY(first.isNull());

        enter(main, virgo);
        ask(main, QStringLiteral("button"));
        QWidget *second = Forms::loadedWindow(FormId::frmDisplay);
        QVERIFY(second && second->isVisible());
        QVERIFY(oneMainWindowVisible());
        QVERIFY(!visible(FormId::frmExitScreen));
        QCOMPARE(caption(second, "lblSunSign"), QStringLiteral("Virgo"));
        QCOMPARE(caption(second, "lblSunSignNumber"), QStringLiteral("3 and 5"));
        QCOMPARE(caption(second, "lblSunSignBirthStone"), QStringLiteral("Sapphire"));
        QCOMPARE(textOf(second, "txtSunSignPositiveTraits"),
                 QLatin1String(reading::findSign(QStringLiteral("Virgo"))->positiveTraits));
        QCOMPARE(in<QTabWidget>(second, "SSTab1")->currentIndex(), 0);
        QCOMPARE(in<QPlainTextEdit>(second, "txtSunSignPositiveTraits")
                         ->verticalScrollBar()
                         ->value(),
                 0);

        back(second);
        QVERIFY(entriesOf(main) == virgo);
        QVERIFY(oneMainWindowVisible());
        QVERIFY(!visible(FormId::frmExitScreen));
        QVERIFY(services.messages.shown.isEmpty());
    }

    void exitFromReading_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("mnuExit menu item") << "menu";
        QTest::newRow("close box") << "close";
    }
    void exitFromReading()
    {
        QFETCH(QString, how);
        TestServices services;
        FrmMain *main = Forms::load<FrmMain>();
        main->show();
        enter(main, leo);
        ask(main, QStringLiteral("menu"));
        QWidget *display = Forms::loadedWindow(FormId::frmDisplay);
        QVERIFY(display);
        if (how == QLatin1String("menu"))
            display->findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
        else
            display->close();

        QVERIFY(!Forms::isLoaded(FormId::frmDisplay));
        QVERIFY(visible(FormId::frmExitScreen));
        QVERIFY(Forms::isLoaded(FormId::frmMain));
        flushDeletes();
        QTest::qWait(20);
        QVERIFY(!main->isVisible());
        QVERIFY(services.exitCodes.isEmpty());
    }

    void backThenExit()
    {
        TestServices services;
        FrmMain *main = Forms::load<FrmMain>();
        main->show();
        enter(main, leo);
        ask(main, QStringLiteral("button"));
        QTest::mouseClick(in(Forms::load<FrmDisplay>(), "cmdBack"), Qt::LeftButton);
        flushDeletes();
        in<QPushButton>(main, "cmdExit")->click();

        QVERIFY(!Forms::isLoaded(FormId::frmMain));
        QVERIFY(!Forms::isLoaded(FormId::frmDisplay));
        QVERIFY(visible(FormId::frmExitScreen));
        QVERIFY(services.exitCodes.isEmpty());
    }

    void aboutOverTheReadingLeavesItUnchanged()
    {
        TestServices services;
        ModalWatchdog watchdog;
        FrmMain *main = Forms::load<FrmMain>();
        main->show();
        enter(main, leo);
        ask(main, QStringLiteral("button"));
        QWidget *display = Forms::load<FrmDisplay>();
        const QString before = caption(display, "lblSunSignCompatibility");
        bool wasModal = false;
        QTimer::singleShot(0, [&] {
            QWidget *about = Forms::loadedWindow(FormId::frmAbout);
            wasModal = about && QApplication::activeModalWidget() == about;
            Forms::unload(FormId::frmAbout);
        });
        display->findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger();
        flushDeletes();
        QVERIFY(wasModal);
        QVERIFY(display->isVisible());
        QVERIFY(!main->isVisible());
        QCOMPARE(caption(display, "lblSunSignCompatibility"), before);
    }
};

QTEST_MAIN(TestFrmMainReading)
#include "tst_frmmain_reading.moc"
