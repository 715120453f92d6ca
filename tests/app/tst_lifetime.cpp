#include "fakes.h"
#include "forms.h"
#include "frmabout.h"
#include "frmdisplay.h"
#include "frmexitscreen.h"
#include "frmmain.h"
#include "singleinstance.h"
#include "startup.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
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

        SingleInstance second(lock);
        QVERIFY(!startUp(second));
        QCOMPARE(fakes.messages.texts(),
                 QStringList{QStringLiteral("Application is already running")});
        QCOMPARE(fakes.messages.shown.first().icon, MessageIcon::Information);
        QVERIFY(Forms::loadOrder().empty());
        QCOMPARE(fakes.exitCodes, QList<int>{0});
    }

    // Run as a user starts it, without a display unless a row gives one.
    // "Started" means the first run went on to store the reminder's date;
    // the program is then ended.
    void startsOrSaysWhyFromTheCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("environment"); // NAME=value; an empty value unsets it
        QTest::addColumn<bool>("compositor"); // a headless Wayland compositor at WAYLAND_DISPLAY
        QTest::addColumn<int>("exitCode");    // -1: started
        QTest::addColumn<QString>("out");     // patterns
        QTest::addColumn<QString>("err");
        const QString help = QStringLiteral("^Usage: \\S*amorisk \\[options\\]\n(.*\n)*"
                                            "  -h, --help .*\n  -v, --version .*\n$");
        const QString version = QStringLiteral("^Amorisk 1\\.15\n$");
        const QString noDisplay = QStringLiteral("^amorisk: no display could be opened[^\n]*\n$");
        const QStringList none;
        const QStringList offscreen{"-platform", "offscreen"};
        QTest::newRow("--help") << QStringList{"--help"} << none << false << 0 << help << "^$";
        QTest::newRow("-h") << QStringList{"-h"} << none << false << 0 << help << "^$";
        QTest::newRow("--version")
                << QStringList{"--version"} << none << false << 0 << version << "^$";
        QTest::newRow("-v") << QStringList{"-v"} << none << false << 0 << version << "^$";
        QTest::newRow("help wins over version")
                << QStringList{"-v", "-h"} << none << false << 0 << help << "^$";
        QTest::newRow("help beside Qt's options")
                << (offscreen + QStringList{"-h"}) << none << false << 0 << help << "^$";
        QTest::newRow("unknown long option") << QStringList{"--bogus"} << none << false << 2 << "^$"
                                             << "^amorisk: [^\n]*'bogus'[^\n]*\n$";
        QTest::newRow("unknown short option") << QStringList{"-x"} << none << false << 2 << "^$"
                                              << "^amorisk: [^\n]*'x'[^\n]*\n$";
        QTest::newRow("stray argument") << QStringList{"reading.txt"} << none << false << 2 << "^$"
                                        << "^amorisk: [^\n]*'reading.txt'[^\n]*\n$";
        QTest::newRow("version then a stray argument")
                << QStringList{"--version", "extra"} << none << false << 2 << "^$"
                << "^amorisk: [^\n]*'extra'[^\n]*\n$";
        QTest::newRow("Qt's option without its value")
                << QStringList{"-platform"} << none << false << 2 << "^$"
                << "^amorisk: Missing value[^\n]*'-platform'[^\n]*\n$";
        QTest::newRow("option with a line break and a terminal command")
                << QStringList{"--bad\nline\x1b[2J"} << none << false << 2 << "^$"
                << "^amorisk: [^\n\x1b]*'bad\\\\x0aline\\\\x1b\\[2J'[^\n\x1b]*\n$";
        // Qt would take it itself, open a debugger port and start.
        QTest::newRow("-qmljsdebugger=") << (offscreen + QStringList{"-qmljsdebugger=port:3768"})
                                         << none << false << 2 << "^$"
                                         << "^amorisk: [^\n]*'qmljsdebugger'[^\n]*\n$";
        QTest::newRow("no display") << QStringList{} << none << false << 1 << "^$" << noDisplay;
        QTest::newRow("-display of no X server")
                << QStringList{"-display", ":79"} << none << false << 1 << "^$" << noDisplay;
        QTest::newRow("DISPLAY of no X server")
                << QStringList{} << QStringList{"DISPLAY=:79"} << false << 1 << "^$" << noDisplay;
        QTest::newRow("QT_QPA_PLATFORM=wayland, no compositor")
                << QStringList{} << QStringList{"QT_QPA_PLATFORM=wayland"} << false << 1 << "^$"
                << noDisplay;
        // The Wayland library complains of the missing runtime folder on its own.
        QTest::newRow("Wayland session without a runtime folder")
                << QStringList{} << QStringList{"XDG_SESSION_TYPE=wayland", "XDG_RUNTIME_DIR="}
                << false << 1 << "^$" << noDisplay;
        QTest::newRow("-platform offscreen") << offscreen << none << false << -1 << "^$"
                                             << "";
        QTest::newRow("Qt's options for style, title and direction")
                << (offscreen
                    + QStringList{"-style", "Fusion", "-qwindowtitle", "Mine", "-reverse",
                                  "--platformtheme", "none", "-stylesheet=none.qss"})
                << none << false << -1 << "^$"
                << "";
        QTest::newRow("Wayland-only session")
                << QStringList{} << QStringList{"XDG_SESSION_TYPE=wayland"} << true << -1 << "^$"
                << "";
    }

    void startsOrSaysWhyFromTheCommandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, environment);
        QFETCH(bool, compositor);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name :
             {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path()); // 0700, as a session's
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
        for (const QString &setting : environment) {
            const QString name = setting.section(QLatin1Char('='), 0, 0);
            const QString value = setting.section(QLatin1Char('='), 1);
            if (value.isEmpty())
                env.remove(name);
            else
                env.insert(name, value);
        }
        QProcess weston;
        if (compositor) {
            const QString program = QStandardPaths::findExecutable(QStringLiteral("weston"));
            if (program.isEmpty())
                QSKIP("weston is not installed (scripts/setup.sh installs it)");
            const QString socket
                    = QStringLiteral("amorisk-test-%1").arg(QCoreApplication::applicationPid());
            weston.setProcessEnvironment(env);
            weston.start(program,
                         {QStringLiteral("--backend=headless-backend.so"),
                          QStringLiteral("--socket=") + socket});
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(home.filePath(socket)), 20000);
            env.insert(QStringLiteral("WAYLAND_DISPLAY"), socket);
        }
        QProcess amorisk;
        amorisk.setProcessEnvironment(env);
        amorisk.start(qEnvironmentVariable("AMORISK_BINARY"), arguments);
        if (exitCode < 0) {
            const QString stored = home.filePath(QStringLiteral("amorisk/amorisk.conf"));
            QTRY_VERIFY2_WITH_TIMEOUT(QFile::exists(stored)
                                              || amorisk.state() == QProcess::NotRunning,
                                      qPrintable(stored), 30000);
            const QString said = QString::fromLocal8Bit(amorisk.readAllStandardError());
            QVERIFY2(amorisk.state() == QProcess::Running, qPrintable(said));
            amorisk.kill();
            amorisk.waitForFinished(10000);
            weston.terminate();
            weston.waitForFinished(10000);
            return;
        }
        QVERIFY(amorisk.waitForFinished(20000));
        const QString printed = QString::fromUtf8(amorisk.readAllStandardOutput());
        const QString complained = QString::fromUtf8(amorisk.readAllStandardError());
        QVERIFY2(amorisk.exitStatus() == QProcess::NormalExit, qPrintable(complained));
        QCOMPARE(amorisk.exitCode(), exitCode);
        QVERIFY2(QRegularExpression(out).match(printed).hasMatch(), qPrintable(printed));
        QVERIFY2(QRegularExpression(err).match(complained).hasMatch(), qPrintable(complained));
    }
};

QTEST_MAIN(TestLifetime)
#include "tst_lifetime.moc"
