#include "programicon.h"

#include "artkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace amorisk::imagegen {

namespace {

QPainterPath heartShape()
{
    QPainterPath h;
    h.moveTo(16, 27.5);
    h.cubicTo(6.5, 21, 3.2, 14.5, 5.6, 9.6);
    h.cubicTo(8, 5.2, 13.6, 5.4, 16, 10.2);
    h.cubicTo(18.4, 5.4, 24, 5.2, 26.4, 9.6);
    h.cubicTo(28.8, 14.5, 25.5, 21, 16, 27.5);
    h.closeSubpath();
    return h;
}

QPainterPath puffs(const QList<QPair<QPointF, qreal>> &circles)
{
    QPainterPath cloud;
    for (const auto &c : circles)
        cloud = cloud.united(circle(c.first, c.second));
    return cloud;
}

void paintCloud(QPainter &p, const QPainterPath &cloud)
{
    const QRectF box = cloud.boundingRect();
    QLinearGradient shade(box.topLeft(), box.bottomLeft());
    shade.setColorAt(0.0, QColor(255, 255, 255));
    shade.setColorAt(0.6, QColor(244, 249, 255));
    shade.setColorAt(1.0, QColor(196, 216, 238));
    p.fillPath(cloud, shade);
}

} // namespace

QImage drawProgramIcon(int size, bool roundedCorners)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size / 32.0;
    p.scale(s, s);

    QPainterPath tile;
    if (roundedCorners)
        tile.addRoundedRect(QRectF(0.5, 0.5, 31, 31), 6, 6);
    else
        tile.addRect(QRectF(0, 0, 32, 32));
    QLinearGradient sky(0, 0, 0, 32);
    sky.setColorAt(0.0, QColor(0x3c, 0x9c, 0xe6));
    sky.setColorAt(1.0, QColor(0xa6, 0xd8, 0xfa));
    p.fillPath(tile, sky);

    p.save();
    p.setClipPath(tile);
    paintCloud(p, puffs({{{3, 27}, 4.5}, {{9, 24.5}, 5.5}, {{15, 28}, 4.5}, {{6, 31}, 5}}));
    paintCloud(p, puffs({{{22.5, 5.5}, 3}, {{26.5, 4}, 3.8}, {{30.5, 6}, 3}, {{26, 7.5}, 2.5}}));
    paintCloud(p, puffs({{{26, 27.5}, 3}, {{30, 26}, 3.6}, {{33, 29}, 3.5}}));
    p.restore();

    const QPainterPath heart = heartShape();
    QRadialGradient white(QPointF(12, 11), 18);
    white.setColorAt(0.0, QColor(255, 255, 255));
    white.setColorAt(0.7, QColor(252, 250, 252));
    white.setColorAt(1.0, QColor(228, 224, 232));
    p.fillPath(heart, white);
    const qreal outline = qMax(1.7 * s, 1.25) / s;
    p.strokePath(
        heart, QPen(QColor(0x8e, 0x0a, 0x14), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    if (roundedCorners)
        p.strokePath(tile, QPen(QColor(0x1c, 0x5a, 0x96, 160), qMax(0.6, 1.0 / s)));
    p.end();
    return image;
}

} // namespace amorisk::imagegen
