#include "entrycheck.h"
#include "signtable.h"

#include <QDate>
#include <QMap>
#include <QStringList>
#include <QTest>

using namespace amorisk::reading;

namespace {

const QStringList signNames
        = {"Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
           "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

const QMap<QString, QString> elementOf = {
        {"Aries", "Fire"},   {"Leo", "Fire"},        {"Sagittarius", "Fire"}, {"Taurus", "Earth"},
        {"Virgo", "Earth"},  {"Capricorn", "Earth"}, {"Gemini", "Air"},       {"Libra", "Air"},
        {"Aquarius", "Air"}, {"Cancer", "Water"},    {"Scorpio", "Water"},    {"Pisces", "Water"},
};

enum Paragraph { PositiveTraits, NegativeTraits, RomanceProfile };

const char *paragraphOf(const SignProfile &row, Paragraph which)
{
    switch (which) {
    case PositiveTraits:
        return row.positiveTraits;
    case NegativeTraits:
        return row.negativeTraits;
    case RomanceProfile:
        return row.romanceProfile;
    }
    return nullptr;
}

bool spanContains(const SignProfile &row, const QDate &day)
{
    const int key = day.month() * 100 + day.day();
    const int first = row.firstDay.month * 100 + row.firstDay.day;
    const int last = row.lastDay.month * 100 + row.lastDay.day;
    return first <= last ? key >= first && key <= last : key >= first || key <= last;
}

void addSign(const char *name, int index, const char *first, const char *last, const char *number,
             const char *weekday, const char *birthstone)
{
    QTest::newRow(name) << index << QString::fromLatin1(first) << QString::fromLatin1(last)
                        << QString::fromLatin1(number) << QString::fromLatin1(weekday)
                        << QString::fromLatin1(birthstone);
}

} // namespace

class TestSignTable : public QObject
{
    Q_OBJECT

private slots:
    void shortFieldsOfEachRow_data();
    void shortFieldsOfEachRow();
    void compatibilityNamesTheOtherSignsOfTheElement_data();
    void compatibilityNamesTheOtherSignsOfTheElement();
    void everyDayBelongsToExactlyOneSign_data();
    void everyDayBelongsToExactlyOneSign();
    void paragraphsHaveTheirOpeningAndLength_data();
    void paragraphsHaveTheirOpeningAndLength();
    void lookupIsExactAndCaseSensitive_data();
    void lookupIsExactAndCaseSensitive();
};

void TestSignTable::shortFieldsOfEachRow_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("weekday");
    QTest::addColumn<QString>("birthstone");

    addSign("Aries", 1, "03-21", "04-20", "9", "Tuesday", "Diamond");
    addSign("Taurus", 2, "04-21", "05-20", "6", "Friday", "Emerald");
    addSign("Gemini", 3, "05-21", "06-20", "5", "Wednesday", "Agate");
    addSign("Cancer", 4, "06-21", "07-20", "2", "Monday", "Pearl");
    addSign("Leo", 5, "07-21", "08-20", "8 and 9", "Sunday", "Ruby");
    addSign("Virgo", 6, "08-21", "09-20", "3 and 5", "Wednesday", "Sapphire");
    addSign("Libra", 7, "09-21", "10-20", "6 and 9", "Friday", "Opal");
    addSign("Scorpio", 8, "10-21", "11-20", "2 and 4", "Tuesday", "Topaz");
    addSign("Sagittarius", 9, "11-21", "12-20", "5 and 7", "Thursday", "Turquoise");
    addSign("Capricorn", 10, "12-21", "01-19", "8 and 2", "Saturday", "Garnet");
    addSign("Aquarius", 11, "01-20", "02-18", "1 and 7", "Wednesday", "Amethyst");
    addSign("Pisces", 12, "02-19", "03-20", "2 and 6", "Friday", "Aquamarine");
}

void TestSignTable::shortFieldsOfEachRow()
{
    QFETCH(int, index);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QString, number);
    QFETCH(QString, weekday);
    QFETCH(QString, birthstone);
    const QString name = QString::fromLatin1(QTest::currentDataTag());

    const SignProfile &row = signTable().at(index - 1);
    QCOMPARE(row.index, index);
    QCOMPARE(QString::fromLatin1(row.name), name);
    const auto monthDay = [](MonthDay d) {
        return QStringLiteral("%1-%2")
                .arg(d.month, 2, 10, QLatin1Char('0'))
                .arg(d.day, 2, 10, QLatin1Char('0'));
    };
    QCOMPARE(monthDay(row.firstDay), first);
    QCOMPARE(monthDay(row.lastDay), last);
    QCOMPARE(QString::fromLatin1(row.element), elementOf.value(name));
    QCOMPARE(QString::fromLatin1(row.luckyNumber), number);
    QCOMPARE(QString::fromLatin1(row.luckyDay), weekday);
    QCOMPARE(QString::fromLatin1(row.birthstone), birthstone);
    QCOMPARE(QString::fromLatin1(row.pictureKey), name.toLower() + QStringLiteral(".jpg"));
    QCOMPARE(findSign(name), &row);
}

void TestSignTable::compatibilityNamesTheOtherSignsOfTheElement_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : signNames)
        QTest::newRow(qPrintable(name)) << name;
}

