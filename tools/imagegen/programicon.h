#pragma once

#include <QImage>

namespace amorisk::imagegen {

// A white heart with a dark red outline on a cloudy sky-blue square.
// The window icon fills its square; desktop icons get rounded corners.
QImage drawProgramIcon(int size, bool roundedCorners);

} // namespace amorisk::imagegen
