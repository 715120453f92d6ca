#include "fakes.h"
#include "forms.h"
#include "frmabout.h"
#include "frmdisplay.h"
#include "frmexitscreen.h"
#include "frmmain.h"
#include "raiserequest.h"
#include "singleinstance.h"
#include "startup.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace amorisk;
using amorisk::testing::flushDeletes;
using amorisk::testing::TestServices;

class TestLifetime : public QObject
{
    Q_OBJECT

private slots:
    void windowIsLoadedOnFirstUseAndOnlyOnce()
    {
        TestServices fakes;
        QVERIFY(!Forms::isLoaded(FormId::frmDisplay));
        FrmDisplay *display = Forms::load<FrmDisplay>();
        QVERIFY(display);
        QVERIFY(Forms::isLoaded(FormId::frmDisplay));
        QCOMPARE(Forms::load<FrmDisplay>(), display);
        QVERIFY(!display->isVisible());
    }

    void unloadDestroysAndNextUseStartsFromTheLayout()
    {
        TestServices fakes;
        FrmMain *main = Forms::load<FrmMain>();
        auto *first = main->findChild<QLineEdit *>(QStringLiteral("txtFirstName"));
        QVERIFY(first);
        first->setText(QStringLiteral("ADA"));
        QPointer<FrmMain> old = main;
        Forms::unload(FormId::frmMain);
        QVERIFY(!Forms::isLoaded(FormId::frmMain));
        flushDeletes();
        QVERIFY(old.isNull());
        auto *fresh
                = Forms::load<FrmMain>()->findChild<QLineEdit *>(QStringLiteral("txtFirstName"));
        QVERIFY(fresh);
        QCOMPARE(fresh->text(), QString());
    }

    void unloadOfWindowNotLoadedDoesNothing()
    {
        TestServices fakes;
        Forms::unload(FormId::frmDisplay);
        Forms::unload(FormId::frmAbout);
        QVERIFY(Forms::loadOrder().empty());
        QVERIFY(fakes.exitCodes.isEmpty());
    }

    void endApplicationUnloadsInLoadOrderAndEndsWithZero()
    {
        TestServices fakes;
        Forms::load<FrmMain>();
        Forms::load<FrmExitScreen>();
        Forms::load<FrmDisplay>();
        const std::vector<FormId> expected{FormId::frmMain, FormId::frmExitScreen,
                                           FormId::frmDisplay};
        QCOMPARE(Forms::loadOrder(), expected);
        EndApplication();
        QVERIFY(Forms::loadOrder().empty());
        QCOMPARE(fakes.exitCodes, QList<int>{0});
        QVERIFY(applicationEnded());
    }

    void closingTheExitScreenEndsOnceThoughHandlersReenter()
    {
        // The exit screen's unload handler calls EndApplication, which meets
        // the hidden input window whose handler shows the exit screen again.
        TestServices fakes;
        Forms::load<FrmMain>()->hide();
        Forms::load<FrmExitScreen>()->show();
        Forms::load<FrmExitScreen>()->close();
        flushDeletes();
        QVERIFY(Forms::loadOrder().empty());
        QCOMPARE(fakes.exitCodes, QList<int>{0});
    }

    void reminderIsAnsweredBeforeTheInputWindowLoads()
    {
        TestServices fakes;
        fakes.settings.values.insert(QStringLiteral("LastUpdateReminder"),
                                     fakes.calendar.date.addDays(-20).toString(Qt::ISODate));
        bool mainLoadedWhenAsked = true;
        fakes.messages.onShow = [&](const testing::ShownMessage &) {
            mainLoadedWhenAsked = Forms::isLoaded(FormId::frmMain);
        };
        QTemporaryDir dir;
        SingleInstance instance(dir.filePath(QStringLiteral("amorisk.lock")));
        QVERIFY(startUp(instance));
        QCOMPARE(fakes.messages.shown.size(), 1);
        QVERIFY(!mainLoadedWhenAsked);
        QVERIFY(Forms::load<FrmMain>()->isVisible());
        QVERIFY(fakes.random.seeds >= 1);
        QVERIFY(fakes.exitCodes.isEmpty());
    }

