#include "fakes.h"
#include "modhelp.h"
#include "pages.h"
#include "realservices.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <pwd.h>
#include <unistd.h>

using namespace amorisk;

namespace {

const QString Key = QStringLiteral("LastUpdateReminder");
const QDate Today(2026, 12, 7);

enum class Damage {
    None,          // the file holds exactly the given bytes
    DirectoryHere, // a directory sits where the file should be
    UnderAFile,    // the folder's path runs through a regular file
};

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// One stored list inside another, the given number of levels deep, as
// QSettings writes a nested value.
QByteArray nestedValue(int depth)
{
    QByteArray value("@Variant(");
    for (int i = 0; i < depth; ++i)
        value += "\\0\\0\\0\\t\\0\\0\\0\\x1";
    return value + "\\0\\0\\0\\t\\0\\0\\0\\0)";
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

Q_DECLARE_METATYPE(Damage)

// Receives what QDesktopServices would have handed to the browser.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void openUrl(const QUrl &url) { urls << url; }
};

class TestRealServices : public QObject
{
    Q_OBJECT

private slots:
    void desktopOpenerPassesTheAddressIntact_data();
    void desktopOpenerPassesTheAddressIntact();
    void defaultPathFollowsXdg_data();
    void defaultPathFollowsXdg();
    void firstWriteCreatesTheFolder();
    void badFileStillGivesANormalStart_data();
    void badFileStillGivesANormalStart();
};

void TestRealServices::defaultPathFollowsXdg_data()
{
    QTest::addColumn<bool>("set");
    QTest::addColumn<QByteArray>("xdgConfigHome");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("withoutHome"); // in a process started without HOME

    const QString home = QDir::homePath() + QStringLiteral("/.config/amorisk/amorisk.conf");
    QTest::newRow("XDG_CONFIG_HOME set")
            << true << QByteArray("/srv/cfg") << "/srv/cfg/amorisk/amorisk.conf" << false;
    QTest::newRow("XDG_CONFIG_HOME unset") << false << QByteArray() << home << false;
    QTest::newRow("XDG_CONFIG_HOME empty") << true << QByteArray() << home << false;
    QTest::newRow("relative XDG_CONFIG_HOME ignored") << true << QByteArray("cfg") << home << false;

    const passwd *user = getpwuid(getuid());
    QVERIFY(user && user->pw_dir);
    const QString ownHome = QFile::decodeName(user->pw_dir);
    QTest::newRow("HOME and XDG_CONFIG_HOME unset")
            << false << QByteArray() << ownHome + "/.config/amorisk/amorisk.conf" << true;
    QTest::newRow("HOME unset, XDG_CONFIG_HOME set")
            << true << QByteArray("/srv/cfg") << "/srv/cfg/amorisk/amorisk.conf" << true;
}

void TestRealServices::defaultPathFollowsXdg()
{
    QFETCH(bool, set);
    QFETCH(QByteArray, xdgConfigHome);
    QFETCH(QString, expected);
    QFETCH(bool, withoutHome);

    if (withoutHome && qEnvironmentVariableIsSet("HOME")) {
        // This row again, in a process that never had HOME.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("HOME"));
        environment.remove(QStringLiteral("XDG_CONFIG_HOME"));
        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("defaultPathFollowsXdg:") + QTest::currentDataTag()});
        QVERIFY(child.waitForFinished(30000));
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 child.readAllStandardOutput().constData());
        return;
    }

    const bool wasSet = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    const QByteArray was = qgetenv("XDG_CONFIG_HOME");
    if (set)
        qputenv("XDG_CONFIG_HOME", xdgConfigHome);
    else
        qunsetenv("XDG_CONFIG_HOME");

    const QString path = IniSettingsStore::defaultPath();

    if (wasSet)
        qputenv("XDG_CONFIG_HOME", was);
    else
        qunsetenv("XDG_CONFIG_HOME");
    QCOMPARE(path, expected);
}

void TestRealServices::firstWriteCreatesTheFolder()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("config/amorisk/amorisk.conf"));
    IniSettingsStore store(path);

    QVERIFY(!store.value(Key).isValid());
    QVERIFY(store.setValue(Key, QStringLiteral("2026-12-07")));
    QVERIFY(QFileInfo(path).isFile());
    QCOMPARE(IniSettingsStore(path).value(Key), QVariant(QStringLiteral("2026-12-07")));
}

