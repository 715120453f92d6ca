#pragma once

#include <QImage>
#include <QString>

namespace amorisk::imagegen {

// Sign 1 (Aries) to 12 (Pisces): file name and picture.
QString pictureFileName(int signIndex);
// The 200 × 200 picture: the sign's figure in a gold-ringed medallion with
// the sign's stars, on a dark maroon square. Opaque RGB.
QImage drawSignPicture(int signIndex);

} // namespace amorisk::imagegen
