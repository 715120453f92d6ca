#include "fakes.h"
#include "forms.h"
#include "frmmain.h"
#include "realservices.h"
#include "singleinstance.h"
#include "startup.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include <unistd.h>

using namespace amorisk;
using amorisk::testing::flushDeletes;
using amorisk::testing::TestServices;

namespace {

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

} // namespace

class TestRobustness : public QObject
{
    Q_OBJECT

private:
    QProcess m_xvfb;
    QProcessEnvironment m_x11 = QProcessEnvironment::systemEnvironment(); // and $AMORISK
    QTemporaryDir m_copy; // of the program, where any user may run it

    // Xvfb takes the first free display itself and writes its number once it
    // accepts clients; probing for a free one ourselves raced other servers.
    bool startXvfb()
    {
        if (m_xvfb.state() == QProcess::Running)
            return true;
        m_xvfb.start(QStringLiteral("Xvfb"),
                     {"-displayfd", "1", "-nolisten", "tcp", "-noreset", "-screen", "0",
                      "1280x1024x24"});
        QByteArray number;
        while (!number.endsWith('\n') && m_xvfb.waitForReadyRead(10000))
            number += m_xvfb.readAllStandardOutput();
        if (!number.endsWith('\n')) {
            m_xvfb.kill();
            m_xvfb.waitForFinished();
            return false;
        }
        m_x11.insert(QStringLiteral("DISPLAY"), ':' + QString::fromLatin1(number.trimmed()));
        return true;
    }

    bool inputWindowWithin(int ms, qint64 pid)
    {
        QElapsedTimer timer;
        timer.start();
        do {
            QProcess search;
            search.setProcessEnvironment(m_x11);
            search.start(QStringLiteral("xdotool"),
                         {"search", "--all", "--onlyvisible", "--pid", QString::number(pid),
                          "--name", "^Amorisk v"});
            if (search.waitForFinished(5000) && !search.readAllStandardOutput().isEmpty())
                return true;
            QTest::qWait(100);
        } while (!timer.hasExpired(ms));
        return false;
    }

    static void readAndGoBack(int cycle)
    {
        FrmMain *main = Forms::load<FrmMain>();
        main->findChild<QComboBox *>(QStringLiteral("cboMonth"))->setCurrentIndex(cycle % 12);
        main->findChild<QComboBox *>(QStringLiteral("cboDate"))->setCurrentIndex(cycle % 28);
        main->findChild<QPushButton *>(QStringLiteral("cmdNext"))->click();
        QCoreApplication::processEvents();
        QWidget *display = Forms::loadedWindow(FormId::frmDisplay);
        QVERIFY(display && display->isVisible());
        display->findChild<QPushButton *>(QStringLiteral("cmdBack"))->click();
        // As the running program would: window-system and posted events are
        // handled between clicks, else they pile up and look like a leak.
        QCoreApplication::processEvents();
        flushDeletes();
    }

private slots:
    void cleanupTestCase()
    {
        m_xvfb.terminate();
        m_xvfb.waitForFinished();
    }

