#include "medallion.h"

#include "artkit.h"
#include "figures.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

namespace amorisk::imagegen {

namespace {

const QPointF centre(100, 100);
const qreal skyRadius = 82;
const qreal ringOuter = 94.5;
const QColor maroon(0x5a, 0x12, 0x22);
const QColor maroonDeep(0x38, 0x08, 0x12);

const char *const names[] = {"aries", "taurus",  "gemini",      "cancer",    "leo",      "virgo",
                             "libra", "scorpio", "sagittarius", "capricorn", "aquarius", "pisces"};

// Deterministic star field: a small linear congruential generator per sign.
class Lcg
{
public:
    explicit Lcg(quint32 seed) : m_state(seed * 2654435761u + 12345u) {}
    qreal next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return (m_state >> 8) / qreal(1 << 24);
    }

private:
    quint32 m_state;
};

struct Constellation
{
    QList<QPointF> stars;
    QList<QPair<int, int>> lines;
    int brightest;
};

Constellation constellationOf(int sign)
{
    switch (sign) {
    case 1:
        return {{{52, 44}, {116, 38}, {138, 50}, {146, 60}}, {{0, 1}, {1, 2}, {2, 3}}, 1};
    case 2:
        return {{{112, 50}, {100, 44}, {88, 38}, {62, 30}, {120, 42}, {128, 34}, {150, 44}},
                {{0, 1}, {1, 2}, {2, 3}, {0, 4}, {4, 5}, {5, 6}},
                2};
    case 3:
        return {{{40, 74},
                 {44, 94},
                 {50, 114},
                 {52, 134},
                 {160, 70},
                 {156, 92},
                 {152, 112},
                 {146, 132},
                 {44, 104}},
                {{0, 1}, {1, 2}, {2, 3}, {4, 5}, {5, 6}, {6, 7}, {0, 4}},
                4};
    case 4:
        return {{{100, 26}, {100, 44}, {84, 58}, {118, 60}, {98, 36}},
                {{0, 4}, {4, 1}, {1, 2}, {1, 3}},
                3};
    case 5:
        return {{{98, 76},
                 {100, 62},
                 {108, 52},
                 {102, 40},
                 {90, 38},
                 {84, 46},
                 {156, 70},
                 {134, 58},
                 {134, 74}},
                {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {2, 7}, {7, 6}, {6, 8}, {8, 0}},
                0};
    case 6:
        return {{{154, 118}, {144, 98}, {156, 82}, {134, 84}, {128, 66}, {150, 62}, {160, 98}},
                {{0, 1}, {1, 2}, {1, 3}, {3, 4}, {2, 5}, {1, 6}},
                0};
    case 7:
        return {{{80, 82}, {120, 80}, {132, 104}, {70, 104}, {100, 30}},
                {{0, 1}, {1, 2}, {0, 3}, {0, 4}, {1, 4}},
                1};
    case 8:
        return {{{146, 40},
                 {152, 52},
                 {150, 64},
                 {132, 72},
                 {118, 90},
                 {108, 110},
                 {104, 130},
                 {112, 148},
                 {128, 152},
                 {142, 144}},
                {{0, 3}, {1, 3}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}, {7, 8}, {8, 9}},
                3};
    case 9:
        return {{{52, 62}, {66, 50}, {82, 54}, {78, 70}, {62, 74}, {76, 38}, {92, 44}},
                {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 0}, {1, 5}, {5, 6}, {6, 2}},
                2};
    case 10:
        return {{{112, 30}, {132, 36}, {152, 50}, {158, 70}, {138, 64}, {120, 48}},
                {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 0}},
                2};
    case 11:
        return {{{124, 34}, {140, 28}, {154, 40}, {162, 58}, {146, 62}, {132, 54}},
                {{0, 1}, {1, 2}, {2, 3}, {1, 5}, {5, 4}},
                1};
    case 12:
        return {{{36, 70},
                 {46, 62},
                 {56, 70},
                 {48, 80},
                 {60, 96},
                 {74, 120},
                 {88, 150},
                 {126, 160}},
                {{0, 1}, {1, 2}, {2, 3}, {3, 0}, {3, 4}, {4, 5}, {5, 6}, {6, 7}},
                6};
    default:
        return {};
    }
}

