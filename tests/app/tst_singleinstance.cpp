#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

#include <csignal>
#include <sys/types.h>

// Runs real processes against one lock file, as separate starts of the
// program would.
class TestSingleInstance : public QObject
{
    Q_OBJECT

private:
    QString holderPath() const
    {
        return QCoreApplication::applicationDirPath() + QLatin1String("/app_lockholder");
    }

    std::unique_ptr<QProcess> startHolder(const QString &lockPath)
    {
        auto process = std::make_unique<QProcess>();
        process->start(holderPath(), {lockPath});
        return process;
    }

    // Sets the file's modification time that many seconds into the past.
    static bool age(const QString &path, int seconds)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly)
                && file.setFileTime(QDateTime::currentDateTime().addSecs(-seconds),
                                    QFileDevice::FileModificationTime);
    }

    static QString answerOf(QProcess &process)
    {
        if (!process.waitForReadyRead(10000))
            return QStringLiteral("(no answer)");
        return QString::fromLatin1(process.readLine()).trimmed();
    }

private slots:
    void secondStartIsRefusedWhileTheFirstRuns_data()
    {
        QTest::addColumn<int>("lockAge");
        QTest::addColumn<bool>("readOnly"); // as a holder under umask 0222 leaves it
        QTest::newRow("fresh lock") << 0 << false;
        // Older than the stale time: the holder's flock still keeps it.
        QTest::newRow("lock two minutes old") << 120 << false;
        QTest::newRow("read-only lock two minutes old") << 120 << true;
    }

    void secondStartIsRefusedWhileTheFirstRuns()
    {
        QFETCH(int, lockAge);
        QFETCH(bool, readOnly);
        QTemporaryDir dir;
        const QString lock = dir.filePath(QStringLiteral("amorisk.lock"));
        auto first = startHolder(lock);
        QCOMPARE(answerOf(*first), QStringLiteral("acquired"));
        QVERIFY(age(lock, lockAge));
        QVERIFY(!readOnly || QFile::setPermissions(lock, QFile::ReadOwner | QFile::ReadOther));

        auto second = startHolder(lock);
        QCOMPARE(answerOf(*second), QStringLiteral("refused"));
        QVERIFY(second->waitForFinished(10000));
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(first->state(), QProcess::Running);

        first->closeWriteChannel();
        QVERIFY(first->waitForFinished(10000));
        auto third = startHolder(lock);
        QCOMPARE(answerOf(*third), QStringLiteral("acquired"));
        third->closeWriteChannel();
        QVERIFY(third->waitForFinished(10000));
    }

    void lockOfKilledProcessDoesNotRefuseNextStart()
    {
        QTemporaryDir dir;
        const QString lock = dir.filePath(QStringLiteral("amorisk.lock"));
        auto first = startHolder(lock);
        QCOMPARE(answerOf(*first), QStringLiteral("acquired"));
        ::kill(static_cast<pid_t>(first->processId()), SIGKILL);
        QVERIFY(first->waitForFinished(10000));
        QVERIFY2(QFile::exists(lock), "a killed holder leaves its file behind");

        auto next = startHolder(lock);
        QCOMPARE(answerOf(*next), QStringLiteral("acquired"));
        next->closeWriteChannel();
        QVERIFY(next->waitForFinished(10000));
    }

    void leftoverInTheLocksPlaceDoesNotRefuseTheStart_data()
    {
        QTest::addColumn<QString>("leftover");
        QTest::addColumn<int>("fileAge");
        QTest::addColumn<bool>("warned"); // started without the one-instance check

        QTest::newRow("file of a dead process") << "dead" << 0 << false;
        // What a power cut can leave in a disk-backed runtime folder.
        QTest::newRow("empty file two days old") << "empty" << 2 * 24 * 3600 << false;
        QTest::newRow("garbage file an hour old") << "garbage" << 3600 << false;
        QTest::newRow("directory in its place") << "directory" << 0 << true;
        QTest::newRow("broken link in its place") << "link" << 0 << true;
    }

    void leftoverInTheLocksPlaceDoesNotRefuseTheStart()
    {
        QFETCH(QString, leftover);
        QFETCH(int, fileAge);
        QFETCH(bool, warned);
        QTemporaryDir dir;
        const QString lock = dir.filePath(QStringLiteral("amorisk.lock"));
        if (leftover == QLatin1String("directory")) {
            QVERIFY(QDir().mkdir(lock));
        } else if (leftover == QLatin1String("link")) {
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone")), lock));
        } else {
            QByteArray contents;
            if (leftover == QLatin1String("dead")) {
                // A PID that is certainly not running now.
                QProcess gone;
                gone.start(QStringLiteral("true"));
                QVERIFY(gone.waitForStarted(10000));
                const qint64 deadPid = gone.processId();
                QVERIFY(gone.waitForFinished(10000));
                contents = QByteArray::number(deadPid) + "\namorisk\n"
                        + QSysInfo::machineHostName().toUtf8() + "\n" + QSysInfo::machineUniqueId()
                        + "\n";
            } else if (leftover == QLatin1String("garbage")) {
                contents = QByteArray("\x8f\x01garbage\n\n\xff", 12);
            }
            QFile file(lock);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
            file.close();
            QVERIFY(age(lock, fileAge));
        }

        auto next = startHolder(lock);
        QCOMPARE(answerOf(*next), QStringLiteral("acquired"));
        next->closeWriteChannel();
        QVERIFY(next->waitForFinished(10000));
        const QStringList said = QString::fromLocal8Bit(next->readAllStandardError())
                                         .split(QLatin1Char('\n'))
                                         .filter(lock);
        QCOMPARE(said.size(), warned ? 1 : 0);
    }

    void tenSimultaneousStartsLeaveExactlyOne()
    {
        QTemporaryDir dir;
        const QString lock = dir.filePath(QStringLiteral("amorisk.lock"));
        for (int round = 0; round < 3; ++round) {
            std::vector<std::unique_ptr<QProcess>> processes;
            for (int i = 0; i < 10; ++i)
                processes.push_back(startHolder(lock));
            int acquired = 0;
            int refused = 0;
            for (auto &p : processes) {
                const QString answer = answerOf(*p);
                acquired += answer == QLatin1String("acquired");
                refused += answer == QLatin1String("refused");
            }
            QCOMPARE(acquired, 1);
            QCOMPARE(refused, 9);
            for (auto &p : processes) {
                p->closeWriteChannel();
                QVERIFY(p->waitForFinished(10000));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
