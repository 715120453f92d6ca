#include "fakes.h"

#include "entrycheck.h"
#include "forms.h"
#include "frmabout.h"
#include "frmdisplay.h"
#include "frmexitscreen.h"
#include "showreading.h"
#include "signpicturelist.h"

#include <QColor>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QtMath>
#include <QtTest>

using amorisk::FormId;
using amorisk::SignPictureList;

namespace {

// The whole run is on a screen of two device pixels per pixel; it must be
// set before the application starts.
[[maybe_unused]] const bool denseScreen = qputenv("QT_SCALE_FACTOR", "2");

const char *const signKeys[] = {"aries.jpg",       "taurus.jpg",    "gemini.jpg",   "cancer.jpg",
                                "leo.jpg",         "virgo.jpg",     "libra.jpg",    "scorpio.jpg",
                                "sagittarius.jpg", "capricorn.jpg", "aquarius.jpg", "pisces.jpg"};

QByteArray resourceBytes(const QString &key)
{
    QFile file(QStringLiteral(":/images/") + key);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QImage resourcePicture(const QString &key)
{
    return QImage::fromData(resourceBytes(key), "JPG");
}

struct FrameHeader
{
    int marker = 0;
    int width = 0;
    int height = 0;
    int components = 0;
};

// The first start-of-frame segment of a JPEG stream; marker 0 when none.
FrameHeader frameHeader(const QByteArray &data)
{
    auto at = [&data](qsizetype i) { return static_cast<quint8>(data.at(i)); };
    FrameHeader frame;
    if (data.size() < 4 || at(0) != 0xff || at(1) != 0xd8)
        return frame;
    qsizetype i = 2;
    while (i + 10 <= data.size() && at(i) == 0xff) {
        const int marker = at(i + 1);
        const bool startOfFrame = marker >= 0xc0 && marker <= 0xcf && marker != 0xc4
                && marker != 0xc8 && marker != 0xcc;
        if (startOfFrame) {
            frame.marker = marker;
            frame.height = (at(i + 5) << 8) | at(i + 6);
            frame.width = (at(i + 7) << 8) | at(i + 8);
            frame.components = at(i + 9);
            return frame;
        }
        if (marker == 0xda)
            break;
        i += 2 + ((at(i + 2) << 8) | at(i + 3));
    }
    return frame;
}

// Colours averaged over 3 × 3 pixels so JPEG noise does not decide a class.
QColor sample(const QImage &image, int x, int y)
{
    int r = 0, g = 0, b = 0;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QRgb c = image.pixel(x + dx, y + dy);
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
        }
    }
    return QColor(r / 9, g / 9, b / 9);
}

bool isMaroon(const QColor &c)
{
    return c.red() >= 35 && c.red() <= 110 && c.red() > 2.5 * c.green() && c.red() > 2 * c.blue();
}

bool isGold(const QColor &c)
{
    return c.hue() >= 20 && c.hue() <= 55 && c.saturation() > 50 && c.value() > 140;
}

bool isNightSky(const QColor &c)
{
    return c.blue() > c.red() + 25 && c.blue() >= c.green();
}

bool isFigure(const QColor &c)
{
    return c.red() > c.blue() + 40 && c.red() > 120;
}

// Points where each drawing shows its figure or open sky; chosen so that
// every other sign's picture fails at least one of them.
struct Probe
{
    bool figure;
    QPoint at;
};

QList<Probe> probesOf(int position)
{
    switch (position) {
    case 1:
        return {{false, {68, 116}}, {true, {124, 70}}, {true, {50, 80}}};
    case 2:
        return {{false, {80, 56}}, {true, {156, 82}}, {true, {42, 104}}};
    case 3:
        return {{false, {96, 106}}, {true, {98, 36}}, {true, {76, 48}}};
    case 4:
        return {{false, {104, 70}}, {true, {54, 54}}, {true, {130, 100}}};
    case 5:
        return {{false, {116, 122}}, {true, {164, 72}}, {true, {46, 90}}};
    case 6:
        return {{false, {122, 112}}, {true, {122, 40}}, {true, {100, 130}}};
    case 7:
        return {{false, {106, 112}}, {true, {34, 114}}, {true, {100, 100}}};
    case 8:
        return {{false, {78, 106}}, {true, {66, 46}}, {true, {140, 122}}};
    case 9:
        return {{false, {78, 92}}, {true, {118, 108}}, {true, {36, 114}}};
    case 10:
        return {{false, {104, 70}}, {false, {84, 62}}, {true, {70, 70}}, {true, {136, 74}}};
    case 11:
        return {{false, {96, 106}}, {true, {72, 42}}, {true, {66, 134}}};
    case 12:
        return {{false, {96, 108}}, {true, {108, 46}}, {true, {90, 62}}};
    default:
        return {};
    }
}

// The probes are placed on the 200-pixel picture; a larger copy is scaled.
bool matchesProbes(const QImage &image, int position)
{
    const int scale = image.width() / 200;
    for (const Probe &probe : probesOf(position)) {
        const QColor c = sample(image, probe.at.x() * scale, probe.at.y() * scale);
        if (probe.figure ? !isFigure(c) : !isNightSky(c))
            return false;
    }
    return true;
}

