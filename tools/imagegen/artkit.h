#pragma once

#include <QColor>
#include <QList>
#include <QPainterPath>
#include <QPointF>

#include <functional>

class QPainter;

namespace amorisk::imagegen {

// A point of an outline; a sharp node breaks the curve (tips, claws, hooves).
struct Node
{
    Node(qreal x, qreal y) : p(x, y) {}
    Node(QPointF point) : p(point) {}
    QPointF p;
    bool sharp = false;
};
Node sharp(qreal x, qreal y);

// Smooth curve through the nodes (Catmull-Rom, drawn as cubic Béziers).
QPainterPath smoothPath(const QList<Node> &nodes, bool closed = true);

// A band of varying width along a centre line: limbs, horns, tails, hair.
using WidthFn = std::function<qreal(qreal t)>;
WidthFn linearWidth(qreal from, qreal to);
struct Band
{
    QPainterPath outline;
    QList<QPointF> left;
    QList<QPointF> right;
};
Band taperPolyline(const QList<QPointF> &spine, const WidthFn &width);
Band taper(const QList<Node> &spine, const WidthFn &width, int samples = 48);
Band taper(const QList<Node> &spine, qreal from, qreal to);
QList<QPointF> samplePath(const QPainterPath &path, int samples);

// Spiral centre line: a ram's horn seen from the side.
QList<QPointF> spiral(QPointF centre, qreal startRadius, qreal endRadius, qreal startDegrees,
                      qreal sweepDegrees, int samples = 80);

QPainterPath ellipse(QPointF centre, qreal rx, qreal ry, qreal rotateDegrees = 0);
QPainterPath circle(QPointF centre, qreal r);
QPainterPath mirrored(const QPainterPath &path, qreal axisX = 100);
QPainterPath rotated(const QPainterPath &path, QPointF about, qreal degrees);
QList<QPointF> mirrored(const QList<QPointF> &points, qreal axisX = 100);

// The colours of one material under the common light from the upper left.
struct Tone
{
    QColor light;
    QColor mid;
    QColor dark;
};
extern const Tone ivory;
extern const Tone bronze;
extern const Tone gold;
extern const Tone water;
extern const QColor inkColour;

// Paints one piece of a figure: rounded shading, a shadow rim on the lower
// right, a highlight rim on the upper left and an ink outline.
void paintPart(QPainter &p, const QPainterPath &shape, const Tone &tone, qreal ink = 1.15);
// Thin engraved lines (fur, folds, feathers), kept inside a shape.
void engrave(QPainter &p, const QPainterPath &lines, const QPainterPath &clip, qreal width = 0.8,
             int alpha = 150);
void engrave(QPainter &p, const QPainterPath &lines, qreal width = 0.8, int alpha = 150);
// Cross ribs along a band (horn rings, tail segments).
QPainterPath ribs(const Band &band, int count, qreal from = 0.05, qreal to = 0.95);
// Overlapping arcs like scales or fleece, clipped to a shape.
QPainterPath scaleRows(const QRectF &area, qreal size, bool downward = true);
void dot(QPainter &p, QPointF at, qreal r, const QColor &colour);
void eye(QPainter &p, QPointF at, qreal r);

} // namespace amorisk::imagegen
