#pragma once

#include <QImage>
#include <QString>

namespace amorisk::imagegen {

// Sign 1 (Aries) to 12 (Pisces): file name and picture.
QString pictureFileName(int signIndex);
// The picture, 200 × 200 unless asked larger: the sign's figure in a
// gold-ringed medallion with the sign's stars, on a dark maroon square. Opaque RGB.
QImage drawSignPicture(int signIndex, int size = 200);

} // namespace amorisk::imagegen
