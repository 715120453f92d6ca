#include <QElapsedTimer>
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

    static QString answerOf(QProcess &process)
    {
        if (!process.waitForReadyRead(10000))
            return QStringLiteral("(no answer)");
        return QString::fromLatin1(process.readLine()).trimmed();
    }

private slots:
    void secondStartIsRefusedWhileTheFirstRuns()
    {
        QTemporaryDir dir;
        const QString lock = dir.filePath(QStringLiteral("amorisk.lock"));
        auto first = startHolder(lock);
        QCOMPARE(answerOf(*first), QStringLiteral("acquired"));

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

    void leftoverFileOfDeadProcessIsTakenOver()
    {
        // A file as a process that died long ago would have left it, with a
        // PID that is certainly not running now.
        QTemporaryDir dir;
        const QString lock = dir.filePath(QStringLiteral("amorisk.lock"));
        QProcess gone;
        gone.start(QStringLiteral("true"));
        QVERIFY(gone.waitForStarted(10000));
        const qint64 deadPid = gone.processId();
        QVERIFY(gone.waitForFinished(10000));
        QFile file(lock);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::number(deadPid) + "\namorisk\n"
                   + QSysInfo::machineHostName().toUtf8() + "\n" + QSysInfo::machineUniqueId()
                   + "\n");
        file.close();

        auto next = startHolder(lock);
        QCOMPARE(answerOf(*next), QStringLiteral("acquired"));
        next->closeWriteChannel();
        QVERIFY(next->waitForFinished(10000));
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
