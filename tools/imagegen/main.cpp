#include "jpegfit.h"
#include "medallion.h"
#include "programicon.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTextStream>

using namespace amorisk::imagegen;

namespace {

const qint64 minPictureBytes = 8192;
const qint64 maxPictureBytes = 10240;
// The copies for screens of two device pixels per pixel.
const qint64 minSharpBytes = 20480;
const qint64 maxSharpBytes = 30720;
const int desktopSizes[] = {16, 32, 48, 64, 128, 256};

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return false;
    }
    return true;
}

bool writePng(const QString &path, const QImage &image)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, "png")) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return false;
    }
    return true;
}

// Everything as it will be shown: decoded pictures, the window icon enlarged
// pixel for pixel, and the desktop icons side by side.
QImage contactSheet(const QList<QImage> &pictures, const QImage &windowIcon,
                    const QList<QImage> &desktopIcons)
{
    const int gap = 8;
    QImage sheet(4 * 200 + 5 * gap, 3 * 200 + 4 * gap + 256 + gap, QImage::Format_RGB32);
    sheet.fill(QColor(0xd8, 0xd4, 0xcc));
    QPainter p(&sheet);
    for (int k = 0; k < pictures.size(); ++k)
        p.drawImage(gap + (k % 4) * (200 + gap), gap + (k / 4) * (200 + gap), pictures[k]);
    int x = gap;
    const int y = 3 * (200 + gap) + gap;
    p.drawImage(QRect(x, y, 256, 256), windowIcon);
    x += 256 + gap;
    for (const QImage &icon : desktopIcons) {
        if (x + icon.width() > sheet.width())
            break;
        p.drawImage(x, y + 256 - icon.height(), icon);
        x += icon.width() + gap;
    }
    return sheet;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString sheetPath;
    const int sheetAt = static_cast<int>(args.indexOf(QStringLiteral("--sheet")));
    if (sheetAt >= 0 && sheetAt + 1 < args.size()) {
        sheetPath = args.at(sheetAt + 1);
        args.remove(sheetAt, 2);
    }
    if (args.size() != 1) {
        QTextStream(stderr) << "usage: amorisk-imagegen <source-root> [--sheet file.png]\n";
        return 2;
    }
    const QDir root(args.first());
    const QString images = root.filePath(QStringLiteral("src/ui/layouts/images"));
    QTextStream out(stdout);
    bool ok = true;

    QList<QImage> decoded;
    const struct
    {
        int size;
        qint64 minBytes, maxBytes;
        QString suffix;
    } copies[] = {{200, minPictureBytes, maxPictureBytes, QString()},
                  {400, minSharpBytes, maxSharpBytes, QStringLiteral("@2x")}};
    for (const auto &copy : copies) {
        for (int sign = 1; sign <= 12; ++sign) {
            QString name = pictureFileName(sign);
            name.insert(name.lastIndexOf(QLatin1Char('.')), copy.suffix);
            int quality = 0;
            const QByteArray jpeg = fitJpeg(drawSignPicture(sign, copy.size), copy.minBytes,
                                            copy.maxBytes, &quality);
            const JpegInfo info = inspectJpeg(jpeg);
            if (jpeg.isEmpty() || !info.baseline || info.components != 3) {
                QTextStream(stderr) << name << ": no baseline RGB JPEG of " << copy.minBytes << ".."
                                    << copy.maxBytes << " bytes (quality " << quality << ")\n";
                ok = false;
                continue;
            }
            ok &= writeFile(images + QLatin1Char('/') + name, jpeg);
            out << name << ": " << jpeg.size() << " bytes, quality " << quality << '\n';
            if (copy.size == 200)
                decoded.append(QImage::fromData(jpeg, "jpg"));
        }
    }

    // The window icon is a 256-colour picture; its copy for 2x screens need not be.
    const QImage windowIcon = toPalette(drawProgramIcon(32, false), 256);
    ok &= writePng(images + QStringLiteral("/amorisk-32.png"), windowIcon);
    ok &= writePng(images + QStringLiteral("/amorisk-32@2x.png"), drawProgramIcon(64, false));
    QList<QImage> desktopIcons;
    for (int size : desktopSizes) {
        desktopIcons.append(drawProgramIcon(size, true));
        ok &= writePng(root.filePath(QStringLiteral("assets/freedesktop/icons/hicolor/%1x%1/apps/"
                                                    "com.zenthari.Amorisk.png")
                                             .arg(size)),
                       desktopIcons.last());
    }

    if (!sheetPath.isEmpty())
        ok &= writePng(sheetPath, contactSheet(decoded, windowIcon, desktopIcons));
    return ok ? 0 : 1;
}