QString desktopIconPath(int size)
{
    return qEnvironmentVariable("AMORISK_TEST_SOURCE_DIR")
            + QStringLiteral(
                      "/assets/freedesktop/icons/hicolor/%1x%1/apps/com.zenthari.Amorisk.png")
                      .arg(size);
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void imageListHoldsTwelvePictures();
    void imageListKeepsSignOrder_data();
    void imageListKeepsSignOrder();
    void positionOutsideTheListGivesNothing_data();
    void positionOutsideTheListGivesNothing();
    void pictureIsBaselineColourJpegOfEightToTenKilobytes_data();
    void pictureIsBaselineColourJpegOfEightToTenKilobytes();
    void pictureShowsGoldRingOnMaroonSquare_data();
    void pictureShowsGoldRingOnMaroonSquare();
    void pictureShowsItsOwnFigure_data();
    void pictureShowsItsOwnFigure();
    void windowIconIsWhiteHeartOnSkyBlue();
    void desktopIconHasItsSize_data();
    void desktopIconHasItsSize();
    void denseScreenShowsSharpPictures_data();
    void denseScreenShowsSharpPictures();
};

void TestPictures::imageListHoldsTwelvePictures()
{
    const SignPictureList list;
    QCOMPARE(list.count(), 12);
}

void TestPictures::imageListKeepsSignOrder_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("key");
    QTest::addColumn<qreal>("ratio");
    for (qreal ratio : {1.0, 2.0})
        for (int k = 0; k < 12; ++k)
            QTest::addRow("%d %s at %gx", k + 1, signKeys[k], ratio)
                    << k + 1 << QString::fromLatin1(signKeys[k]) << ratio;
}

void TestPictures::imageListKeepsSignOrder()
{
    QFETCH(int, position);
    QFETCH(QString, key);
    QFETCH(qreal, ratio);
    const SignPictureList list;
    // On a denser screen the picture has more pixels, not a larger size.
    const QPixmap picture = list.picture(position, ratio);
    QCOMPARE(picture.devicePixelRatio(), ratio);
    const QImage shown = picture.toImage();
    QCOMPARE(shown.size(), QSize(200, 200) * ratio);
    // The list must hold the picture stored under its key, not a neighbour's.
    const QString file = ratio > 1 ? key.chopped(4) + QLatin1String("@2x.jpg") : key;
    QCOMPARE(shown, QImage(QStringLiteral(":/images/") + file));
    QVERIFY(matchesProbes(shown, position));
}

void TestPictures::positionOutsideTheListGivesNothing_data()
{
    QTest::addColumn<int>("position");
    QTest::newRow("zero") << 0;
    QTest::newRow("thirteen") << 13;
    QTest::newRow("negative") << -1;
}

void TestPictures::positionOutsideTheListGivesNothing()
{
    QFETCH(int, position);
    const SignPictureList list;
    QVERIFY(list.picture(position).isNull());
}

void TestPictures::pictureIsBaselineColourJpegOfEightToTenKilobytes_data()
{
    QTest::addColumn<QString>("key");
    for (const char *key : signKeys)
        QTest::newRow(key) << QString::fromLatin1(key);
}

void TestPictures::pictureIsBaselineColourJpegOfEightToTenKilobytes()
{
    QFETCH(QString, key);
    const QByteArray bytes = resourceBytes(key);
    QVERIFY2(bytes.size() >= 8192 && bytes.size() <= 10240,
             qPrintable(QStringLiteral("%1 bytes").arg(bytes.size())));
    const FrameHeader frame = frameHeader(bytes);
    QCOMPARE(frame.marker, 0xc0);
    QCOMPARE(frame.components, 3);
    QCOMPARE(QSize(frame.width, frame.height), QSize(200, 200));
    const QImage image = QImage::fromData(bytes, "JPG");
    QCOMPARE(image.size(), QSize(200, 200));
    QVERIFY(!image.allGray());
}

void TestPictures::pictureShowsGoldRingOnMaroonSquare_data()
{
    pictureIsBaselineColourJpegOfEightToTenKilobytes_data();
}

void TestPictures::pictureShowsGoldRingOnMaroonSquare()
{
    QFETCH(QString, key);
    const QImage image = resourcePicture(key);
    QCOMPARE(image.size(), QSize(200, 200));
    for (QPoint corner : {QPoint(3, 3), QPoint(196, 3), QPoint(3, 196), QPoint(196, 196)})
        QVERIFY2(isMaroon(sample(image, corner.x(), corner.y())),
                 qPrintable(QStringLiteral("corner %1,%2").arg(corner.x()).arg(corner.y())));
    // The outer rim of the ring, all round except where the sign's boss sits.
    for (int degrees = 0; degrees < 360; degrees += 30) {
        if (degrees == 90)
            continue;
        const qreal a = qDegreesToRadians(qreal(degrees));
        const int x = qRound(100 + 92 * qCos(a));
        const int y = qRound(100 + 92 * qSin(a));
        QVERIFY2(isGold(sample(image, x, y)),
                 qPrintable(QStringLiteral("ring at %1°").arg(degrees)));
    }
    QVERIFY(!isMaroon(sample(image, 100, 100)));
}