QPainterPath skyDisc()
{
    return circle(centre, skyRadius);
}

void paintBackground(QPainter &p)
{
    QRadialGradient field(centre, 142);
    field.setColorAt(0.0, maroon.lighter(115));
    field.setColorAt(0.62, maroon);
    field.setColorAt(1.0, maroonDeep);
    p.fillRect(QRectF(0, 0, 200, 200), field);

    // Fine diagonal damask so the field reads as cloth rather than flat paint.
    QPainterPath weave;
    for (int k = -200; k < 200; k += 9) {
        weave.moveTo(k, 0);
        weave.lineTo(k + 200, 200);
        weave.moveTo(k + 200, 0);
        weave.lineTo(k, 200);
    }
    p.save();
    QPainterPath outside;
    outside.addRect(0, 0, 200, 200);
    p.setClipPath(outside.subtracted(circle(centre, 96)));
    p.strokePath(weave, QPen(QColor(0, 0, 0, 28), 0.8));
    p.restore();

    // Each corner carries a small gold four-pointed star.
    for (QPointF c : {QPointF(15, 15), QPointF(185, 15), QPointF(15, 185), QPointF(185, 185)}) {
        QPolygonF poly;
        for (int k = 0; k < 8; ++k) {
            const qreal a = -M_PI / 2 + k * M_PI / 4;
            poly << c + QPointF(qCos(a), qSin(a)) * ((k % 2) ? 1.8 : 6.5);
        }
        QPainterPath s;
        s.addPolygon(poly);
        s.closeSubpath();
        paintPart(p, s, gold, 0.5);
    }

    // Soft shadow under the medallion, cast down and to the right.
    QRadialGradient shadow(centre + QPointF(2, 3), 100);
    shadow.setColorAt(0.90, QColor(0, 0, 0, 150));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillPath(circle(centre + QPointF(2, 3), 100), shadow);
}

void paintSky(QPainter &p, int sign)
{
    QRadialGradient night(QPointF(100, 70), 100, QPointF(96, 60));
    night.setColorAt(0.0, QColor(0x34, 0x56, 0x94));
    night.setColorAt(0.45, QColor(0x1a, 0x2f, 0x66));
    night.setColorAt(1.0, QColor(0x07, 0x0f, 0x2e));
    p.fillPath(skyDisc(), night);

    Lcg rng{quint32(sign)};
    for (int k = 0; k < 55; ++k) {
        const qreal a = rng.next() * 2 * M_PI;
        const qreal r = qSqrt(rng.next()) * (skyRadius - 3);
        const qreal size = 0.35 + rng.next() * 0.7;
        const int alpha = 90 + int(rng.next() * 140);
        dot(p, centre + QPointF(qCos(a), qSin(a)) * r, size, QColor(235, 240, 255, alpha));
    }

    const Constellation c = constellationOf(sign);
    QPainterPath lines;
    for (const auto &l : c.lines) {
        lines.moveTo(c.stars[l.first]);
        lines.lineTo(c.stars[l.second]);
    }
    p.strokePath(lines, QPen(QColor(180, 205, 255, 95), 0.8));
    for (int k = 0; k < c.stars.size(); ++k) {
        const QPointF s = c.stars[k];
        const bool bright = k == c.brightest;
        const qreal glowR = bright ? 6.5 : 4.0;
        QRadialGradient glow(s, glowR);
        glow.setColorAt(0, QColor(255, 246, 220, bright ? 200 : 150));
        glow.setColorAt(1, QColor(255, 246, 220, 0));
        p.fillPath(circle(s, glowR), glow);
        dot(p, s, bright ? 1.7 : 1.2, QColor(255, 252, 240));
        if (bright) {
            QPainterPath spark;
            spark.moveTo(s.x() - 6, s.y());
            spark.lineTo(s.x() + 6, s.y());
            spark.moveTo(s.x(), s.y() - 6);
            spark.lineTo(s.x(), s.y() + 6);
            p.strokePath(spark, QPen(QColor(255, 250, 230, 170), 0.6));
        }
    }

    // A faint halo lifts the figure from the night.
    QRadialGradient halo(QPointF(100, 100), 62);
    halo.setColorAt(0, QColor(140, 170, 225, 70));
    halo.setColorAt(1, QColor(140, 170, 225, 0));
    p.fillPath(skyDisc(), halo);
}

