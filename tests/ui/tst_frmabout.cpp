#include "fakes.h"
#include "forms.h"
#include "frmabout.h"
#include "frmmain.h"
#include "pages.h"
#include "windowcheck.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace amorisk;
using namespace amorisk::testing;

namespace {

const std::vector<ControlRow> &aboutControls()
{
    static const std::vector<ControlRow> table = {
            {"Picture1", "QLabel", "window", 120, 120, 480, 480},
            {"cmdOK", "QPushButton", "window", 5400, 3360, 1260, 345},
            {"Label1", "QLabel", "window", 360, 720, 6375, 1035},
            {"Label2", "QLabel", "window", 840, 240, 3180, 240, true},
            {"lblCoBrand", "amorisk::LinkLabel", "window", 4080, 2880, 2670, 195, true},
            {"Label3", "QLabel", "window", 360, 2280, 6255, 615},
            {"lblHomePage", "amorisk::LinkLabel", "window", 2040, 1920, 4650, 195, true},
    };
    return table;
}

// Runs the about window's real modal loop, does `step` once it is up and
// returns exec()'s result. A step that fails to close the window is ended by
// a guard so the test reports instead of hanging.
int execWith(QPointer<FrmAbout> about, const std::function<void()> &step)
{
    QTimer::singleShot(0, about, step);
    QTimer::singleShot(3000, about, [about] {
        if (about && about->isVisible())
            about->QDialog::done(99);
    });
    return about->exec();
}

} // namespace

class TestFrmAbout : public QObject
{
    Q_OBJECT

private slots:
    void controlsFollowTheLayout_data();
    void controlsFollowTheLayout();
    void windowIsAFixedCentredDialog();
    void showsTheProgramIcon();
    void okHasTheFocusAndTabReachesThePicture();
    void captionsReadAndFit_data();
    void captionsReadAndFit();
    void closesThroughTheRegistry_data();
    void closesThroughTheRegistry();
    void linksOpenTheirPagesAndStayModal_data();
    void linksOpenTheirPagesAndStayModal();
};

void TestFrmAbout::controlsFollowTheLayout_data()
{
    addRows(aboutControls());
}

void TestFrmAbout::controlsFollowTheLayout()
{
    QFETCH(int, row);
    TestServices fakes;
    checkControl(Forms::load<FrmAbout>(), aboutControls()[static_cast<std::size_t>(row)]);
}

