#pragma once

#include <QByteArray>
#include <QImage>

namespace amorisk::imagegen {

struct JpegInfo
{
    bool valid = false;
    bool baseline = false;
    int components = 0;
    int width = 0;
    int height = 0;
};

// Reads the frame header of a JPEG stream.
JpegInfo inspectJpeg(const QByteArray &data);

// Encodes at the highest quality whose file is no larger than maxBytes;
// returns an empty array when that file would be smaller than minBytes.
QByteArray fitJpeg(const QImage &image, qint64 minBytes, qint64 maxBytes, int *quality = nullptr);

} // namespace amorisk::imagegen
