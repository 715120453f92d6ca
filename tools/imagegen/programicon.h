#pragma once

#include <QImage>

namespace amorisk::imagegen {

// A white heart with a dark red outline on a cloudy sky-blue square.
// The window icon fills its square; desktop icons get rounded corners.
QImage drawProgramIcon(int size, bool roundedCorners);

// The same picture with at most `colours` colours (alpha included) in an
// indexed image, by median cut; written as PNG it keeps its palette.
QImage toPalette(const QImage &image, int colours);

} // namespace amorisk::imagegen