void paintGround(QPainter &p)
{
    QPainterPath hill = smoothPath(
            {{0, 162}, {30, 157}, {60, 154}, {100, 152}, {140, 154}, {170, 157}, {200, 162}},
            false);
    hill.lineTo(200, 200);
    hill.lineTo(0, 200);
    hill.closeSubpath();
    QLinearGradient earth(0, 150, 0, 185);
    earth.setColorAt(0, QColor(0x3c, 0x4a, 0x3a));
    earth.setColorAt(1, QColor(0x14, 0x1c, 0x16));
    p.fillPath(hill, earth);
    QPainterPath rim = smoothPath(
            {{0, 162}, {30, 157}, {60, 154}, {100, 152}, {140, 154}, {170, 157}, {200, 162}},
            false);
    p.strokePath(rim, QPen(QColor(0xb8, 0xc8, 0x9a, 120), 0.9));
    QPainterPath grass;
    Lcg rng(77);
    for (int k = 0; k < 26; ++k) {
        const qreal x = 26 + k * 5.8 + rng.next() * 3;
        const qreal y = 152.5 + qAbs(x - 100) * qAbs(x - 100) * 0.0009 * 1.6;
        grass.moveTo(x, y + 1);
        grass.quadTo(x + 1, y - 2, x + 2.5 - rng.next() * 4, y - 4 - rng.next() * 2);
    }
    p.strokePath(grass, QPen(QColor(0x9a, 0xb0, 0x78, 170), 0.7));
}

void paintWaves(QPainter &p)
{
    for (int row = 0; row < 3; ++row) {
        const qreal y = 152 + row * 10;
        const qreal w = 22;
        const qreal shift = (row % 2) ? w / 2 : 0;
        QPainterPath wave;
        wave.moveTo(-w + shift, y);
        QPainterPath crests;
        QPainterPath curls;
        for (qreal x = -w + shift; x < 220; x += w) {
            const QRectF r(x, y - 5, w, 10);
            wave.arcTo(r, 180, -180);
            crests.arcMoveTo(r, 160);
            crests.arcTo(r, 160, -140);
            curls.moveTo(x + w * 0.62, y - 1);
            curls.cubicTo(x + w * 0.5, y - 5, x + w * 0.3, y - 1, x + w * 0.45, y + 1);
        }
        wave.lineTo(220, 200);
        wave.lineTo(-w, 200);
        wave.closeSubpath();
        QLinearGradient sea(0, y - 5, 0, y + 14);
        sea.setColorAt(0, QColor(0x4e, 0x8f, 0xb8));
        sea.setColorAt(1, QColor(0x12, 0x2e, 0x58));
        p.fillPath(wave, sea);
        p.strokePath(wave, QPen(QColor(0x0a, 0x18, 0x30), 0.8));
        p.strokePath(crests, QPen(QColor(220, 240, 255, 170), 0.9));
        p.strokePath(curls, QPen(QColor(220, 240, 255, 120), 0.7));
    }
}

void paintCloudLayer(QPainter &p, const QList<QPair<QPointF, qreal>> &puffs, const QColor &top,
                     const QColor &bottom, int rimAlpha)
{
    QPainterPath cloud;
    for (const auto &puff : puffs)
        cloud = cloud.united(circle(puff.first, puff.second));
    const QRectF box = cloud.boundingRect();
    QLinearGradient mist(0, box.top(), 0, box.top() + 26);
    mist.setColorAt(0, top);
    mist.setColorAt(1, bottom);
    p.fillPath(cloud, mist);
    QColor shade = bottom.darker(140);
    shade.setAlpha(140);
    p.fillPath(cloud.subtracted(cloud.translated(0, -3)), shade);
    p.strokePath(cloud, QPen(QColor(235, 242, 255, rimAlpha), 0.9));
}

