#include "app/realservices.h"
#include "fakes.h"
#include "web/modhelp.h"
#include "web/pages.h"

#include <QDesktopServices>
#include <QTest>
#include <QUrl>

using namespace amorisk;

using LinkRoutine = void (*)();
Q_DECLARE_METATYPE(LinkRoutine)

// Receives what QDesktopServices would have handed to the browser.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void openUrl(const QUrl &url) { urls << url; }
};

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
    void desktopOpenerPassesTheAddressIntact_data();
    void desktopOpenerPassesTheAddressIntact();
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
    services().opener = nullptr;
    OpenHomePage();
    QVERIFY(fakes.messages.shown.isEmpty());
}

void TestLinks::desktopOpenerPassesTheAddressIntact_data()
{
    QTest::addColumn<QString>("address");
    QTest::newRow("home page") << web::pageAddress(QStringLiteral("home-page"));
    QTest::newRow("escaped delimiters")
            << web::pageAddress(QStringLiteral("qorv-refer-a-friend"))
                       + QStringLiteral("&taf1=a%26b%3Dc%23d%25e%2Bf%20g&taf2=%0D%0A%09");
    QTest::newRow("escaped slashes and non-ASCII")
            << web::pageAddress(QStringLiteral("qorv-refer-a-friend"))
                       + QStringLiteral("&taf3=Zo%C3%AB%20%E6%9D%8E&taf6=https%3A%2F%2Fx%2F");
}

void TestLinks::desktopOpenerPassesTheAddressIntact()
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

QTEST_MAIN(TestLinks)
#include "tst_links.moc"