void TestPictures::pictureShowsItsOwnFigure_data()
{
    QTest::addColumn<int>("position");
    for (int k = 0; k < 12; ++k)
        QTest::newRow(signKeys[k]) << k + 1;
}

void TestPictures::pictureShowsItsOwnFigure()
{
    QFETCH(int, position);
    const QImage own = resourcePicture(QString::fromLatin1(signKeys[position - 1]));
    QVERIFY(matchesProbes(own, position));
    // The probes would notice if another sign's picture stood in this one's place.
    for (int other = 1; other <= 12; ++other) {
        if (other == position)
            continue;
        const QImage stranger = resourcePicture(QString::fromLatin1(signKeys[other - 1]));
        QVERIFY2(!matchesProbes(stranger, position), signKeys[other - 1]);
    }
}

void TestPictures::windowIconIsWhiteHeartOnSkyBlue()
{
    const QImage icon(QStringLiteral(":/images/amorisk-32.png"));
    QCOMPARE(icon.size(), QSize(32, 32));
    QCOMPARE(icon.format(), QImage::Format_Indexed8);
    QVERIFY(icon.colorCount() <= 256);
    const QColor heart = icon.pixelColor(16, 16);
    QVERIFY(heart.red() > 225 && heart.green() > 225 && heart.blue() > 225);
    const QColor sky = icon.pixelColor(16, 2);
    QVERIFY(sky.blue() > sky.red() + 60);
    bool outline = false;
    for (int y = 18; y < 32 && !outline; ++y) {
        const QColor c = icon.pixelColor(16, y);
        outline = c.red() > 100 && c.green() < 60 && c.blue() < 80;
    }
    QVERIFY2(outline, "no dark red outline below the heart's centre");
}

void TestPictures::desktopIconHasItsSize_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 32, 48, 64, 128, 256})
        QTest::addRow("%dx%d", size, size) << size;
}

void TestPictures::desktopIconHasItsSize()
{
    QFETCH(int, size);
    const QImage icon(desktopIconPath(size));
    QCOMPARE(icon.size(), QSize(size, size));
    const QColor heart = icon.pixelColor(size / 2, size / 2);
    QVERIFY(heart.red() > 220 && heart.green() > 220 && heart.blue() > 220);
    const QColor sky = icon.pixelColor(size / 2, size / 16);
    QVERIFY(sky.blue() > sky.red() + 50);
}

void TestPictures::denseScreenShowsSharpPictures_data()
{
    QTest::addColumn<FormId>("form");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("sharp");

    QTest::newRow("reading window before a reading") << FormId::frmDisplay << ""
                                                     << "picSunSign"
                                                     << "aquarius@2x.jpg";
    QTest::newRow("reading window showing a reading") << FormId::frmDisplay << "Leo"
                                                      << "picSunSign"
                                                      << "leo@2x.jpg";
    QTest::newRow("about window") << FormId::frmAbout << ""
                                  << "Picture1"
                                  << "amorisk-32@2x.png";
    QTest::newRow("exit screen") << FormId::frmExitScreen << ""
                                 << "picExitScreenIcon"
                                 << "amorisk-32@2x.png";
}

void TestPictures::denseScreenShowsSharpPictures()
{
    QFETCH(FormId, form);
    QFETCH(QString, sign);
    QFETCH(QString, box);
    QFETCH(QString, sharp);
    amorisk::testing::TestServices fakes;
    switch (form) {
    case FormId::frmDisplay:
        amorisk::Forms::load<amorisk::FrmDisplay>();
        break;
    case FormId::frmAbout:
        amorisk::Forms::load<amorisk::FrmAbout>();
        break;
    default:
        amorisk::Forms::load<amorisk::FrmExitScreen>();
        break;
    }
    if (!sign.isEmpty()) {
        amorisk::SunSign = sign;
        amorisk::ShowReading();
    }
    QWidget *window = amorisk::Forms::loadedWindow(form);
    QCOMPARE(window->devicePixelRatioF(), 2.0);

    const QImage expected
            = QImage(QStringLiteral(":/images/") + sharp).convertToFormat(QImage::Format_ARGB32);
    const QPixmap shown = window->findChild<QLabel *>(box)->pixmap();
    QCOMPARE(shown.devicePixelRatio(), 2.0);
    QCOMPARE(shown.toImage().convertToFormat(QImage::Format_ARGB32), expected);
    if (sharp.startsWith(QLatin1String("amorisk"))) {
        const QPixmap icon = window->windowIcon().pixmap(QSize(32, 32), 2.0);
        QCOMPARE(icon.toImage().convertToFormat(QImage::Format_ARGB32), expected);
    }
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
