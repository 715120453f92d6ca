#include "fakes.h"
#include "modtellafriend.h"
#include "pages.h"
#include "referral.h"

#include <QTest>
#include <QUrl>
#include <QUrlQuery>

using namespace amorisk;
using web::ReferralValues;

Q_DECLARE_METATYPE(ReferralValues)

namespace {

const QString ProperAddress = QStringLiteral("Please Enter Proper Email Address");
const QString DistinctAddresses = QStringLiteral("Please Enter Distinct Email Addresses");

ReferralValues goodValues()
{
    return {QStringLiteral("Ann Lee"), QStringLiteral("ann@example.org"),
            QStringLiteral("Your Message\r\n"), QStringLiteral("Bob"),
            QStringLiteral("bob@example.net")};
}

ReferralValues with(void (*change)(ReferralValues &))
{
    ReferralValues v = goodValues();
    change(v);
    return v;
}

QStringList asList(const ReferralValues &v)
{
    return {v.name, v.email, v.message, v.friendName, v.friendEmail};
}

} // namespace

class TestReferral : public QObject
{
    Q_OBJECT

private slots:
    void stripsOnlySpaces_data();
    void stripsOnlySpaces();
    void submitChecks_data();
    void submitChecks();
    void referralChecks_data();
    void referralChecks();
    void addressHasTheAgreedShape();
    void valuesSurviveTheAddress_data();
    void valuesSurviveTheAddress();
    void sendReferral_data();
    void sendReferral();
};

void TestReferral::stripsOnlySpaces_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("both ends") << "  Ann Lee   "
                               << "Ann Lee";
    QTest::newRow("spaces only") << "    "
                                 << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("tab and line break stay") << "\t Ann \r\n"
                                             << "\t Ann \r\n";
    QTest::newRow("inside a line break") << " Your Message\r\n "
                                         << "Your Message\r\n";
    QTest::newRow("no-break space stays")
            << QStringLiteral("\u00a0Ann\u00a0") << QStringLiteral("\u00a0Ann\u00a0");
}

void TestReferral::stripsOnlySpaces()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(web::stripSpaces(text), expected);
}

void TestReferral::submitChecks_data()
{
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("friendEmail");
    QTest::addColumn<QString>("expected");

    QTest::newRow("untouched form") << "Your Email Address"
                                    << "Friend's Email Address" << ProperAddress;
    QTest::newRow("same address") << "ann@example.org"
                                  << "ann@example.org" << DistinctAddresses;
    QTest::newRow("same text without @") << "ann"
                                         << "ann" << DistinctAddresses;
    QTest::newRow("both empty") << ""
                                << "" << DistinctAddresses;
    QTest::newRow("differ only in case") << "Ann@example.org"
                                         << "ann@example.org"
                                         << "";
    QTest::newRow("own lacks @") << "ann.example.org"
                                 << "bob@example.net" << ProperAddress;
    QTest::newRow("friend's lacks @") << "ann@example.org"
                                      << "bob.example.net" << ProperAddress;
    QTest::newRow("own @ without .") << "ann@example"
                                     << "bob@example.net" << ProperAddress;
    QTest::newRow("friend's @ without .") << "ann@example.org"
                                          << "bob@example" << ProperAddress;
    QTest::newRow(". before @ passes") << "ann.lee@example"
                                       << "b.o@b"
                                       << "";
    QTest::newRow("bare @ and .") << "@."
                                  << ".@"
                                  << "";
    QTest::newRow("space inside passes") << "ann @example.org"
                                         << "bob@example.net"
                                         << "";
}

void TestReferral::submitChecks()
{
    QFETCH(QString, email);
    QFETCH(QString, friendEmail);
    QFETCH(QString, expected);
    QCOMPARE(web::submitProblem(email, friendEmail), expected);
}

