#pragma once

class QPainter;

namespace amorisk::imagegen {

// What the figure stands on at the foot of the medallion's sky.
enum class Footing { Ground, Waves, Shore, Clouds };

Footing footingOf(int signIndex);
// Paints the figure of a sign (1 = the ram ... 12 = the fishes) on the
// 200 × 200 canvas, inside the sky disc centred at (100, 100).
void drawFigure(QPainter &p, int signIndex);

} // namespace amorisk::imagegen