    // The program itself, started in a fresh home as a new user would, as
    // nobody when the tests run as root, so that file modes count.
    void realProgramReachesItsWindow_data()
    {
        QTest::addColumn<QString>("prepare");    // shell, as that user, just before the start
        QTest::addColumn<QString>("byAnother");  // shell, as root: another user's files
        QTest::addColumn<int>("linesSaid");      // its own lines on standard error
        QTest::addColumn<QString>("afterwards"); // shell that holds once the window shows

        const QString deadOwner
                = QStringLiteral("sh -c : & wait $!; printf '%s\\namorisk\\n' $! >%1; chmod %2 %1");
        // Killed once its window shows, leaving a read-only lock, or the row proves nothing.
        const QString crashed
                = QStringLiteral("\"$AMORISK\" 2>/dev/null &\n"
                                 "timeout 10 xdotool search --sync --all --onlyvisible --pid $! "
                                 "--name '^Amorisk v'\n"
                                 "kill -9 $!; wait; [ -s %1 ] && [ ! -w %1 ] || exit");
        const QString runLock = QStringLiteral("run/amorisk.lock");
        const QString settingsLock = QStringLiteral("config/amorisk/amorisk.conf.lock");

        QTest::newRow("another user's runtime folder and lock in the temp folder")
                << "unset XDG_RUNTIME_DIR"
                << "mkdir -m 1777 tmp; mkdir -m 700 tmp/runtime-nobody;"
                   " printf '1\\namorisk\\n' >tmp/amorisk.lock;"
                << 0
                << "[ $(stat -c %a home/.cache/amorisk) = 700 ] && [ -s "
                   "home/.cache/amorisk/amorisk.lock ]";
        QTest::newRow("settings file is a pipe")
                << "mkfifo config/amorisk/amorisk.conf" << QString() << 1 << QString();
        QTest::newRow("directory in the settings lock's place")
                << "mkdir " + settingsLock << QString() << 1 << QString();
        QTest::newRow("read-only settings lock")
                << ": >" + settingsLock + "; chmod 444 " + settingsLock << QString() << 1
                << QString();
        QTest::newRow("read-only settings lock with a dead owner")
                << deadOwner.arg(settingsLock, "444") << QString() << 0
                << "grep -q LastUpdateReminder config/amorisk/amorisk.conf";
        QTest::newRow("fresh garbled settings lock")
                << "echo garbage >" + settingsLock << QString() << 1 << QString();
        QTest::newRow("lock of a run killed under umask 0222")
                << "umask 0222;" + crashed.arg(runLock) << QString() << 0 << QString();
        QTest::newRow("lock of a run killed under umask 0277")
                << "umask 0277;" + crashed.arg(runLock) << QString() << 0 << QString();
        QTest::newRow("lock of a run killed under umask 0222, no runtime folder")
                << "mkdir -m 1777 tmp; unset XDG_RUNTIME_DIR; umask 0222\n"
                        + crashed.arg("home/.cache/amorisk/amorisk.lock")
                << QString() << 0 << QString();
        QTest::newRow("planted 0444 lock with a dead owner")
                << deadOwner.arg(runLock, "444") << QString() << 0 << QString();
        QTest::newRow("planted 0000 lock with a dead owner")
                << deadOwner.arg(runLock, "000") << QString() << 0 << QString();
        QTest::newRow("oversized settings file behind a link")
                << "mkdir dots; { echo LastUpdateReminder=2026-01-01; head -c 70000 /dev/zero; }"
                   " >dots/amorisk.conf; ln -s ../../dots/amorisk.conf config/amorisk/amorisk.conf"
                << QString() << 0
                << "[ -L config/amorisk/amorisk.conf ] && grep -qx LastUpdateReminder=$(date +%F)"
                   " dots/amorisk.conf";
    }

    void realProgramReachesItsWindow()
    {
        QFETCH(QString, prepare);
        QFETCH(QString, byAnother);
        QFETCH(int, linesSaid);
        QFETCH(QString, afterwards);
        const bool root = ::geteuid() == 0;
        if (!root && !byAnother.isEmpty())
            QSKIP("needs root, to plant another user's files and start the program as nobody");
        if (!startXvfb())
            QFAIL("no Xvfb could be started");
        const QString program = m_copy.filePath(QStringLiteral("amorisk"));
        if (!QFile::exists(program)) {
            QVERIFY(QFile::copy(qEnvironmentVariable("AMORISK_BINARY"), program));
            QVERIFY(QFile::setPermissions(m_copy.path(), QFile::Permissions(0x7555)));
            m_x11.insert(QStringLiteral("AMORISK"), program);
        }

        QTemporaryDir dir;
        QVERIFY(!root || ::chown(QFile::encodeName(dir.path()).constData(), 65534, 65534) == 0);
        const auto shell = [&](const QString &script) {
            return QProcess::execute(QStringLiteral("sh"),
                                     {"-c", "cd " + dir.path() + " && " + script});
        };
        if (!byAnother.isEmpty())
            QCOMPARE(shell(byAnother), 0);
        QStringList command{
                "sh", "-c",
                "export HOME=$PWD/home XDG_CONFIG_HOME=$PWD/config XDG_RUNTIME_DIR=$PWD/run"
                " TMPDIR=$PWD/tmp; unset QT_QPA_PLATFORM XDG_CACHE_HOME\n"
                "mkdir -p home config/amorisk && mkdir -pm 700 run\n"
                        + prepare + "\nexec \"$AMORISK\""};
        if (root)
            command = QStringList{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups",
                                  "--"}
                    + command;
        QProcess amorisk;
        amorisk.setProcessEnvironment(m_x11);
        amorisk.setWorkingDirectory(dir.path());
        amorisk.start(command.takeFirst(), command);

        const bool shown = inputWindowWithin(10000, amorisk.processId());
        const int held = afterwards.isEmpty() ? 0 : shell(afterwards);
        amorisk.kill();
        amorisk.waitForFinished(10000);
        const QString said = QString::fromLocal8Bit(amorisk.readAllStandardError());
        QVERIFY2(shown, qPrintable("no input window within 10 s; it said: " + said));
        QCOMPARE(held, 0);
        // Qt's own say on a runtime folder it rejects carries the prefix too.
        QCOMPARE(said.count(QRegularExpression(QStringLiteral("^amorisk: (?!QStandardPaths)"),
                                               QRegularExpression::MultilineOption)),
                 linesSaid);
    }