void TestReferral::referralChecks_data()
{
    QTest::addColumn<ReferralValues>("values");
    QTest::addColumn<QString>("expected");

    const QString name = QStringLiteral("Please Enter Your Name");
    const QString email = QStringLiteral("Please Enter Your Email");
    const QString message = QStringLiteral("Please Enter Your Message");
    const QString friendName = QStringLiteral("Please Enter Your Friend's Name");
    const QString friendEmail = QStringLiteral("Please Enter Your Friend's Email");

    QTest::newRow("all filled") << goodValues() << "";
    QTest::newRow("untouched form")
            << ReferralValues{"Your Name", "Your Email Address", "Your Message\r\n",
                              "Friend's Name", "Friend's Email Address"}
            << name;
    QTest::newRow("name placeholder")
            << with([](ReferralValues &v) { v.name = "Your Name"; }) << name;
    QTest::newRow("name placeholder within spaces")
            << with([](ReferralValues &v) { v.name = "  Your Name "; }) << name;
    QTest::newRow("name placeholder in other case passes")
            << with([](ReferralValues &v) { v.name = "your name"; }) << "";
    QTest::newRow("name spaces only") << with([](ReferralValues &v) { v.name = "   "; }) << name;
    QTest::newRow("name empty") << with([](ReferralValues &v) { v.name = ""; }) << name;
    QTest::newRow("name a tab passes") << with([](ReferralValues &v) { v.name = "\t"; }) << "";
    QTest::newRow("email placeholder")
            << with([](ReferralValues &v) { v.email = "Your Email Address"; }) << email;
    QTest::newRow("email empty") << with([](ReferralValues &v) { v.email = " "; }) << email;
    QTest::newRow("message placeholder")
            << with([](ReferralValues &v) { v.message = "Your Message"; }) << message;
    QTest::newRow("message empty") << with([](ReferralValues &v) { v.message = ""; }) << message;
    QTest::newRow("message as created passes")
            << with([](ReferralValues &v) { v.message = "Your Message\r\n"; }) << "";
    QTest::newRow("friend's name placeholder")
            << with([](ReferralValues &v) { v.friendName = "Friend's Name"; }) << friendName;
    QTest::newRow("friend's email placeholder")
            << with([](ReferralValues &v) { v.friendEmail = "Friend's Email Address"; })
            << friendEmail;
    QTest::newRow("friend's email empty")
            << with([](ReferralValues &v) { v.friendEmail = "  "; }) << friendEmail;
    QTest::newRow("name before friend's name") << with([](ReferralValues &v) {
        v.name = "";
        v.friendName = "";
    }) << name;
    QTest::newRow("email before message") << with([](ReferralValues &v) {
        v.email = "";
        v.message = "";
    }) << email;
    QTest::newRow("message before friend's email") << with([](ReferralValues &v) {
        v.message = "Your Message";
        v.friendEmail = "";
    }) << message;
    QTest::newRow("friend's name before friend's email") << with([](ReferralValues &v) {
        v.friendName = "Friend's Name";
        v.friendEmail = "Friend's Email Address";
    }) << friendName;
}

void TestReferral::referralChecks()
{
    QFETCH(ReferralValues, values);
    QFETCH(QString, expected);
    QCOMPARE(web::referralProblem(values), expected);
}

void TestReferral::addressHasTheAgreedShape()
{
    const ReferralValues values{"Ann Lee", "ann@x.org", "Your Message\r\n", "Bob", "bob@y.org"};

    // The typed values are escaped; the product folder is written as it is.
    QCOMPARE(web::referralAddress(values),
             web::siteBase()
                     + QStringLiteral("/amorisk/ssd.php?page=qorv-refer-a-friend"
                                      "&taf1=Ann%20Lee&taf2=ann%40x.org"
                                      "&taf3=Your%20Message%0D%0A&taf4=Bob&taf5=bob%40y.org&taf6=")
                     + web::siteBase() + QStringLiteral("/amorisk/"));
}

void TestReferral::valuesSurviveTheAddress_data()
{
    QTest::addColumn<ReferralValues>("values");

    QTest::newRow("plain") << goodValues();
    QTest::newRow("query delimiters")
            << ReferralValues{"a&taf2=b", "x=y@z.org", "#top?q=1", "50% + 50%", "c;d/e@f.g"};
    QTest::newRow("pre-encoded text") << ReferralValues{"%20", "%41@b.c", "%%", "%2", "%zz"};
    QTest::newRow("line breaks and tabs")
            << ReferralValues{"Ann\tLee", "a@b.c", "Hi,\r\nsee this\rand\nthat", "\t", "\n@."};
    QTest::newRow("non-ASCII") << ReferralValues{
            QStringLiteral("Zoë 李"), QStringLiteral("zoë@例え.jp"), QStringLiteral("Grüße 😀 ❤"),
            QStringLiteral("Ñandú"), QStringLiteral("д@е.рф")};
    QTest::newRow("empty values") << ReferralValues{"", "", "", "", ""};
    QTest::newRow("spaces kept inside")
            << ReferralValues{" Ann ", "a @b.c", " ", "Bob  Ray", " b@c.d "};
    QTest::newRow("unreserved characters") << ReferralValues{"A-Z_a.z~0", "-", ".", "_", "~"};
    // Nine characters each once encoded, the most any one unit can take.
    const QString fullBox(web::maxBoxLength, QChar(0x20ac));
    QTest::newRow("full boxes of three-byte characters")
            << ReferralValues{fullBox, fullBox, fullBox, fullBox, fullBox};
}

