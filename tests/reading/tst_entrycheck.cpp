#include "entrycheck.h"

#include <QDate>
#include <QLocale>
#include <QTest>

using namespace amorisk;
using namespace amorisk::reading;

Q_DECLARE_METATYPE(amorisk::reading::EntryInput)
Q_DECLARE_METATYPE(amorisk::reading::FocusTarget)

namespace {

const QString firstNameMessage = QStringLiteral("Please Enter Your First Name");
const QString lastNameMessage = QStringLiteral("Please Enter Your Last Name");
const QString februaryMessage = QStringLiteral("Please Enter Correct Date Or Month!");
const QString thirtyDayMessage = QStringLiteral("Please Enter Correct Date Or Month !");

EntryInput entry(const QString &first, const QString &last, int month, int day, const QString &year)
{
    EntryInput input;
    input.firstName = first;
    input.lastName = last;
    input.monthPosition = month - 1;
    input.dayPosition = day - 1;
    input.yearText = year;
    return input;
}

void addCase(const char *name, const EntryInput &input, const QString &message, FocusTarget focus)
{
    QTest::newRow(name) << input << message << focus;
}

} // namespace

class TestEntryCheck : public QObject
{
    Q_OBJECT

private slots:
    void firstFailingCheckDecides_data();
    void firstFailingCheckDecides();
    void acceptsExactlyTheRealDates_data();
    void acceptsExactlyTheRealDates();
    void leapRuleMatchesTheCalendar();
    void signOnBothSidesOfEveryCusp_data();
    void signOnBothSidesOfEveryCusp();
    void positionsOutsideTheListsGiveNoSign_data();
    void positionsOutsideTheListsGiveNoSign();
    void sunSignKeepsTheLastSignFound();
};

void TestEntryCheck::firstFailingCheckDecides_data()
{
    QTest::addColumn<EntryInput>("input");
    QTest::addColumn<QString>("message");
    QTest::addColumn<FocusTarget>("focus");

    const auto firstName = FocusTarget::FirstName;
    const auto lastName = FocusTarget::LastName;
    const auto unchanged = FocusTarget::Unchanged;
    const QString accepted;
    addCase("both names empty, bad date", entry("", "", 2, 30, "1901"), firstNameMessage,
            firstName);
    addCase("first name empty, last given", entry("", "Lee", 1, 1, "1900"), firstNameMessage,
            firstName);
    addCase("first name empty, April 31", entry("", "Lee", 4, 31, "1999"), firstNameMessage,
            firstName);
    addCase("last name empty, February 30", entry("Ann", "", 2, 30, "2000"), lastNameMessage,
            lastName);
    addCase("last name empty, June 31", entry("Ann", "", 6, 31, "2000"), lastNameMessage, lastName);
    addCase("last name empty, good date", entry("Ann", "", 7, 4, "1976"), lastNameMessage,
            lastName);
    addCase("blank names, February 30", entry(" ", " ", 2, 30, "2000"), februaryMessage, unchanged);
    addCase("blank first name is present", entry(" ", "Lee", 5, 5, "1950"), accepted, unchanged);
    addCase("blank last name is present", entry("Ann", " ", 5, 5, "1950"), accepted, unchanged);
    addCase("February 29, 1901", entry("Ann", "Lee", 2, 29, "1901"), februaryMessage, unchanged);
    addCase("November 31", entry("Ann", "Lee", 11, 31, "2024"), thirtyDayMessage, unchanged);
    addCase("untouched lists", entry("Ann", "Lee", 1, 1, "1900"), accepted, unchanged);
    // The year list offers only numbers; a year that is not one must not break the check.
    addCase("year empty, February 29", entry("Ann", "Lee", 2, 29, ""), februaryMessage, unchanged);
    addCase("year not a number, February 29", entry("Ann", "Lee", 2, 29, "20x0"), februaryMessage,
            unchanged);
    addCase("year not a number, February 28", entry("Ann", "Lee", 2, 28, "abc"), accepted,
            unchanged);
    addCase("year not a number, April 31", entry("Ann", "Lee", 4, 31, "abc"), thirtyDayMessage,
            unchanged);
}

void TestEntryCheck::firstFailingCheckDecides()
{
    QFETCH(EntryInput, input);
    QFETCH(QString, message);
    QFETCH(FocusTarget, focus);

    const EntryOutcome outcome = ValidateInput(input);
    QCOMPARE(outcome.accepted, message.isEmpty());
    QCOMPARE(outcome.message, message);
    QCOMPARE(outcome.focus, focus);
}

