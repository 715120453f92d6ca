#include "jpegfit.h"

#include <QBuffer>
#include <QImageWriter>

namespace amorisk::imagegen {

JpegInfo inspectJpeg(const QByteArray &data)
{
    JpegInfo info;
    auto byte = [&data](qsizetype i) { return static_cast<quint8>(data.at(i)); };
    if (data.size() < 4 || byte(0) != 0xff || byte(1) != 0xd8)
        return info;
    qsizetype i = 2;
    while (i + 4 <= data.size()) {
        if (byte(i) != 0xff)
            return info;
        const quint8 marker = byte(i + 1);
        if (marker == 0xff) {
            ++i;
            continue;
        }
        const int length = (byte(i + 2) << 8) | byte(i + 3);
        const bool frame = marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8
                && marker != 0xcc;
        if (frame && i + 10 <= data.size()) {
            info.valid = true;
            info.baseline = marker == 0xc0;
            info.height = (byte(i + 5) << 8) | byte(i + 6);
            info.width = (byte(i + 7) << 8) | byte(i + 8);
            info.components = byte(i + 9);
            return info;
        }
        if (marker == 0xda)
            return info;
        i += 2 + length;
    }
    return info;
}

namespace {

QByteArray encode(const QImage &image, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(quality);
    writer.setOptimizedWrite(false);
    writer.setProgressiveScanWrite(false);
    if (!writer.write(image))
        return {};
    return bytes;
}

} // namespace

QByteArray fitJpeg(const QImage &image, qint64 minBytes, qint64 maxBytes, int *quality)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int q = 100; q >= 1; --q) {
        const QByteArray bytes = encode(rgb, q);
        if (bytes.size() > maxBytes)
            continue;
        if (quality)
            *quality = q;
        return bytes.size() >= minBytes ? bytes : QByteArray();
    }
    return {};
}

} // namespace amorisk::imagegen