void TestReferral::valuesSurviveTheAddress()
{
    QFETCH(ReferralValues, values);
    const QString address = web::referralAddress(values);
    // Linux passes at most 128 KiB, closing zero included, in one argument
    // to the program that opens it.
    QVERIFY2(address.size() < 128 * 1024, qPrintable(QString::number(address.size())));

    const QString prefix
            = web::pageAddress(QStringLiteral("qorv-refer-a-friend")) + QLatin1Char('&');
    QVERIFY2(address.startsWith(prefix), qPrintable(address));
    // The message only on failure: a full address is tens of thousands long.
    for (const QChar c : address) {
        if (c.unicode() <= 0x20 || c.unicode() >= 0x7f || c == QLatin1Char('#'))
            QFAIL(qPrintable(address));
    }

    const QStringList parameters = address.mid(prefix.size()).split(QLatin1Char('&'));
    QCOMPARE(parameters.size(), 6);
    QStringList decoded;
    for (int i = 0; i < parameters.size(); ++i) {
        const QStringList nameValue = parameters.at(i).split(QLatin1Char('='));
        QCOMPARE(nameValue.size(), 2);
        QCOMPARE(nameValue.at(0), QStringLiteral("taf%1").arg(i + 1));
        // As a web form server reads a value: a raw "+" is a space there.
        decoded << QUrl::fromPercentEncoding(nameValue.at(1).toLatin1().replace('+', ' '));
    }
    QCOMPARE(decoded, asList(values) << web::siteBase() + QStringLiteral("/amorisk/"));

    // What the desktop opener makes of it: a valid address, unchanged, whose
    // query a web server reads back as the same values.
    const QUrl url(address, QUrl::StrictMode);
    QVERIFY2(url.isValid(), qPrintable(url.errorString()));
    QCOMPARE(url.toString(QUrl::FullyEncoded), address);
    const QUrlQuery query(url);
    QStringList fromQuery;
    for (int i = 1; i <= 5; ++i)
        fromQuery << query.queryItemValue(QStringLiteral("taf%1").arg(i), QUrl::FullyDecoded);
    QCOMPARE(fromQuery, asList(values));
}

void TestReferral::sendReferral_data()
{
    QTest::addColumn<ReferralValues>("values");
    QTest::addColumn<QString>("message");

    QTest::newRow("all filled") << goodValues() << "";
    QTest::newRow("name placeholder")
            << with([](ReferralValues &v) { v.name = "Your Name"; }) << "Please Enter Your Name";
    QTest::newRow("friend's email empty") << with([](ReferralValues &v) { v.friendEmail = ""; })
                                          << "Please Enter Your Friend's Email";
}

void TestReferral::sendReferral()
{
    QFETCH(ReferralValues, values);
    QFETCH(QString, message);
    testing::TestServices fakes;
    modTellAFriend::values() = values;

    modTellAFriend::SendReferral();

    if (message.isEmpty()) {
        QVERIFY(fakes.messages.shown.isEmpty());
        QCOMPARE(fakes.opener.opened, QStringList{web::referralAddress(values)});
    } else {
        QCOMPARE(fakes.messages.texts(), QStringList{message});
        QCOMPARE(fakes.messages.shown.first().icon, MessageIcon::Critical);
        QCOMPARE(fakes.messages.shown.first().buttons, MessageButtons::Ok);
        QVERIFY(fakes.opener.opened.isEmpty());
    }
    // Checking never rewrites what the form handed over.
    QCOMPARE(asList(modTellAFriend::values()), asList(values));
}

QTEST_MAIN(TestReferral)
#include "tst_referral.moc"