    void thousandReadingsLeaveNothingBehind()
    {
        TestServices fakes;
        FrmMain *main = Forms::load<FrmMain>();
        main->show();
        main->findChild<QLineEdit *>(QStringLiteral("txtFirstName"))
                ->setText(QStringLiteral("ADA"));
        main->findChild<QLineEdit *>(QStringLiteral("txtLastName"))
                ->setText(QStringLiteral("KING"));
        // Warm up caches (fonts, pictures, style) before the baseline.
        for (int i = 0; i < 50; ++i)
            readAndGoBack(i);
        const long before = residentKb();
        QVERIFY(before > 0);
        for (int i = 0; i < 1000; ++i) {
            readAndGoBack(i);
            if (QTest::currentTestFailed())
                return;
        }
        const long grown = residentKb() - before;
        qInfo("resident memory grew by %ld KB over 1000 readings", grown);
        QVERIFY(!Forms::isLoaded(FormId::frmDisplay));
        // None of the reading windows is left alive.
        const auto displays = [] {
            const auto windows = QApplication::topLevelWidgets();
            return std::count_if(windows.begin(), windows.end(), [](QWidget *w) {
                return w->objectName() == QLatin1String("frmDisplay");
            });
        };
        QTRY_COMPARE(displays(), 0);
#ifndef __SANITIZE_ADDRESS__
        // AddressSanitizer holds freed memory in quarantine, so resident size
        // says nothing about leaks there; it reports real leaks itself.
        QVERIFY2(grown < 2048, qPrintable(QStringLiteral("grew by %1 KB").arg(grown)));
#endif
        QVERIFY(fakes.messages.shown.isEmpty());
    }

    void damagedSettingsGiveANormalStart_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("corrupt file") << "corrupt";
        QTest::newRow("folder where the file should be") << "folder";
        QTest::newRow("config folder is a regular file") << "file-as-folder";
        QTest::newRow("binary garbage") << "binary";
    }

    void damagedSettingsGiveANormalStart()
    {
        QFETCH(QString, damage);
        QTemporaryDir home;
        QString path = home.filePath(QStringLiteral("config/amorisk/amorisk.conf"));
        QDir().mkpath(home.filePath(QStringLiteral("config/amorisk")));
        if (damage == QLatin1String("corrupt")) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("[General\nLastUpdateReminder=yesterday-ish\n=\n[[[\n");
        } else if (damage == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else if (damage == QLatin1String("file-as-folder")) {
            QFile f(home.filePath(QStringLiteral("blocker")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            path = home.filePath(QStringLiteral("blocker/amorisk/amorisk.conf"));
        } else {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QByteArray junk;
            for (int i = 0; i < 4096; ++i)
                junk.append(static_cast<char>((i * 7919) % 256));
            f.write(junk);
        }

        TestServices fakes;
        IniSettingsStore store(path);
        services().settings = &store;
        SingleInstance instance(home.filePath(QStringLiteral("amorisk.lock")));
        QVERIFY(startUp(instance));
        QVERIFY(Forms::load<FrmMain>()->isVisible());
        QVERIFY(fakes.exitCodes.isEmpty());
        QVERIFY2(fakes.messages.shown.isEmpty(), qPrintable(fakes.messages.texts().join('|')));
    }
};

QTEST_MAIN(TestRobustness)
#include "tst_robustness.moc"