void TestEntryCheck::acceptsExactlyTheRealDates_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");

    // Every pair the day and month lists can form, in a common year, a leap
    // year and a century that is not a leap year.
    for (int year : {1900, 1999, 2000})
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= 31; ++day)
                QTest::addRow("%04d-%02d-%02d", year, month, day) << year << month << day;
}

void TestEntryCheck::acceptsExactlyTheRealDates()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);

    const EntryOutcome outcome
            = ValidateInput(entry("Ann", "Lee", month, day, QString::number(year)));
    const bool real = QDate(year, month, day).isValid();
    QCOMPARE(outcome.accepted, real);
    QCOMPARE(outcome.focus, FocusTarget::Unchanged);
    if (real)
        QCOMPARE(outcome.message, QString());
    else
        QCOMPARE(outcome.message, month == 2 ? februaryMessage : thirtyDayMessage);
}

void TestEntryCheck::leapRuleMatchesTheCalendar()
{
    for (int year = 1; year <= 4000; ++year)
        QVERIFY2(isLeapYear(year) == QDate::isLeapYear(year), qPrintable(QString::number(year)));
}

void TestEntryCheck::signOnBothSidesOfEveryCusp_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("sign");

    struct Cusp
    {
        int month;
        int lastDay;
        const char *before;
        const char *after;
    };
    const Cusp cusps[] = {
            {1, 19, "Capricorn", "Aquarius"},   {2, 18, "Aquarius", "Pisces"},
            {3, 20, "Pisces", "Aries"},         {4, 20, "Aries", "Taurus"},
            {5, 20, "Taurus", "Gemini"},        {6, 20, "Gemini", "Cancer"},
            {7, 20, "Cancer", "Leo"},           {8, 20, "Leo", "Virgo"},
            {9, 20, "Virgo", "Libra"},          {10, 20, "Libra", "Scorpio"},
            {11, 20, "Scorpio", "Sagittarius"}, {12, 20, "Sagittarius", "Capricorn"},
    };
    for (const Cusp &c : cusps) {
        const QString monthName = QLocale::c().monthName(c.month);
        QTest::addRow("%s %d", qPrintable(monthName), c.lastDay)
                << c.month << c.lastDay << QString::fromLatin1(c.before);
        QTest::addRow("%s %d", qPrintable(monthName), c.lastDay + 1)
                << c.month << c.lastDay + 1 << QString::fromLatin1(c.after);
    }
    QTest::newRow("January 1") << 1 << 1 << "Capricorn";
    QTest::newRow("January 31") << 1 << 31 << "Aquarius";
    QTest::newRow("February 29") << 2 << 29 << "Pisces";
    QTest::newRow("March 31") << 3 << 31 << "Aries";
    QTest::newRow("December 31") << 12 << 31 << "Capricorn";
    // Days the entry check refuses still take the sign their month ends with.
    QTest::newRow("February 31") << 2 << 31 << "Pisces";
    QTest::newRow("November 31") << 11 << 31 << "Sagittarius";
}

void TestEntryCheck::signOnBothSidesOfEveryCusp()
{
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, sign);

    QCOMPARE(sunSignFor(month - 1, day - 1), sign);
}

void TestEntryCheck::positionsOutsideTheListsGiveNoSign_data()
{
    QTest::addColumn<int>("monthPosition");
    QTest::addColumn<int>("dayPosition");

    QTest::newRow("month before January") << -1 << 0;
    QTest::newRow("month after December") << 12 << 0;
    QTest::newRow("day before the first") << 0 << -1;
    QTest::newRow("day after the 31st") << 0 << 31;
    QTest::newRow("December, day after the 31st") << 11 << 31;
}

void TestEntryCheck::positionsOutsideTheListsGiveNoSign()
{
    QFETCH(int, monthPosition);
    QFETCH(int, dayPosition);

    QCOMPARE(sunSignFor(monthPosition, dayPosition), QString());
}

void TestEntryCheck::sunSignKeepsTheLastSignFound()
{
    SunSign.clear();
    DetermineSunSign(12, 0);
    QCOMPARE(SunSign, QString());

    DetermineSunSign(6, 21); // July 22
    QCOMPARE(SunSign, QStringLiteral("Leo"));
    DetermineSunSign(12, 0);
    QCOMPARE(SunSign, QStringLiteral("Leo"));
    DetermineSunSign(0, 31);
    QCOMPARE(SunSign, QStringLiteral("Leo"));

    DetermineSunSign(1, 18); // February 19
    QCOMPARE(SunSign, QStringLiteral("Pisces"));
}

QTEST_APPLESS_MAIN(TestEntryCheck)
#include "tst_entrycheck.moc"
