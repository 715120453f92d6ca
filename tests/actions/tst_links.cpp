#include "fakes.h"
#include "modhelp.h"
#include "pages.h"

#include <QTest>

using namespace amorisk;

using LinkRoutine = void (*)();
Q_DECLARE_METATYPE(LinkRoutine)

class TestLinks : public QObject
{
    Q_OBJECT

private slots:
    void eachRoutineOpensItsOwnPage_data();
    void eachRoutineOpensItsOwnPage();
    void siteBaseIsSchemeAndHostOnly();
    void openWebPageHandsOverTheAddressUntouched_data();
    void openWebPageHandsOverTheAddressUntouched();
    void openWebPageWithoutOpenerDoesNothing();
};

void TestLinks::eachRoutineOpensItsOwnPage_data()
{
    QTest::addColumn<LinkRoutine>("routine");
    QTest::addColumn<QString>("key");

    QTest::newRow("OpenHomePage") << LinkRoutine(&OpenHomePage) << "home-page";
    QTest::newRow("OpenHelpPage") << LinkRoutine(&OpenHelpPage) << "help-web-page";
    QTest::newRow("CheckForUpdate") << LinkRoutine(&CheckForUpdate) << "download-web-page";
    QTest::newRow("OpenDonatePage") << LinkRoutine(&OpenDonatePage) << "donate";
    QTest::newRow("OpenFullyBrandedPage") << LinkRoutine(&OpenFullyBrandedPage) << "fully-branded";
    QTest::newRow("OpenCoBrandPage") << LinkRoutine(&OpenCoBrandPage) << "co-brand";
    QTest::newRow("OpenSoftwareDownloadsPage")
            << LinkRoutine(&OpenSoftwareDownloadsPage) << "zentharisoftwares";
}

void TestLinks::eachRoutineOpensItsOwnPage()
{
    QFETCH(LinkRoutine, routine);
    QFETCH(QString, key);
    testing::TestServices fakes;

    routine();

    // Exactly one address, and no question first (the update link included).
    QCOMPARE(fakes.opener.opened,
             QStringList{web::siteBase() + QStringLiteral("/amorisk/ssd.php?page=") + key});
    QVERIFY(fakes.messages.shown.isEmpty());
    QCOMPARE(fakes.settings.writes, 0);
}

void TestLinks::siteBaseIsSchemeAndHostOnly()
{
    const QString base = web::siteBase();
    QVERIFY2(!base.endsWith(QLatin1Char('/')), qPrintable(base));
    const QUrl url(base, QUrl::StrictMode);
    QVERIFY2(url.isValid(), qPrintable(base));
    QVERIFY(url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http"));
    QVERIFY(!url.host().isEmpty());
    QVERIFY(url.path().isEmpty());
    QCOMPARE(web::productFolderAddress(), base + QStringLiteral("/amorisk/"));
}

void TestLinks::openWebPageHandsOverTheAddressUntouched_data()
{
    QTest::addColumn<QString>("address");
    QTest::newRow("page address") << web::pageAddress(QStringLiteral("donate"));
    QTest::newRow("encoded query") << QStringLiteral("https://example.org/a?x=%26%3D%23&y=%C3%AB");
    QTest::newRow("not an address at all") << QStringLiteral("; rm -rf ~ &");
}

void TestLinks::openWebPageHandsOverTheAddressUntouched()
{
    QFETCH(QString, address);
    testing::TestServices fakes;
    OpenWebPage(address);
    QCOMPARE(fakes.opener.opened, QStringList{address});
}

void TestLinks::openWebPageWithoutOpenerDoesNothing()
{
    testing::TestServices fakes;
    services() = defaultServices();
    OpenHomePage();
    QVERIFY(fakes.messages.shown.isEmpty());
}

QTEST_MAIN(TestLinks)
#include "tst_links.moc"