void paintClouds(QPainter &p)
{
    paintCloudLayer(p,
                    {{{34, 156}, 10},
                     {{52, 147}, 12},
                     {{70, 152}, 10},
                     {{130, 152}, 10},
                     {{148, 147}, 12},
                     {{166, 156}, 10},
                     {{100, 172}, 34}},
                    QColor(0x6a, 0x7a, 0xb4), QColor(0x22, 0x2e, 0x62), 110);
    paintCloudLayer(p,
                    {{{28, 168}, 10},
                     {{46, 161}, 12},
                     {{66, 165}, 10},
                     {{86, 160}, 11},
                     {{112, 160}, 11},
                     {{134, 165}, 10},
                     {{154, 161}, 12},
                     {{172, 168}, 10},
                     {{100, 188}, 30}},
                    QColor(0xe2, 0xe8, 0xfa), QColor(0x6a, 0x78, 0xb0), 190);
}

void paintShore(QPainter &p)
{
    paintWaves(p);
    QPainterPath rock = smoothPath({{0, 158},
                                    {30, 154},
                                    {62, 151},
                                    {92, 152},
                                    {108, 156},
                                    {116, 164},
                                    {112, 176},
                                    {96, 200},
                                    {0, 200}});
    QLinearGradient earth(0, 150, 0, 185);
    earth.setColorAt(0, QColor(0x3c, 0x4a, 0x3a));
    earth.setColorAt(1, QColor(0x14, 0x1c, 0x16));
    p.fillPath(rock, earth);
    p.strokePath(rock, QPen(QColor(0xb8, 0xc8, 0x9a, 120), 0.9));
    QPainterPath grass;
    for (int k = 0; k < 12; ++k) {
        const qreal x = 28 + k * 6.5;
        const qreal y = 152.5 + (x < 62 ? (62 - x) * 0.1 : 0);
        grass.moveTo(x, y + 1);
        grass.quadTo(x + 1, y - 2, x + 2 - (k % 3) * 1.5, y - 4 - (k % 2) * 1.5);
    }
    p.strokePath(grass, QPen(QColor(0x9a, 0xb0, 0x78, 170), 0.7));
}