void TestFrmAbout::windowIsAFixedCentredDialog()
{
    TestServices fakes;
    FrmAbout *about = Forms::load<FrmAbout>();

    QCOMPARE(about->objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(about->windowTitle(), QStringLiteral(AMORISK_TITLE));
    checkFixedSize(about, QSize(455, 258));
    QCOMPARE(about->windowType(), Qt::Dialog);

    // The rule runs the whole width, a little past both edges.
    auto *rule = about->findChild<QFrame *>(QStringLiteral("Line1"));
    QVERIFY(rule);
    QCOMPARE(rule->frameShape(), QFrame::HLine);
    QCOMPARE(rule->geometry().left(), -60 / 15);
    QCOMPARE(rule->geometry().right(), 6840 / 15);
    QCOMPARE(rule->geometry().top(), 3240 / 15);

    about->show();
    checkCentred(about);
}

void TestFrmAbout::showsTheProgramIcon()
{
    TestServices fakes;
    FrmAbout *about = Forms::load<FrmAbout>();

    checkProgramIcon(about, "Picture1");
    QCOMPARE(in(about, "Picture1")->accessibleName(), QStringLiteral("Amorisk"));
}

void TestFrmAbout::okHasTheFocusAndTabReachesThePicture()
{
    TestServices fakes;
    FrmAbout *about = Forms::load<FrmAbout>();
    about->show();
    about->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(about));

    QWidget *ok = in(about, QStringLiteral("cmdOK"));
    QWidget *picture = in(about, QStringLiteral("Picture1"));
    QCOMPARE(QApplication::focusWidget(), ok);
    // The links come after the window's own controls.
    for (QWidget *next : {picture, in(about, QStringLiteral("lblCoBrand")),
                          in(about, QStringLiteral("lblHomePage")), ok}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void TestFrmAbout::captionsReadAndFit_data()
{
    QTest::addColumn<QString>("opening");
    QTest::addColumn<int>("minLength");
    QTest::addColumn<int>("maxLength");

    QTest::newRow("Label1") << "Amorisk describes the romantic astrology profile of a person under "
                               "the different zodiac sun signs."
                            << 270 << 290;
    QTest::newRow("Label2") << AMORISK_TITLE << 13 << 13;
    QTest::newRow("Label3") << "Home Business Opportunity." << 132 << 132;
    QTest::newRow("lblCoBrand") << "Click here for more details." << 28 << 28;
    QTest::newRow("lblHomePage") << "Click here to visit www.zenthari.com" << 46 << 46;
}

void TestFrmAbout::captionsReadAndFit()
{
    QFETCH(QString, opening);
    QFETCH(int, minLength);
    QFETCH(int, maxLength);
    TestServices fakes;
    FrmAbout *about = Forms::load<FrmAbout>();

    auto *caption = about->findChild<QLabel *>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(caption);
    const QString text = caption->text();
    QVERIFY2(text.startsWith(opening), qPrintable(text));
    QVERIFY2(text.size() >= minLength && text.size() <= maxLength,
             qPrintable(QString::number(text.size())));
    if (caption->objectName() == QLatin1String("Label3")) {
        // The input window's full-branding offer without its link sentence.
        const QString offer = in<QLabel>(Forms::load<FrmMain>(), "lblFullBrand")->text();
        QCOMPARE(text + QStringLiteral(" Click here for more details."), offer);
    }
    if (caption->wordWrap()) {
        QVERIFY2(caption->heightForWidth(caption->width()) <= caption->height(),
                 "wrapped text runs below its rectangle");
    } else {
        QVERIFY(caption->width() >= caption->sizeHint().width());
        QVERIFY2(caption->geometry().right() < about->width(), "caption runs off the window");
    }
}

void TestFrmAbout::closesThroughTheRegistry_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("key");

    QTest::newRow("OK button clicked") << "cmdOK" << 0;
    QTest::newRow("Enter on OK") << "cmdOK" << int(Qt::Key_Return);
    QTest::newRow("Esc on OK") << "cmdOK" << int(Qt::Key_Escape);
    QTest::newRow("Enter on the picture") << "Picture1" << int(Qt::Key_Return);
    QTest::newRow("keypad Enter on the picture") << "Picture1" << int(Qt::Key_Enter);
    QTest::newRow("Esc on the picture") << "Picture1" << int(Qt::Key_Escape);
    QTest::newRow("close box") << "" << 0;
}

void TestFrmAbout::closesThroughTheRegistry()
{
    QFETCH(QString, target);
    QFETCH(int, key);
    TestServices fakes;
    QPointer<FrmAbout> about = Forms::load<FrmAbout>();

    bool wasModal = false;
    const int result = execWith(about, [&] {
        wasModal = QApplication::activeModalWidget() == about;
        if (target.isEmpty()) {
            about->close();
            return;
        }
        QWidget *widget = in(about, target);
        widget->setFocus();
        if (key == 0)
            QTest::mouseClick(widget, Qt::LeftButton);
        else
            QTest::keyClick(widget, Qt::Key(key),
                            key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    });

    QVERIFY(wasModal);
    QVERIFY2(result != 99, "the window stayed open");
    QVERIFY(!Forms::isLoaded(FormId::frmAbout));
    testing::flushDeletes();
    QVERIFY2(about.isNull(), "the window was not destroyed, so the next opening would reuse it");
    QVERIFY(fakes.opener.opened.isEmpty());
}

void TestFrmAbout::linksOpenTheirPagesAndStayModal_data()
{
    QTest::addColumn<QString>("pageKey");

    QTest::newRow("lblCoBrand") << "fully-branded";
    QTest::newRow("lblHomePage") << "home-page";
}

void TestFrmAbout::linksOpenTheirPagesAndStayModal()
{
    QFETCH(QString, pageKey);
    TestServices fakes;
    QPointer<FrmAbout> about = Forms::load<FrmAbout>();

    QStringList openedWhileUp;
    bool stillUp = false;
    const int result = execWith(about, [&] {
        auto *link = about->findChild<QLabel *>(QString::fromLatin1(QTest::currentDataTag()));
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(4, link->height() / 2));
        openedWhileUp = fakes.opener.opened;
        stillUp = about->isVisible() && QApplication::activeModalWidget() == about
                && Forms::isLoaded(FormId::frmAbout);
        QTest::mouseClick(in(about, QStringLiteral("cmdOK")), Qt::LeftButton);
    });

    QCOMPARE(openedWhileUp, QStringList{web::pageAddress(pageKey)});
    QVERIFY(stillUp);
    QVERIFY(result != 99);
    QVERIFY(!Forms::isLoaded(FormId::frmAbout));
}

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
