#include "artkit.h"

#include <QLineF>
#include <QPainter>
#include <QRadialGradient>
#include <QTransform>
#include <QtMath>

namespace amorisk::imagegen {

const Tone ivory{QColor(0xfb, 0xf1, 0xd6), QColor(0xe4, 0xc5, 0x8c), QColor(0x9c, 0x6f, 0x3c)};
const Tone bronze{QColor(0xe6, 0xb8, 0x6c), QColor(0xb0, 0x7c, 0x3a), QColor(0x5c, 0x38, 0x18)};
const Tone gold{QColor(0xff, 0xf0, 0xb0), QColor(0xe6, 0xb0, 0x48), QColor(0x82, 0x54, 0x16)};
const Tone water{QColor(0xe2, 0xf6, 0xff), QColor(0x8c, 0xcc, 0xe8), QColor(0x2e, 0x6e, 0x9a)};
const QColor inkColour(0x2a, 0x13, 0x08);

Node sharp(qreal x, qreal y)
{
    Node n(x, y);
    n.sharp = true;
    return n;
}

QPainterPath smoothPath(const QList<Node> &nodes, bool closed)
{
    QPainterPath path;
    const int n = static_cast<int>(nodes.size());
    if (n < 2)
        return path;
    auto at = [&](int i) -> const Node & {
        if (closed)
            return nodes[((i % n) + n) % n];
        return nodes[qBound(0, i, n - 1)];
    };
    path.moveTo(nodes[0].p);
    const int segments = closed ? n : n - 1;
    for (int i = 0; i < segments; ++i) {
        const Node &n0 = at(i - 1), &n1 = at(i), &n2 = at(i + 1), &n3 = at(i + 2);
        const QPointF c1 = n1.sharp ? n1.p : n1.p + (n2.p - n0.p) / 6.0;
        const QPointF c2 = n2.sharp ? n2.p : n2.p - (n3.p - n1.p) / 6.0;
        path.cubicTo(c1, c2, n2.p);
    }
    if (closed)
        path.closeSubpath();
    return path;
}

WidthFn linearWidth(qreal from, qreal to)
{
    return [from, to](qreal t) { return from + (to - from) * t; };
}

QList<QPointF> samplePath(const QPainterPath &path, int samples)
{
    QList<QPointF> points;
    for (int i = 0; i <= samples; ++i)
        points.append(path.pointAtPercent(qreal(i) / samples));
    return points;
}

Band taperPolyline(const QList<QPointF> &spine, const WidthFn &width)
{
    Band band;
    const int n = static_cast<int>(spine.size());
    if (n < 2)
        return band;
    for (int i = 0; i < n; ++i) {
        const QPointF before = spine[qMax(0, i - 1)];
        const QPointF after = spine[qMin(n - 1, i + 1)];
        QPointF d = after - before;
        const qreal len = std::hypot(d.x(), d.y());
        if (len > 0)
            d /= len;
        const QPointF normal(-d.y(), d.x());
        const qreal w = width(qreal(i) / (n - 1)) / 2;
        band.left.append(spine[i] + normal * w);
        band.right.append(spine[i] - normal * w);
    }
    QPolygonF polygon;
    for (const QPointF &pt : band.left)
        polygon << pt;
    // Round the far end so tips do not look cut off.
    const QPointF tip = spine.last();
    const qreal tipR = width(1.0) / 2;
    const QPointF dir = spine.last() - spine[n - 2];
    const qreal a0 = qAtan2(band.left.last().y() - tip.y(), band.left.last().x() - tip.x());
    const qreal turn = (dir.x() * (band.left.last().y() - tip.y())
                        - dir.y() * (band.left.last().x() - tip.x()))
                    > 0
            ? -1
            : 1;
    for (int k = 1; k < 8; ++k) {
        const qreal a = a0 + turn * M_PI * k / 8;
        polygon << tip + QPointF(qCos(a), qSin(a)) * tipR;
    }
    for (int i = n - 1; i >= 0; --i)
        polygon << band.right[i];
    band.outline.addPolygon(polygon);
    band.outline.closeSubpath();
    return band;
}

Band taper(const QList<Node> &spine, const WidthFn &width, int samples)
{
    return taperPolyline(samplePath(smoothPath(spine, false), samples), width);
}

Band taper(const QList<Node> &spine, qreal from, qreal to)
{
    return taper(spine, linearWidth(from, to));
}

QList<QPointF> spiral(QPointF centre, qreal startRadius, qreal endRadius, qreal startDegrees,
                      qreal sweepDegrees, int samples)
{
    QList<QPointF> points;
    for (int i = 0; i <= samples; ++i) {
        const qreal t = qreal(i) / samples;
        const qreal a = qDegreesToRadians(startDegrees + sweepDegrees * t);
        const qreal r = startRadius + (endRadius - startRadius) * t;
        points.append(centre + QPointF(qCos(a), qSin(a)) * r);
    }
    return points;
}

QPainterPath ellipse(QPointF centre, qreal rx, qreal ry, qreal rotateDegrees)
{
    QPainterPath path;
    path.addEllipse(QPointF(0, 0), rx, ry);
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(rotateDegrees);
    return t.map(path);
}

QPainterPath circle(QPointF centre, qreal r)
{
    return ellipse(centre, r, r);
}

QPainterPath mirrored(const QPainterPath &path, qreal axisX)
{
    return QTransform(-1, 0, 0, 1, 2 * axisX, 0).map(path);
}

QList<QPointF> mirrored(const QList<QPointF> &points, qreal axisX)
{
    QList<QPointF> out;
    for (const QPointF &pt : points)
        out.append(QPointF(2 * axisX - pt.x(), pt.y()));
    return out;
}

QPainterPath rotated(const QPainterPath &path, QPointF about, qreal degrees)
{
    QTransform t;
    t.translate(about.x(), about.y());
    t.rotate(degrees);
    t.translate(-about.x(), -about.y());
    return t.map(path);
}

void paintPart(QPainter &p, const QPainterPath &shape, const Tone &tone, qreal ink)
{
    const QRectF box = shape.boundingRect();
    const qreal size = qMax(box.width(), box.height());
    const QPointF lit(box.left() + box.width() * 0.3, box.top() + box.height() * 0.26);
    QRadialGradient shading(lit, size * 0.95, lit);
    shading.setColorAt(0.0, tone.light);
    shading.setColorAt(0.45, tone.mid);
    shading.setColorAt(1.0, tone.dark);
    p.fillPath(shape, shading);

    const qreal depth = qBound(1.4, qMin(box.width(), box.height()) * 0.11, 3.6);
    QColor shadow = tone.dark;
    shadow.setAlpha(150);
    p.fillPath(shape.subtracted(shape.translated(-depth, -depth)), shadow);
    QColor shine = tone.light.lighter(110);
    shine.setAlpha(170);
    p.fillPath(shape.subtracted(shape.translated(depth * 0.45, depth * 0.45)), shine);

    if (ink > 0)
        p.strokePath(shape, QPen(inkColour, ink, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void engrave(QPainter &p, const QPainterPath &lines, const QPainterPath &clip, qreal width,
             int alpha)
{
    p.save();
    p.setClipPath(clip, Qt::IntersectClip);
    engrave(p, lines, width, alpha);
    p.restore();
}

void engrave(QPainter &p, const QPainterPath &lines, qreal width, int alpha)
{
    QColor c = inkColour;
    c.setAlpha(alpha);
    p.strokePath(lines, QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QPainterPath ribs(const Band &band, int count, qreal from, qreal to)
{
    QPainterPath lines;
    const int n = static_cast<int>(band.left.size());
    for (int k = 0; k < count; ++k) {
        const qreal t = from + (to - from) * (count == 1 ? 0.5 : qreal(k) / (count - 1));
        const int i = qBound(0, int(t * (n - 1)), n - 1);
        const QPointF a = band.left[i], b = band.right[i];
        const QPointF mid = (a + b) / 2;
        // A slight bow makes the rib follow the roundness of the band.
        const QPointF along = i + 1 < n ? (band.left[i + 1] + band.right[i + 1]) / 2 - mid
                                        : mid - (band.left[i - 1] + band.right[i - 1]) / 2;
        lines.moveTo(a);
        lines.quadTo(mid + along * 1.2, b);
    }
    return lines;
}

QPainterPath scaleRows(const QRectF &area, qreal size, bool downward)
{
    QPainterPath lines;
    int row = 0;
    for (qreal y = area.top(); y < area.bottom() + size; y += size * 0.7, ++row) {
        const qreal shift = (row % 2) ? size / 2 : 0;
        for (qreal x = area.left() - size + shift; x < area.right() + size; x += size) {
            const QRectF r(x, y - size / 2, size, size);
            lines.arcMoveTo(r, downward ? 180 : 0);
            lines.arcTo(r, downward ? 180 : 0, 180);
        }
    }
    return lines;
}

void dot(QPainter &p, QPointF at, qreal r, const QColor &colour)
{
    QPainterPath d;
    d.addEllipse(at, r, r);
    p.fillPath(d, colour);
}

void eye(QPainter &p, QPointF at, qreal r)
{
    dot(p, at, r, inkColour);
    dot(p, at + QPointF(-r * 0.35, -r * 0.35), r * 0.35, QColor(255, 250, 235));
}

} // namespace amorisk::imagegen