QPainterPath glyph(int sign)
{
    QPainterPath g;
    switch (sign) {
    case 1:
        g.moveTo(0, 5);
        g.lineTo(0, 0);
        g.cubicTo(-0.5, -4.5, -5, -5.5, -5, -2);
        g.quadTo(-5, 0, -3, 0.3);
        g.moveTo(0, 0);
        g.cubicTo(0.5, -4.5, 5, -5.5, 5, -2);
        g.quadTo(5, 0, 3, 0.3);
        break;
    case 2:
        g.addEllipse(QPointF(0, 1.8), 3.2, 3.2);
        g.moveTo(-5, -5);
        g.quadTo(-4, -1.4, 0, -1.4);
        g.quadTo(4, -1.4, 5, -5);
        break;
    case 3:
        g.moveTo(-2, -3.6);
        g.lineTo(-2, 3.6);
        g.moveTo(2, -3.6);
        g.lineTo(2, 3.6);
        g.moveTo(-5, -5);
        g.quadTo(0, -3, 5, -5);
        g.moveTo(-5, 5);
        g.quadTo(0, 3, 5, 5);
        break;
    case 4:
        g.addEllipse(QPointF(-2.6, -1.6), 1.7, 1.7);
        g.moveTo(-2.6, -3.3);
        g.cubicTo(0, -5.4, 3.6, -4.6, 5, -2.4);
        g.addEllipse(QPointF(2.6, 1.6), 1.7, 1.7);
        g.moveTo(2.6, 3.3);
        g.cubicTo(0, 5.4, -3.6, 4.6, -5, 2.4);
        break;
    case 5:
        g.addEllipse(QPointF(-2.8, 1.8), 2.1, 2.1);
        g.moveTo(-1.0, 0.8);
        g.cubicTo(-1.4, -5, 4.4, -5.6, 3.6, -1);
        g.cubicTo(3.0, 2.5, 2.0, 4.8, 5, 4.6);
        break;
    case 6:
    case 8:
        g.moveTo(-5, -3.4);
        g.lineTo(-5, 4.5);
        g.moveTo(-5, -2);
        g.quadTo(-3.5, -4.4, -2, -2);
        g.lineTo(-2, 4.5);
        g.moveTo(-2, -2);
        g.quadTo(-0.5, -4.4, 1, -2);
        if (sign == 6) {
            g.lineTo(1, 4.5);
            g.moveTo(1, 1);
            g.cubicTo(4.5, -3, 6, 1.5, 2, 5.5);
        } else {
            g.lineTo(1, 3);
            g.quadTo(1, 4.6, 3, 4.6);
            g.lineTo(5, 4.6);
            g.moveTo(3.6, 3.0);
            g.lineTo(5, 4.6);
            g.lineTo(3.6, 6.2);
        }
        break;
    case 7:
        g.moveTo(-5, 4);
        g.lineTo(5, 4);
        g.moveTo(-5, 1.4);
        g.lineTo(-2.2, 1.4);
        g.cubicTo(-4.2, -1.6, -2.2, -4.6, 0, -4.6);
        g.cubicTo(2.2, -4.6, 4.2, -1.6, 2.2, 1.4);
        g.lineTo(5, 1.4);
        break;
    case 9:
        g.moveTo(-4.6, 4.6);
        g.lineTo(4.6, -4.6);
        g.moveTo(0.4, -4.6);
        g.lineTo(4.6, -4.6);
        g.lineTo(4.6, -0.4);
        g.moveTo(-3.4, -0.6);
        g.lineTo(0.6, 3.4);
        break;
    case 10:
        g.moveTo(-5, -3);
        g.quadTo(-3.6, -5, -2.6, -1.6);
        g.lineTo(-0.6, 4.6);
        g.lineTo(1.0, -2.4);
        g.quadTo(2.0, -5.0, 3.0, -2.0);
        g.lineTo(3.0, 1.0);
        g.addEllipse(QPointF(3.2, 2.8), 1.8, 1.8);
        g.moveTo(1.6, 3.8);
        g.quadTo(0.4, 5.8, -2, 5.6);
        break;
    case 11:
        for (qreal y : {-1.4, 3.0}) {
            g.moveTo(-5, y);
            g.lineTo(-2.5, y - 2.2);
            g.lineTo(0, y);
            g.lineTo(2.5, y - 2.2);
            g.lineTo(5, y);
        }
        break;
    case 12:
        g.moveTo(-4.6, -5);
        g.quadTo(-0.8, 0, -4.6, 5);
        g.moveTo(4.6, -5);
        g.quadTo(0.8, 0, 4.6, 5);
        g.moveTo(-3, 0);
        g.lineTo(3, 0);
        break;
    default:
        break;
    }
    return g;
}

