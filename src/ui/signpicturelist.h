#pragma once

#include "signtable.h"

#include <QIcon>
#include <QPixmap>

#include <array>

namespace amorisk {

// The input window's image list: the twelve sign pictures at positions 1 to 12
// in sign-index order, each stored under the picture key of its sign.
class SignPictureList
{
public:
    int count() const;
    // A null pixmap for a position outside 1..count(). On a denser screen the
    // picture is its "@2x" copy, drawn at the same size but sharp.
    QPixmap picture(int position, qreal devicePixelRatio = 1.0) const;

private:
    // Each picture is read when a reading first shows it.
    mutable std::array<QIcon, reading::SignCount> m_pictures;
};

} // namespace amorisk
