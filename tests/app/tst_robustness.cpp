#include "fakes.h"
#include "forms.h"
#include "frmmain.h"
#include "realservices.h"
#include "singleinstance.h"
#include "startup.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

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