void paintRing(QPainter &p)
{
    p.fillPath(circle(centre, ringOuter + 1.2).subtracted(skyDisc()), QColor(0x2a, 0x10, 0x06));
    const QPainterPath band = circle(centre, ringOuter).subtracted(circle(centre, skyRadius + 1));

    QConicalGradient sheen(centre, 125);
    const QColor bright(0xff, 0xf1, 0xb6), warm(0xe2, 0xaa, 0x40), deep(0x86, 0x56, 0x16);
    sheen.setColorAt(0.00, bright);
    sheen.setColorAt(0.12, warm);
    sheen.setColorAt(0.27, deep);
    sheen.setColorAt(0.40, warm);
    sheen.setColorAt(0.50, bright);
    sheen.setColorAt(0.62, warm);
    sheen.setColorAt(0.77, deep);
    sheen.setColorAt(0.90, warm);
    sheen.setColorAt(1.00, bright);
    p.fillPath(band, sheen);

    const qreal inner = skyRadius + 1;
    auto stop = [](qreal r) { return r / ringOuter; };
    QRadialGradient bevel(centre, ringOuter);
    bevel.setColorAt(stop(inner), QColor(50, 25, 0, 170));
    bevel.setColorAt(stop(inner + 2.2), QColor(255, 245, 200, 60));
    bevel.setColorAt(stop(inner + 3.4), QColor(60, 30, 0, 90));
    bevel.setColorAt(stop(ringOuter - 3.4), QColor(60, 30, 0, 90));
    bevel.setColorAt(stop(ringOuter - 2.2), QColor(255, 245, 200, 90));
    bevel.setColorAt(1.0, QColor(50, 25, 0, 180));
    p.fillPath(band, bevel);

    // A row of beads in the channel between the two rims.
    const qreal beadR = (inner + ringOuter) / 2;
    for (int k = 0; k < 52; ++k) {
        const qreal a = 2 * M_PI * k / 52;
        const QPointF b = centre + QPointF(qCos(a), qSin(a)) * beadR;
        QRadialGradient bead(b + QPointF(-0.7, -0.7), 2.4);
        bead.setColorAt(0, QColor(0xff, 0xf8, 0xd8));
        bead.setColorAt(0.5, QColor(0xe0, 0xa8, 0x3e));
        bead.setColorAt(1, QColor(0x6a, 0x40, 0x0e));
        p.fillPath(circle(b, 1.9), bead);
    }
    p.strokePath(circle(centre, inner), QPen(QColor(0x2a, 0x10, 0x06), 1.0));
    p.strokePath(circle(centre, ringOuter), QPen(QColor(0x2a, 0x10, 0x06), 0.8));
}

void paintBoss(QPainter &p, int sign)
{
    const QPointF at(100, 186);
    QRadialGradient rim(at + QPointF(-3, -3), 14);
    rim.setColorAt(0, QColor(0xff, 0xf1, 0xb6));
    rim.setColorAt(0.5, QColor(0xe2, 0xaa, 0x40));
    rim.setColorAt(1, QColor(0x6a, 0x40, 0x0e));
    p.fillPath(circle(at, 11.5), rim);
    p.strokePath(circle(at, 11.5), QPen(QColor(0x2a, 0x10, 0x06), 1.0));
    QRadialGradient enamel(at + QPointF(-2, -2), 10);
    enamel.setColorAt(0, maroon.lighter(135));
    enamel.setColorAt(1, maroonDeep);
    p.fillPath(circle(at, 8.4), enamel);
    p.strokePath(circle(at, 8.4), QPen(QColor(0x2a, 0x10, 0x06), 0.9));
    QTransform t;
    t.translate(at.x(), at.y());
    t.scale(1.05, 1.05);
    const QPainterPath g = t.map(glyph(sign));
    p.strokePath(g,
                 QPen(QColor(0xff, 0xe6, 0x9a), 1.35, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

} // namespace

QString pictureFileName(int signIndex)
{
    return QString::fromLatin1(names[signIndex - 1]) + QLatin1String(".jpg");
}

QImage drawSignPicture(int signIndex, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn in 200-unit coordinates; larger copies are the same shapes scaled.
    p.scale(size / 200.0, size / 200.0);

    paintBackground(p);
    p.save();
    p.setClipPath(skyDisc());
    paintSky(p, signIndex);
    switch (footingOf(signIndex)) {
    case Footing::Ground:
        paintGround(p);
        break;
    case Footing::Waves:
        paintWaves(p);
        break;
    case Footing::Shore:
        paintShore(p);
        break;
    case Footing::Clouds:
        paintClouds(p);
        break;
    }
    drawFigure(p, signIndex);
    p.restore();
    paintRing(p);
    paintBoss(p, signIndex);
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace amorisk::imagegen