void TestSignTable::compatibilityNamesTheOtherSignsOfTheElement()
{
    QFETCH(QString, name);

    QStringList others;
    for (auto it = elementOf.cbegin(); it != elementOf.cend(); ++it)
        if (it.value() == elementOf.value(name) && it.key() != name)
            others << it.key();
    others.sort();
    QCOMPARE(others.size(), 2);

    const SignProfile *row = findSign(name);
    QVERIFY(row);
    QCOMPARE(QString::fromLatin1(row->compatibility), others.join(QStringLiteral(" and ")));
}

void TestSignTable::everyDayBelongsToExactlyOneSign_data()
{
    QTest::addColumn<QDate>("day");
    // A leap year, so February 29 is among them.
    for (QDate day(2000, 1, 1); day.year() == 2000; day = day.addDays(1))
        QTest::newRow(qPrintable(day.toString(Qt::ISODate))) << day;
}

void TestSignTable::everyDayBelongsToExactlyOneSign()
{
    QFETCH(QDate, day);

    const QString sign = sunSignFor(day.month() - 1, day.day() - 1);
    const SignProfile *row = findSign(sign);
    QVERIFY2(row, qPrintable(sign));
    QVERIFY2(spanContains(*row, day), qPrintable(sign));

    int spans = 0;
    for (const SignProfile &other : signTable())
        spans += spanContains(other, day) ? 1 : 0;
    QCOMPARE(spans, 1);
}

void TestSignTable::paragraphsHaveTheirOpeningAndLength_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<int>("length");

    struct Expected
    {
        const char *name;
        const char *openings[3];
        int lengths[3];
    };
    const Expected expected[] = {
            {"Aries",
             {"You may be pioneers in your fields", "You may be arrogant and domineering.",
              "Bubbling with energy and enthusiasm, the Ram"},
             {727, 604, 733}},
            {"Taurus",
             {"You are patient and enduring in nature.", "You are very stubborn and inflexible.",
              "Cloaked by the obvious dignity and that unmistakable"},
             {755, 405, 622}},
            {"Gemini",
             {"You are very adjusting in nature and have",
              "You are inconsistent in your performance.",
              "In spite of their legendary wit and razor"},
             {745, 526, 717}},
            {"Cancer",
             {"You are very sensitive in nature and generally",
              "You are unstable and very unreliable.", "The crab may seem to be shy"},
             {866, 609, 577}},
            {"Leo",
             {"You are leaders and have a magnetic", "You have a violent temper.",
              "This is the ideal lover for those who"},
             {998, 646, 561}},
            {"Virgo",
             {"You are very modest by nature.", "Your need for neatness may make them fussy",
              "Nothing trivial, superficial or false flattery can win"},
             {513, 331, 708}},
            {"Libra",
             {"You are highly diplomatic individuals.", "You cannot take make decisions",
              "Gifted with an eye to find beauty"},
             {717, 366, 793}},
            {"Scorpio",
             {"You are intense and strong willed people", "You have a very short temper.",
              "Belonging to the sexiest sign of the zodiac,"},
             {702, 536, 780}},
            {"Sagittarius",
             {"You are a happy go lucky lot", "You may be too outspoken for your own good.",
              "It can be an enriching experience to flourish"},
             {874, 378, 795}},
            {"Capricorn",
             {"You are people with a traditional frame of mind.", "You are very rigid in nature",
              "Capricorns do not score among the intensely passionate"},
             {732, 550, 635}},
            {"Aquarius",
             {"You are magnetic in nature", "You do not make friends very easily",
              "The water bearer with his verbal dexterity,"},
             {754, 655, 688}},
            {"Pisces",
             {"You are very adjusting, friendly", "You want people to sympathize",
              "These dreamy and mysterious creatures"},
             {681, 415, 673}},
    };
    const char *kinds[] = {"positive traits", "negative traits", "romance profile"};
    for (const Expected &e : expected)
        for (int which = PositiveTraits; which <= RomanceProfile; ++which)
            QTest::addRow("%s %s", e.name, kinds[which])
                    << QString::fromLatin1(e.name) << which
                    << QString::fromLatin1(e.openings[which]) << e.lengths[which];
}

void TestSignTable::paragraphsHaveTheirOpeningAndLength()
{
    QFETCH(QString, name);
    QFETCH(int, which);
    QFETCH(QString, opening);
    QFETCH(int, length);

    const SignProfile *row = findSign(name);
    QVERIFY(row);
    const char *text = paragraphOf(*row, Paragraph(which));
    QVERIFY(text);
    const QByteArray bytes(text);

    QVERIFY2(bytes.startsWith(opening.toLatin1()), text);
    QCOMPARE(bytes.size(), length);
    for (char c : bytes)
        QVERIFY2(c >= ' ' && c <= '~', qPrintable(QStringLiteral("character %1").arg(int(c))));
    QVERIFY(!bytes.contains("  "));
}

void TestSignTable::lookupIsExactAndCaseSensitive_data()
{
    // Every exact name is found by shortFieldsOfEachRow; these are near misses.
    QTest::addColumn<QString>("name");

    QTest::newRow("lower case") << "leo";
    QTest::newRow("upper case") << "LEO";
    QTest::newRow("trailing blank") << "Leo ";
    QTest::newRow("leading blank") << " Leo";
    QTest::newRow("part of a name") << "Pisc";
    QTest::newRow("empty") << "";
}

void TestSignTable::lookupIsExactAndCaseSensitive()
{
    QFETCH(QString, name);
    QCOMPARE(findSign(name), nullptr);
}

QTEST_APPLESS_MAIN(TestSignTable)
#include "tst_signtable.moc"
