#pragma once

#include "signtable.h"

#include <QPixmap>

#include <array>

namespace amorisk {

// The picture stored at path or, on a screen of more than one device pixel per
// pixel, its "@2x" copy of twice the size, drawn at the same size but sharp.
QPixmap sharpPicture(const QString &path, qreal devicePixelRatio);

// The input window's image list: the twelve sign pictures at positions 1 to 12
// in sign-index order, each stored under the picture key of its sign. Pictures
// are taken by position and decoded on first use, so start-up pays only for
// what a reading shows.
class SignPictureList
{
public:
    int count() const;
    // A null pixmap for a position outside 1..count(). Above a device pixel
    // ratio of 1 the picture is the sharp copy of twice the size.
    QPixmap picture(int position, qreal devicePixelRatio = 1.0) const;

private:
    mutable std::array<QPixmap, reading::SignCount> m_pictures;
    mutable std::array<QPixmap, reading::SignCount> m_sharpPictures;
};

} // namespace amorisk