void TestRealServices::badFileStillGivesANormalStart_data()
{
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("todayWritten");
    QTest::addColumn<QByteArray>("warning");

    QTest::newRow("binary junk") << Damage::None << QByteArray("\0\xff\xfe[\x01=\n\0\0garbage", 15)
                                 << 0 << true << QByteArray();
    QTest::newRow("date broken by a stray quote")
            << Damage::None << QByteArray("LastUpdateReminder=\"2026-01-01\n") << 0 << true
            << QByteArray();
    QTest::newRow("no such day") << Damage::None << QByteArray("LastUpdateReminder=2024-02-30\n")
                                 << 0 << true << QByteArray();
    QTest::newRow("unknown stored type")
            << Damage::None << QByteArray("LastUpdateReminder=@Variant(\\0\\0\\0\\x7f)\n") << 0
            << true << QByteArray("QVariant::load: unknown user type with name .");
    // The readable lines of a damaged file still count.
    QTest::newRow("damaged lines beside an old date")
            << Damage::None << QByteArray("[General\nLastUpdateReminder=2026-01-01\n\x01\xff=\n")
            << 1 << true << QByteArray();
    // Too large for a real store: never read, so neither a deep value nor an
    // old date in it counts.
    QTest::newRow("value nested 40,000 deep")
            << Damage::None << QByteArray("Other=" + nestedValue(40000) + "\n") << 0 << true
            << QByteArray();
    QTest::newRow("old date padded beyond 64 KB")
            << Damage::None
            << QByteArray("LastUpdateReminder=2026-01-01\nPadding=" + QByteArray(64 * 1024, 'x'))
            << 0 << true << QByteArray();
    QTest::newRow("directory where the file should be")
            << Damage::DirectoryHere << QByteArray() << 0 << false << QByteArray();
    QTest::newRow("folder path runs through a file")
            << Damage::UnderAFile << QByteArray() << 0 << false << QByteArray();
}

void TestRealServices::badFileStillGivesANormalStart()
{
    QFETCH(Damage, damage);
    QFETCH(QByteArray, contents);
    QFETCH(int, questions);
    QFETCH(bool, todayWritten);
    QFETCH(QByteArray, warning);
    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, warning.constData());

    // A fresh folder per row: QSettings caches files by path within a process.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString path = dir.filePath(QStringLiteral("amorisk/amorisk.conf"));
    switch (damage) {
    case Damage::None:
        QVERIFY(writeFile(path, contents));
        break;
    case Damage::DirectoryHere:
        QVERIFY(QDir().mkpath(path));
        break;
    case Damage::UnderAFile:
        QVERIFY(writeFile(dir.filePath(QStringLiteral("amorisk")), "not a folder"));
        break;
    }

    IniSettingsStore store(path);
    testing::TestServices fakes;
    fakes.calendar.date = Today;
    services().settings = &store;
    fakes.messages.answers = {MessageAnswer::No};

    RemindOfUpdate();

    QCOMPARE(fakes.messages.shown.size(), questions);
    QVERIFY(fakes.opener.opened.isEmpty());
    QCOMPARE(fakes.exitCodes, QList<int>());
    // Read past QSettings' own cache: only the disk tells what was written.
    QCOMPARE(readFile(path).contains("LastUpdateReminder=2026-12-07"), todayWritten);
    if (todayWritten)
        QVERIFY(readFile(path).size() < 1024);
    if (!todayWritten) {
        QVERIFY(!store.value(Key).isValid());
        QVERIFY(!store.setValue(Key, QStringLiteral("2026-12-07")));
    }
}

void TestRealServices::desktopOpenerPassesTheAddressIntact_data()
{
    QTest::addColumn<QString>("address");
    QTest::newRow("home page") << web::pageAddress(QStringLiteral("home-page"));
    QTest::newRow("escaped delimiters") << web::pageAddress(QStringLiteral("qorv-refer-a-friend"))
                    + QStringLiteral("&taf1=a%26b%3Dc%23d%25e%2Bf%20g&taf2=%0D%0A%09");
    QTest::newRow("escaped slashes and non-ASCII")
            << web::pageAddress(QStringLiteral("qorv-refer-a-friend"))
                    + QStringLiteral("&taf3=Zo%C3%AB%20%E6%9D%8E&taf6=https%3A%2F%2Fx%2F");
}

void TestRealServices::desktopOpenerPassesTheAddressIntact()
{
    QFETCH(QString, address);
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "openUrl");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "openUrl");

    DesktopOpener().open(address);

    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QCOMPARE(catcher.urls.size(), 1);
    QVERIFY(catcher.urls.first().isValid());
    // Neither decoded nor encoded a second time on the way to the browser.
    QCOMPARE(catcher.urls.first().toString(QUrl::FullyEncoded), address);
}

QTEST_MAIN(TestRealServices)
#include "tst_realservices.moc"
