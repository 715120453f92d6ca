#pragma once

#include "signtable.h"

#include <QPixmap>

#include <array>

namespace amorisk {

// The input window's image list: the twelve sign pictures at positions 1 to 12
// in sign-index order, each stored under the picture key of its sign. Pictures
// are taken by position and decoded on first use, so start-up pays only for
// what a reading shows.
class SignPictureList
{
public:
    int count() const;
    // A null pixmap for a position outside 1..count().
    QPixmap picture(int position) const;

private:
    mutable std::array<QPixmap, reading::SignCount> m_pictures;
};

} // namespace amorisk