    // No reading window exists, hidden or not, before a reading is asked for:
    // a screen reader would find it.
    void noReadingWindowBeforeTheReading()
    {
        TestServices fakes;
        QTemporaryDir dir;
        SingleInstance instance(dir.filePath(QStringLiteral("amorisk.lock")));
        QVERIFY(startUp(instance));
        const auto readingWindows = [] {
            int count = 0;
            for (QWidget *w : QApplication::topLevelWidgets())
                count += w->objectName() == QLatin1String("frmDisplay");
            return count;
        };
        QVERIFY(QTest::qWaitForWindowExposed(Forms::load<FrmMain>()));
        QTest::keyClick(
                Forms::load<FrmMain>()->findChild<QLineEdit *>(QStringLiteral("txtFirstName")),
                Qt::Key_A);
        QTest::qWait(50);
        QCOMPARE(readingWindows(), 0);
        QCOMPARE(Forms::loadOrder(), std::vector<FormId>{FormId::frmMain});
    }

    void secondInstanceIsRefusedWithoutAnyWindow()
    {
        TestServices fakes;
        QTemporaryDir dir;
        const QString lock = dir.filePath(QStringLiteral("amorisk.lock"));
        SingleInstance running(lock);
        QVERIFY(running.acquire());

        // The running one listens for no raise request, as an older program would not.
        SingleInstance second(lock);
        RaiseChannel unanswered(RaiseChannel::pathBeside(lock));
        QVERIFY(!startUp(second, &unanswered));
        QCOMPARE(fakes.messages.texts(),
                 QStringList{QStringLiteral("Application is already running")});
        QCOMPARE(fakes.messages.shown.first().icon, MessageIcon::Information);
        QVERIFY(Forms::loadOrder().empty());
        QCOMPARE(fakes.exitCodes, QList<int>{0});
    }

    void optionsAreAnsweredWithoutADisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out"); // patterns
        QTest::addColumn<QString>("err");
        const QString help = QStringLiteral("^Usage: \\S*amorisk \\[options\\]\n(.*\n)*"
                                            "  -h, --help .*\n  -v, --version .*\n$");
        const QString version = QStringLiteral("^Amorisk 1\\.15\n$");
        QTest::newRow("--help") << QStringList{"--help"} << 0 << help << "^$";
        QTest::newRow("-h") << QStringList{"-h"} << 0 << help << "^$";
        QTest::newRow("--version") << QStringList{"--version"} << 0 << version << "^$";
        QTest::newRow("-v") << QStringList{"-v"} << 0 << version << "^$";
        QTest::newRow("help wins over version") << QStringList{"-v", "-h"} << 0 << help << "^$";
        QTest::newRow("unknown long option") << QStringList{"--bogus"} << 2 << "^$"
                                             << "^amorisk: [^\n]*'bogus'[^\n]*\n$";
        QTest::newRow("unknown short option") << QStringList{"-x"} << 2 << "^$"
                                              << "^amorisk: [^\n]*'x'[^\n]*\n$";
        QTest::newRow("stray argument") << QStringList{"reading.txt"} << 2 << "^$"
                                        << "^amorisk: [^\n]*'reading.txt'[^\n]*\n$";
        QTest::newRow("version then a stray argument")
                << QStringList{"--version", "extra"} << 2 << "^$"
                << "^amorisk: [^\n]*'extra'[^\n]*\n$";
        QTest::newRow("no arguments: on to the display check")
                << QStringList{} << 1 << "^$"
                << "^amorisk: no display found[^\n]*\n$";
    }

    void optionsAreAnsweredWithoutADisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QProcess amorisk;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        amorisk.setProcessEnvironment(env);
        amorisk.start(qEnvironmentVariable("AMORISK_BINARY"), arguments);
        QVERIFY(amorisk.waitForFinished(20000));
        QCOMPARE(amorisk.exitStatus(), QProcess::NormalExit);
        const QString printed = QString::fromUtf8(amorisk.readAllStandardOutput());
        const QString complained = QString::fromUtf8(amorisk.readAllStandardError());
        QCOMPARE(amorisk.exitCode(), exitCode);
        QVERIFY2(QRegularExpression(out).match(printed).hasMatch(), qPrintable(printed));
        QVERIFY2(QRegularExpression(err).match(complained).hasMatch(), qPrintable(complained));
    }
};

QTEST_MAIN(TestLifetime)
#include "tst_lifetime.moc"
