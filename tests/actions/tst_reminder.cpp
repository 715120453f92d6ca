#include "fakes.h"
#include "modhelp.h"
#include "pages.h"
#include "reminder.h"

#include <QTest>

using namespace amorisk;
using web::ReminderDecision;

Q_DECLARE_METATYPE(ReminderDecision)

namespace {

const QDate Today(2026, 12, 7);
const QString Key = QStringLiteral("LastUpdateReminder");

QString isoDaysFromToday(int days)
{
    return Today.addDays(days).toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace

class TestReminder : public QObject
{
    Q_OBJECT

private slots:
    void decision_data();
    void decision();
    void startUp_data();
    void startUp();
    void asksTheExactQuestion();
    void brokenStoreNeverStopsStartUp_data();
    void brokenStoreNeverStopsStartUp();
};

void TestReminder::decision_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<ReminderDecision>("expected");

    QTest::newRow("nothing stored") << QVariant() << ReminderDecision::StoreToday;
    QTest::newRow("today") << QVariant(isoDaysFromToday(0)) << ReminderDecision::StayQuiet;
    QTest::newRow("14 days ago") << QVariant(isoDaysFromToday(-14)) << ReminderDecision::StayQuiet;
    QTest::newRow("15 days ago") << QVariant(isoDaysFromToday(-15)) << ReminderDecision::Ask;
    QTest::newRow("14 days ahead") << QVariant(isoDaysFromToday(14)) << ReminderDecision::StayQuiet;
    QTest::newRow("15 days ahead") << QVariant(isoDaysFromToday(15)) << ReminderDecision::Ask;
    QTest::newRow("years ago") << QVariant(QStringLiteral("1999-01-01")) << ReminderDecision::Ask;
    QTest::newRow("as a date value") << QVariant(Today.addDays(-30)) << ReminderDecision::Ask;
    QTest::newRow("garbage") << QVariant(QStringLiteral("soon")) << ReminderDecision::StoreToday;
    QTest::newRow("no such day") << QVariant(QStringLiteral("2024-02-30"))
                                 << ReminderDecision::StoreToday;
    QTest::newRow("empty text") << QVariant(QString()) << ReminderDecision::StoreToday;
    QTest::newRow("trailing line break")
            << QVariant(isoDaysFromToday(-30) + QLatin1Char('\n')) << ReminderDecision::StoreToday;
    QTest::newRow("a number") << QVariant(20261107) << ReminderDecision::StoreToday;
    QTest::newRow("a list") << QVariant(QStringList{isoDaysFromToday(-30)})
                            << ReminderDecision::StoreToday;
}

void TestReminder::decision()
{
    QFETCH(QVariant, stored);
    QFETCH(ReminderDecision, expected);
    QCOMPARE(web::reminderDecision(Today, stored), expected);
}

void TestReminder::startUp_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<int>("questions");
    QTest::addColumn<QStringList>("opened");
    QTest::addColumn<QVariant>("storedAfter");

    const QString download = web::pageAddress(QStringLiteral("download-web-page"));
    const QVariant today(isoDaysFromToday(0));

    QTest::newRow("first run") << QVariant() << MessageAnswer::Yes << 0 << QStringList() << today;
    QTest::newRow("14 days ago") << QVariant(isoDaysFromToday(-14)) << MessageAnswer::Yes << 0
                                 << QStringList() << QVariant(isoDaysFromToday(-14));
    QTest::newRow("15 days ago, Yes") << QVariant(isoDaysFromToday(-15)) << MessageAnswer::Yes << 1
                                      << QStringList{download} << today;
    QTest::newRow("15 days ago, No")
            << QVariant(isoDaysFromToday(-15)) << MessageAnswer::No << 1 << QStringList() << today;
    QTest::newRow("garbage") << QVariant(QStringLiteral("#!?")) << MessageAnswer::Yes << 0
                             << QStringList() << today;
}

void TestReminder::startUp()
{
    QFETCH(QVariant, stored);
    QFETCH(MessageAnswer, answer);
    QFETCH(int, questions);
    QFETCH(QStringList, opened);
    QFETCH(QVariant, storedAfter);

    testing::TestServices fakes;
    fakes.calendar.date = Today;
    if (stored.isValid())
        fakes.settings.values.insert(Key, stored);
    fakes.messages.answers = {answer};

    RemindOfUpdate();

    QCOMPARE(fakes.messages.shown.size(), questions);
    QCOMPARE(fakes.opener.opened, opened);
    QCOMPARE(fakes.settings.values.value(Key), storedAfter);
    QCOMPARE(fakes.settings.values.size(), 1);
}

void TestReminder::asksTheExactQuestion()
{
    testing::TestServices fakes;
    fakes.calendar.date = Today;
    fakes.settings.values.insert(Key, isoDaysFromToday(-100));
    // The page must not open before the question has been answered.
    QStringList openedWhileAsking{QStringLiteral("not asked")};
    fakes.messages.onShow
            = [&](const testing::ShownMessage &) { openedWhileAsking = fakes.opener.opened; };
    fakes.messages.answers = {MessageAnswer::Yes};

    RemindOfUpdate();

    QCOMPARE(fakes.messages.shown.size(), 1);
    const testing::ShownMessage &asked = fakes.messages.shown.first();
    QCOMPARE(asked.text,
             QStringLiteral("There maybe an update to this software available\r"
                            "Do you want to check for an update?"));
    QCOMPARE(asked.icon, MessageIcon::Information);
    QCOMPARE(asked.buttons, MessageButtons::YesNo);
    QCOMPARE(openedWhileAsking, QStringList());
    QCOMPARE(fakes.opener.opened.size(), 1);
}

void TestReminder::brokenStoreNeverStopsStartUp_data()
{
    QTest::addColumn<bool>("readable");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("questions");

    QTest::newRow("unwritable, first run") << true << false << QVariant() << 0;
    QTest::newRow("unwritable, recent date")
            << true << false << QVariant(isoDaysFromToday(-3)) << 0;
    // A date it can still read is honoured; the question comes again next time.
    QTest::newRow("unwritable, old date") << true << false << QVariant(isoDaysFromToday(-30)) << 1;
    QTest::newRow("unreadable") << false << true << QVariant(isoDaysFromToday(-30)) << 0;
    QTest::newRow("unreadable and unwritable")
            << false << false << QVariant(isoDaysFromToday(-30)) << 0;
}

void TestReminder::brokenStoreNeverStopsStartUp()
{
    QFETCH(bool, readable);
    QFETCH(bool, writable);
    QFETCH(QVariant, stored);
    QFETCH(int, questions);

    testing::TestServices fakes;
    fakes.calendar.date = Today;
    if (stored.isValid())
        fakes.settings.values.insert(Key, stored);
    fakes.settings.readable = readable;
    fakes.settings.writable = writable;
    fakes.messages.answers = {MessageAnswer::No};

    RemindOfUpdate();

    QCOMPARE(fakes.messages.shown.size(), questions);
    QVERIFY(fakes.opener.opened.isEmpty());
    QCOMPARE(fakes.exitCodes, QList<int>());
}

QTEST_MAIN(TestReminder)
#include "tst_reminder.moc"
