#include "figures.h"

#include "artkit.h"

#include <QPainter>
#include <QtMath>

namespace amorisk::imagegen {

namespace {

// Limbs and pieces on the far side sit a little deeper in shadow.
const Tone farIvory{QColor(0xe9, 0xd3, 0xa6), QColor(0xbd, 0x98, 0x5e), QColor(0x70, 0x4a, 0x24)};
const Tone farBronze{QColor(0xc9, 0x98, 0x55), QColor(0x8c, 0x5e, 0x2a), QColor(0x45, 0x28, 0x10)};

void hoof(QPainter &p, const Band &leg, qreal size)
{
    const QPointF end = (leg.left.last() + leg.right.last()) / 2;
    QPainterPath h = smoothPath({sharp(end.x() - size * 0.55, end.y() - size * 0.55),
                                 sharp(end.x() + size * 0.55, end.y() - size * 0.55),
                                 sharp(end.x() + size * 0.7, end.y() + size * 0.3),
                                 sharp(end.x() - size * 0.75, end.y() + size * 0.3)});
    paintPart(p, h, {QColor(0x7a, 0x55, 0x35), QColor(0x4a, 0x2c, 0x18), QColor(0x22, 0x12, 0x08)},
              0.9);
}

void paw(QPainter &p, QPointF at, const Tone &tone)
{
    QPainterPath pw = ellipse(at, 5.5, 3.2);
    paintPart(p, pw, tone);
    QPainterPath toes;
    toes.moveTo(at + QPointF(-2.5, -1.2));
    toes.lineTo(at + QPointF(-2.8, 2.8));
    toes.moveTo(at + QPointF(0.2, -1.2));
    toes.lineTo(at + QPointF(0.0, 3.0));
    engrave(p, toes, 0.7, 150);
}

Band paintLimb(QPainter &p, const QList<Node> &spine, qreal w0, qreal w1, const Tone &tone)
{
    Band b = taper(spine, w0, w1);
    paintPart(p, b.outline, tone);
    return b;
}

QPainterPath strands(const QList<QList<Node>> &lines)
{
    QPainterPath all;
    for (const auto &l : lines)
        all.addPath(smoothPath(l, false));
    return all;
}

// The ram: standing in profile, fleece in curls, one spiral horn.
void aries(QPainter &p)
{
    hoof(p, paintLimb(p, {{94, 116}, {96, 138}, {94, 153}}, 8, 5.2, farIvory), 5.2);
    hoof(p, paintLimb(p, {{140, 114}, {143, 136}, {141, 153}}, 8, 5.2, farIvory), 5.2);
    hoof(p, paintLimb(p, {{85, 116}, {84, 138}, {82, 155}}, 8.5, 5.6, ivory), 5.6);
    hoof(p, paintLimb(p, {{131, 116}, {128, 132}, {132, 143}, {131, 155}}, 9, 5.6, ivory), 5.6);

    QPainterPath neck = smoothPath({{98, 92}, {86, 80}, {76, 74}, {67, 82}, {71, 98}, {88, 110}});
    paintPart(p, neck, ivory);

    const QPointF body(113, 102);
    QPainterPath fleece = ellipse(body, 36, 19);
    for (int k = 0; k < 18; ++k) {
        const qreal a = qDegreesToRadians(k * 20.0 + 5);
        const QPointF at = body + QPointF(qCos(a) * 35, qSin(a) * 18.5);
        fleece = fleece.united(circle(at, 7.5 + (k % 3) * 1.2));
    }
    fleece = fleece.united(circle({150, 95}, 6.5));
    paintPart(p, fleece, ivory);
    QPainterPath curls;
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 7; ++col) {
            const QPointF c(86 + col * 10 + (row % 2) * 5, 90 + row * 8);
            if (!fleece.contains(c + QPointF(0, 4)) || !fleece.contains(c - QPointF(4, 0)))
                continue;
            const QRectF r(c.x() - 3, c.y() - 3, 6, 6);
            curls.arcMoveTo(r, 200);
            curls.arcTo(r, 200, -250);
        }
    }
    engrave(p, curls, fleece, 0.8, 120);

    // A long Roman-nosed face.
    QPainterPath head = smoothPath({{80, 72},
                                    {69, 69},
                                    {60, 73},
                                    {52, 82},
                                    {46, 92},
                                    sharp(44, 99),
                                    {47, 104},
                                    {55, 106},
                                    {64, 102},
                                    {73, 96},
                                    {81, 92},
                                    {85, 82}});
    paintPart(p, head, ivory);
    eye(p, {60, 84}, 2.0);
    QPainterPath face;
    face.moveTo(57, 82.5);
    face.quadTo(60, 80.6, 63, 82.5);
    face.moveTo(46.5, 97);
    face.quadTo(49, 96, 50.5, 98);
    face.moveTo(48, 102.5);
    face.quadTo(51, 103.5, 54, 101.5);
    engrave(p, face, 0.9, 170);

    Band ear = taper({{79, 88}, {87, 93}, {93, 98}}, linearWidth(5.5, 1.6));
    paintPart(p, ear.outline, farIvory);

    Band horn = taperPolyline(spiral({80, 83}, 15, 3.5, -130, 405, 90),
                              [](qreal t) { return 12.0 - 8.5 * t; });
    paintPart(p, horn.outline, bronze);
    engrave(p, ribs(horn, 16, 0.04, 0.8), horn.outline, 0.8, 140);
}

// The bull: humped shoulders, head lowered, horns raised like a lyre.
void taurus(QPainter &p)
{
    Band farHorn = taper({{66, 71}, {72, 61}, {71, 51}, {65, 44}}, 9, 1.6);
    paintPart(p, farHorn.outline, farBronze);
    engrave(p, ribs(farHorn, 4, 0.1, 0.45), farHorn.outline, 0.7, 110);
    hoof(p, paintLimb(p, {{98, 124}, {100, 142}, {99, 155}}, 11, 6.5, farIvory), 6.5);
    hoof(p, paintLimb(p, {{144, 120}, {148, 138}, {146, 155}}, 11, 6.5, farIvory), 6.5);

    Band tail = taper({{161, 90}, {168, 98}, {170, 114}, {167, 132}}, 3.4, 2.4);
    paintPart(p, tail.outline, ivory);
    QPainterPath tuft
            = smoothPath({{163, 130}, {169, 129}, {172, 137}, sharp(167, 147), {162, 139}});
    paintPart(p, tuft, bronze);

    hoof(p, paintLimb(p, {{84, 124}, {82, 142}, {81, 157}}, 12, 7, ivory), 7);
    hoof(p, paintLimb(p, {{153, 114}, {152, 132}, {145, 142}, {149, 157}}, 12, 7, ivory), 7);

    QPainterPath body = smoothPath({{60, 74},
                                    {72, 66},
                                    {88, 58},
                                    {104, 62},
                                    {122, 71},
                                    {142, 73},
                                    {157, 77},
                                    {165, 90},
                                    {164, 108},
                                    {157, 122},
                                    {146, 128},
                                    {128, 128},
                                    {110, 132},
                                    {94, 131},
                                    {82, 134},
                                    {71, 127},
                                    {63, 117},
                                    {58, 104}});
    paintPart(p, body, ivory);
    QPainterPath folds;
    folds.moveTo(80, 84);
    folds.cubicTo(92, 94, 94, 110, 88, 126);
    folds.moveTo(140, 84);
    folds.cubicTo(153, 96, 153, 112, 147, 124);
    folds.moveTo(100, 128);
    folds.quadTo(118, 125, 132, 126);
    folds.moveTo(68, 110);
    folds.quadTo(72, 116, 72, 124);
    folds.moveTo(75, 70);
    folds.quadTo(80, 78, 80, 86);
    engrave(p, folds, body, 0.8, 110);

    Band ear = taper({{63, 81}, {71, 85}, {78, 85}}, linearWidth(6, 2));
    paintPart(p, ear.outline, farIvory);
    QPainterPath head = smoothPath({{58, 70},
                                    {66, 76},
                                    {69, 89},
                                    {63, 101},
                                    {54, 109},
                                    {44, 111},
                                    {38, 105},
                                    {39, 96},
                                    {44, 85},
                                    {50, 75}});
    paintPart(p, head, ivory);
    QPainterPath features;
    features.moveTo(41, 99);
    features.cubicTo(43, 97, 45, 99, 43.5, 101.5);
    features.moveTo(40, 106);
    features.quadTo(44, 108, 49, 106.5);
    features.moveTo(50.5, 82);
    features.quadTo(54, 80, 58, 82);
    features.moveTo(60, 96);
    features.quadTo(64, 92, 66, 86);
    engrave(p, features, 0.9, 160);
    eye(p, {54, 85}, 2.1);

    Band horn = taper({{58, 73}, {49, 67}, {44, 58}, {46, 47}}, 10, 1.6);
    paintPart(p, horn.outline, bronze);
    engrave(p, ribs(horn, 5, 0.08, 0.5), horn.outline, 0.7, 120);
    QPainterPath forelock
            = smoothPath({{53, 73}, {58, 70}, {64, 72}, {60, 76}, sharp(56, 80), {54, 76}});
    paintPart(p, forelock, bronze, 0.8);
}

// One twin, drawn on the left and mirrored for the other.
struct Twin
{
    QList<QPainterPath> back;
    QPainterPath tunic;
    QPainterPath belt;
    QPainterPath folds;
    QPainterPath head;
    QPainterPath hair;
    QPainterPath locks;
    QPainterPath mouth;
    QList<QPainterPath> front;
    QPointF eye;
};

Twin twinShapes()
{
    Twin t;
    t.back.append(taper({{71, 126}, {70, 142}, {68, 156}}, 6.5, 4.6).outline);
    t.back.append(taper({{82, 126}, {84, 142}, {86, 156}}, 6.5, 4.6).outline);
    t.back.append(ellipse({66.5, 157}, 4.2, 2.2));
    t.back.append(ellipse({88, 157}, 4.2, 2.2));
    t.tunic = smoothPath({{66, 75},
                          {76, 73},
                          {87, 75},
                          {89, 86},
                          {86, 100},
                          {90, 116},
                          sharp(93, 128),
                          {85, 131},
                          {77, 129},
                          {68, 131},
                          sharp(60, 128),
                          {65, 114},
                          {67, 100},
                          {64, 87}});
    t.belt = smoothPath({{66, 98}, {86, 98}, {86.5, 102}, {66.5, 102}});
    t.folds.moveTo(71, 104);
    t.folds.quadTo(69, 118, 66, 128);
    t.folds.moveTo(77, 104);
    t.folds.lineTo(77, 128);
    t.folds.moveTo(83, 104);
    t.folds.quadTo(85, 118, 88, 128);
    t.folds.moveTo(70, 78);
    t.folds.quadTo(76, 86, 84, 78);
    // In profile, facing the other twin.
    t.head = smoothPath({{69, 58},
                         {70, 51},
                         {76, 48},
                         {82, 50},
                         {85, 55},
                         sharp(87.5, 59),
                         {85.2, 60.5},
                         {85.8, 63.5},
                         {83, 67},
                         {77, 69},
                         {71, 66}});
    t.hair = smoothPath({{68, 61},
                         {67, 52},
                         {72, 46.5},
                         {79, 45.5},
                         {85, 48.5},
                         {86.5, 53},
                         {83, 52},
                         {79, 52.5},
                         {76, 55},
                         {74, 60},
                         sharp(72, 67)});
    t.front.append(taper({{67, 78}, {62, 93}, {59, 109}}, 6, 4).outline);
    t.front.append(circle({58.5, 111}, 3.2));
    t.front.append(taper({{86, 78}, {93, 66}, {98, 52}}, 6, 4).outline);
    t.eye = {81.5, 57.5};
    t.locks.addEllipse(QPointF(73, 50), 2.2, 2.0);
    t.locks.addEllipse(QPointF(78.5, 48.8), 2.2, 2.0);
    t.locks.addEllipse(QPointF(70.5, 55.5), 2.0, 2.2);
    t.locks.moveTo(83, 49.5);
    t.locks.quadTo(84.5, 51, 84, 53);
    t.mouth.moveTo(84.2, 63.4);
    t.mouth.lineTo(85.6, 63.3);
    return t;
}

void paintTwin(QPainter &p, const Twin &t, const Tone &hairTone)
{
    for (const QPainterPath &piece : t.back)
        paintPart(p, piece, farIvory);
    paintPart(p, t.tunic, ivory);
    engrave(p, t.folds, t.tunic, 0.8, 120);
    paintPart(p, t.belt, gold, 0.8);
    paintPart(p, t.head, ivory);
    paintPart(p, t.hair, hairTone);
    engrave(p, t.locks, t.hair, 0.7, 130);
    eye(p, t.eye, 1.3);
    engrave(p, t.mouth, 0.8, 150);
    for (const QPainterPath &piece : t.front)
        paintPart(p, piece, ivory);
}

void star(QPainter &p, QPointF c, qreal r, qreal inner, int points, const Tone &tone)
{
    QPolygonF poly;
    for (int k = 0; k < points * 2; ++k) {
        const qreal a = -M_PI / 2 + k * M_PI / points;
        poly << c + QPointF(qCos(a), qSin(a)) * ((k % 2) ? inner : r);
    }
    QPainterPath s;
    s.addPolygon(poly);
    s.closeSubpath();
    paintPart(p, s, tone, 0.9);
}

// The twins: two youths holding up a star between them.
void gemini(QPainter &p)
{
    QRadialGradient glow(QPointF(100, 40), 22);
    glow.setColorAt(0, QColor(255, 240, 190, 150));
    glow.setColorAt(1, QColor(255, 240, 190, 0));
    p.fillPath(circle({100, 40}, 22), glow);

    const Twin left = twinShapes();
    Twin right;
    for (const QPainterPath &piece : left.back)
        right.back.append(mirrored(piece));
    right.tunic = mirrored(left.tunic);
    right.belt = mirrored(left.belt);
    right.folds = mirrored(left.folds);
    right.head = mirrored(left.head);
    right.hair = mirrored(left.hair);
    right.locks = mirrored(left.locks);
    right.mouth = mirrored(left.mouth);
    for (const QPainterPath &piece : left.front)
        right.front.append(mirrored(piece));
    right.eye = {200 - left.eye.x(), left.eye.y()};
    paintTwin(p, left, bronze);
    paintTwin(p, right, gold);
    paintPart(p, circle({100, 50}, 4.5), ivory);
    star(p, {100, 36}, 9, 3.8, 5, gold);
}

// The crab, seen from above with both claws raised.
void cancer(QPainter &p)
{
    for (int side = 0; side < 2; ++side) {
        for (int k = 0; k < 4; ++k) {
            const qreal by = 104 + k * 6;
            const qreal bx = 70 + k * 2.5;
            const QList<Node> spine{
                    {bx, by}, {bx - 16, by - 6 + k * 2.5}, sharp(bx - 27, by + 10 + k * 3)};
            Band leg = taper(spine, 5.2, 1.2);
            QPainterPath shape = side ? mirrored(leg.outline) : leg.outline;
            paintPart(p, shape, farBronze);
        }
    }
    for (int side = 0; side < 2; ++side) {
        auto m = [side](const QPainterPath &path) { return side ? mirrored(path) : path; };
        paintPart(p, m(taper({{76, 96}, {64, 88}, {58, 74}}, 8, 6.5).outline), bronze);
        paintPart(p, m(taper({{53, 56}, {50, 42}, {56, 30}}, 8, 1.2).outline), bronze);
        paintPart(p, m(taper({{62, 54}, {68, 44}, {69, 33}}, 6.5, 1.2).outline), bronze);
        QPainterPath palm = m(ellipse({58, 62}, 9, 12, -15));
        paintPart(p, palm, bronze);
        QPainterPath bumps;
        bumps.addEllipse(QPointF(55, 62), 1.0, 1.0);
        bumps.addEllipse(QPointF(59, 58), 1.0, 1.0);
        bumps.addEllipse(QPointF(58, 66), 1.0, 1.0);
        p.fillPath(m(bumps), QColor(0x4a, 0x2a, 0x10, 160));
        paintPart(p, m(taper({{94, 88}, {92, 80}, {90, 73}}, 2.6, 2.2).outline), bronze, 0.8);
        paintPart(p, m(circle({89.5, 72}, 3.2)),
                  {QColor(80, 60, 50), QColor(40, 25, 20), QColor(10, 5, 5)}, 0.8);
    }
    QPainterPath shell = smoothPath({{63, 104},
                                     {68, 94},
                                     {76, 88},
                                     sharp(84, 85),
                                     {92, 84},
                                     sharp(100, 82),
                                     {108, 84},
                                     sharp(116, 85),
                                     {124, 88},
                                     {132, 94},
                                     {137, 104},
                                     {133, 117},
                                     {120, 127},
                                     {100, 131},
                                     {80, 127},
                                     {67, 117}});
    paintPart(p, shell, ivory);
    QPainterPath marks;
    marks.moveTo(82, 95);
    marks.cubicTo(90, 100, 92, 108, 91, 120);
    marks.moveTo(118, 95);
    marks.cubicTo(110, 100, 108, 108, 109, 120);
    marks.moveTo(91, 107);
    marks.quadTo(100, 104, 109, 107);
    marks.moveTo(72, 104);
    marks.quadTo(78, 110, 78, 118);
    marks.moveTo(128, 104);
    marks.quadTo(122, 110, 122, 118);
    engrave(p, marks, shell, 0.9, 130);
    QPainterPath spots;
    for (QPointF s : {QPointF(92, 92), QPointF(108, 92), QPointF(86, 108), QPointF(114, 108)})
        spots.addEllipse(s, 1.6, 1.2);
    p.fillPath(spots, QColor(0x9c, 0x6f, 0x3c, 170));
}

// The lion: striding, a flame-like mane over the shoulders, tail tip up.
void leo(QPainter &p)
{
    paintLimb(p, {{101, 116}, {102, 134}, {102, 150}}, 11, 7, farIvory);
    paw(p, {101, 153}, farIvory);
    paintLimb(p, {{136, 116}, {134, 134}, {131, 150}}, 11, 7, farIvory);
    paw(p, {130, 153}, farIvory);

    Band tail = taper({{154, 100}, {164, 108}, {172, 100}, {171, 84}, {165, 74}}, 3.8, 2.6);
    paintPart(p, tail.outline, ivory);
    QPainterPath tuft = smoothPath({{160, 76}, {163, 66}, sharp(170, 60), {170, 70}, {167, 77}});
    paintPart(p, tuft, bronze);

    QPainterPath body = smoothPath({{84, 90},
                                    {102, 94},
                                    {122, 95},
                                    {140, 92},
                                    {152, 95},
                                    {159, 104},
                                    {158, 116},
                                    {151, 124},
                                    {140, 124},
                                    {128, 119},
                                    {112, 120},
                                    {98, 127},
                                    {86, 127},
                                    {78, 116},
                                    {78, 100}});
    paintPart(p, body, ivory);
    QPainterPath muscles;
    muscles.moveTo(140, 99);
    muscles.cubicTo(151, 105, 153, 114, 148, 121);
    muscles.moveTo(106, 121);
    muscles.quadTo(116, 117, 126, 118);
    muscles.moveTo(96, 104);
    muscles.quadTo(100, 114, 96, 124);
    engrave(p, muscles, body, 0.8, 110);
    paintLimb(p, {{90, 114}, {83, 132}, {76, 150}}, 12, 7.5, ivory);
    paw(p, {74, 153}, ivory);
    paintLimb(p, {{150, 112}, {154, 128}, {151, 140}, {149, 151}}, 12, 7, ivory);
    paw(p, {150, 153}, ivory);

    QList<Node> maneNodes;
    const QPointF mc(72, 88);
    const int tufts = 24;
    for (int k = 0; k < tufts; ++k) {
        const qreal a = qDegreesToRadians(k * 360.0 / tufts - 100);
        const qreal stretch = 1.0 + 0.22 * qMax(0.0, qCos(a)) + 0.08 * qMax(0.0, qSin(a));
        const qreal r = ((k % 2) ? 21 : 30) * stretch;
        const qreal twist = (k % 2) ? 0 : qDegreesToRadians(8.0);
        Node n(mc + QPointF(qCos(a + twist) * r, qSin(a + twist) * r * 0.95));
        n.sharp = !(k % 2);
        maneNodes.append(n);
    }
    QPainterPath mane = smoothPath(maneNodes);
    paintPart(p, mane, bronze);
    QPainterPath maneLines;
    for (int k = 0; k < tufts; ++k) {
        const qreal a = qDegreesToRadians(k * 360.0 / tufts - 92);
        maneLines.moveTo(mc + QPointF(qCos(a), qSin(a)) * 14);
        maneLines.quadTo(mc + QPointF(qCos(a + 0.12), qSin(a + 0.12)) * 21,
                         mc + QPointF(qCos(a + 0.05), qSin(a + 0.05)) * 27);
    }
    engrave(p, maneLines, mane, 0.8, 130);

    QPainterPath face = smoothPath({{58, 69},
                                    {68, 71},
                                    {74, 81},
                                    {72, 95},
                                    {64, 103},
                                    {54, 102},
                                    {47, 98},
                                    {42, 93},
                                    sharp(40, 86),
                                    {44, 80},
                                    {50, 73}});
    paintPart(p, face, ivory);
    QPainterPath nose = smoothPath({sharp(39.5, 84.5), {44, 84}, {44.5, 87.5}, sharp(40.5, 88.5)});
    p.fillPath(nose, inkColour);
    eye(p, {55, 80}, 1.9);
    QPainterPath features;
    features.moveTo(50.5, 77);
    features.quadTo(55, 75, 60, 78);
    features.moveTo(44, 85);
    features.quadTo(48, 82, 52, 84);
    features.moveTo(42, 92);
    features.quadTo(47, 95, 53, 94);
    features.moveTo(53, 94);
    features.quadTo(51, 98, 55, 100);
    engrave(p, features, 0.9, 170);
    for (QPointF w : {QPointF(47, 89.5), QPointF(49.5, 90.5), QPointF(47.5, 91.8)})
        dot(p, w, 0.5, inkColour);
}

// The virgin: a winged maiden holding a sheaf of wheat.
void virgo(QPainter &p)
{
    for (int k = 5; k >= 0; --k) {
        const qreal a = qDegreesToRadians(-75.0 + k * 16);
        const QPointF root(110, 80);
        const QPointF tip = root + QPointF(qCos(a) * (56 - k * 4), qSin(a) * (56 - k * 4));
        const QPointF mid = (root + tip) / 2 + QPointF(qCos(a + 1.2), qSin(a + 1.2)) * 6;
        Band feather
                = taper({root, mid, tip}, [](qreal t) { return 5 + 9 * qSin(t * M_PI * 0.85); });
        paintPart(p, feather.outline, k % 2 ? farIvory : ivory, 0.9);
        QPainterPath vane;
        vane.moveTo(root);
        vane.quadTo(mid, tip);
        engrave(p, vane, 0.6, 110);
    }
    QPainterPath covert = smoothPath(
            {{104, 78}, {112, 64}, {126, 52}, {134, 54}, {130, 66}, {122, 80}, {112, 88}});
    paintPart(p, covert, ivory);
    engrave(p, scaleRows(covert.boundingRect(), 6), covert, 0.6, 110);

    QPainterPath hairBack = smoothPath({{90, 46},
                                        {102, 46},
                                        {108, 56},
                                        {110, 72},
                                        {116, 90},
                                        sharp(113, 104),
                                        {106, 92},
                                        {101, 78},
                                        {95, 66}});
    paintPart(p, hairBack, bronze);
    engrave(p, strands({{{100, 52}, {104, 66}, {110, 86}}, {{96, 56}, {101, 72}, {108, 92}}}),
            hairBack, 0.7, 120);

    QPainterPath gown = smoothPath({{88, 72},
                                    {100, 72},
                                    {106, 82},
                                    {107, 98},
                                    {112, 118},
                                    {121, 140},
                                    sharp(132, 157),
                                    {112, 159},
                                    {94, 159},
                                    sharp(76, 157),
                                    {81, 138},
                                    {86, 116},
                                    {86, 96},
                                    {84, 82}});
    paintPart(p, gown, ivory);
    QPainterPath folds = strands({{{92, 104}, {88, 130}, {84, 156}},
                                  {{98, 104}, {98, 130}, {98, 157}},
                                  {{103, 104}, {108, 130}, {114, 156}},
                                  {{107, 112}, {116, 134}, {126, 155}}});
    folds.moveTo(86, 100);
    folds.quadTo(96, 104, 106, 100);
    engrave(p, folds, gown, 0.8, 120);

    // The sheaf, held across the body.
    QPainterPath stalks;
    const QList<QPointF> ears{{56, 54}, {63, 50}, {70, 52}, {52, 62}, {76, 58}};
    for (QPointF e : ears) {
        stalks.moveTo(86, 130);
        stalks.quadTo(QPointF(80, 100), e);
    }
    p.strokePath(stalks, QPen(inkColour, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(stalks, QPen(gold.mid, 1.4, Qt::SolidLine, Qt::RoundCap));
    for (QPointF e : ears) {
        const QPointF base(80, 100);
        QPointF dir = e - base;
        dir /= std::hypot(dir.x(), dir.y());
        const QPointF side(-dir.y(), dir.x());
        for (int g = 0; g < 5; ++g) {
            const QPointF c = e - dir * (g * 3.0);
            const qreal ang = qRadiansToDegrees(qAtan2(dir.y(), dir.x()));
            paintPart(p, ellipse(c + side * 1.8, 2.6, 1.4, ang - 30), gold, 0.6);
            paintPart(p, ellipse(c - side * 1.8, 2.6, 1.4, ang + 30), gold, 0.6);
        }
        paintPart(p, ellipse(e + dir * 2, 2.4, 1.3, qRadiansToDegrees(qAtan2(dir.y(), dir.x()))),
                  gold, 0.6);
    }
    paintPart(p, ellipse({80.5, 99}, 4, 2.2, -70), bronze, 0.8);

    paintPart(p, taper({{88, 76}, {82, 88}, {79, 98}}, 6, 4.2).outline, ivory);
    paintPart(p, circle({79, 99}, 3.2), ivory);

    QPainterPath face = smoothPath({{86, 52},
                                    {92, 47},
                                    {99, 49},
                                    {101, 58},
                                    {99, 66},
                                    {94, 70},
                                    {89, 68},
                                    {86, 64},
                                    sharp(83, 59.5),
                                    {85, 57}});
    paintPart(p, face, ivory);
    QPainterPath hairTop = smoothPath(
            {{84, 54}, {87, 46}, {95, 43}, {103, 46}, {105, 56}, {101, 58}, {97, 51}, {90, 51}});
    paintPart(p, hairTop, bronze);
    engrave(p, strands({{{88, 49}, {94, 46}, {101, 48}}}), hairTop, 0.6, 110);
    eye(p, {88.5, 58.5}, 1.3);
    QPainterPath lips;
    lips.moveTo(85.5, 64);
    lips.lineTo(87.5, 64.3);
    engrave(p, lips, 0.8, 160);
    star(p, {98, 38}, 4, 1.6, 5, gold);
}

// The scales: a balanced beam on a column.
void libra(QPainter &p)
{
    auto chains = [&p](qreal x) {
        QPainterPath c;
        c.moveTo(x, 66);
        c.lineTo(x - 17, 112);
        c.moveTo(x, 66);
        c.lineTo(x + 17, 112);
        c.moveTo(x, 66);
        c.lineTo(x, 110);
        p.strokePath(c, QPen(inkColour, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.strokePath(c, QPen(gold.mid, 1.1, Qt::DotLine, Qt::RoundCap));
    };
    chains(50);
    chains(150);
    for (qreal x : {50.0, 150.0}) {
        QPainterPath pan = smoothPath(
                {sharp(x - 21, 112), sharp(x + 21, 112), {x + 14, 121}, {x, 126}, {x - 14, 121}});
        paintPart(p, pan, gold);
        QPainterPath rim = ellipse({x, 112}, 21, 2.6);
        paintPart(p, rim, ivory, 0.9);
        paintPart(p, circle({x, 66}, 3.2), gold, 0.9);
    }
    QPainterPath base = smoothPath({sharp(72, 158),
                                    sharp(128, 158),
                                    sharp(126, 152),
                                    sharp(114, 150),
                                    {106, 143},
                                    sharp(100, 140),
                                    {94, 143},
                                    sharp(86, 150),
                                    sharp(74, 152)});
    paintPart(p, base, gold);
    QPainterPath column
            = smoothPath({sharp(97, 142), sharp(103, 142), sharp(102, 64), sharp(98, 64)});
    paintPart(p, column, gold);
    for (qreal y : {92.0, 118.0})
        paintPart(p, ellipse({100, y}, 5, 2.8), gold, 0.9);
    QPainterPath beam = smoothPath({sharp(48, 66),
                                    {74, 61},
                                    {100, 58},
                                    {126, 61},
                                    sharp(152, 66),
                                    sharp(152, 69),
                                    {126, 65},
                                    {100, 63},
                                    {74, 65},
                                    sharp(48, 69)});
    paintPart(p, beam, gold);
    for (qreal x : {46.0, 154.0})
        paintPart(p, circle({x, 67.5}, 3.4), gold, 0.9);
    paintPart(p, circle({100, 60}, 5.5), gold);
    QPainterPath finial = smoothPath({sharp(100, 38), {103, 48}, {100, 55}, {97, 48}});
    paintPart(p, finial, gold, 0.9);
    QPainterPath needle;
    needle.moveTo(100, 60);
    needle.lineTo(100, 75);
    engrave(p, needle, 1.2, 200);
}

// The scorpion, seen from above, tail arched to the side.
void scorpio(QPainter &p)
{
    for (int side = 0; side < 2; ++side) {
        for (int k = 0; k < 4; ++k) {
            const qreal by = 84 + k * 7;
            const QList<Node> spine{
                    {92, by}, {76.0 - k, by - 8 + k * 2}, sharp(66 - k * 2, by + 8 + k * 3)};
            Band leg = taper(spine, 4.2, 1.2);
            paintPart(p, side ? mirrored(leg.outline) : leg.outline, farBronze, 0.9);
        }
    }
    for (int side = 0; side < 2; ++side) {
        auto m = [side](const QPainterPath &path) { return side ? mirrored(path) : path; };
        paintPart(p, m(taper({{92, 72}, {80, 66}, {72, 58}}, 6, 5).outline), bronze);
        paintPart(p, m(taper({{64, 46}, {60, 36}, {63, 28}}, 6.5, 1.2).outline), bronze);
        paintPart(p, m(taper({{70, 45}, {73, 37}, {72, 30}}, 5, 1.2).outline), bronze);
        paintPart(p, m(ellipse({67, 51}, 7, 10, 30)), bronze);
    }

    // Tail: segments growing smaller toward the sting.
    const QList<QPointF> joints{{100, 124}, {104, 134}, {113, 143},
                                {125, 146}, {136, 141}, {142, 131}};
    for (int k = static_cast<int>(joints.size()) - 2; k >= 0; --k) {
        const QPointF a = joints[k], b = joints[k + 1];
        const QPointF c = (a + b) / 2;
        const qreal ang = qRadiansToDegrees(qAtan2(b.y() - a.y(), b.x() - a.x()));
        const qreal len = std::hypot(b.x() - a.x(), b.y() - a.y());
        paintPart(p, ellipse(c, len * 0.62, 6.2 - k * 0.5, ang), bronze);
    }
    QPainterPath bulb = ellipse({142, 124}, 5.5, 7, 15);
    paintPart(p, bulb, bronze);
    QPainterPath sting
            = smoothPath({{139, 119}, {138, 111}, sharp(131, 104), {136, 111}, {144, 118}});
    paintPart(p, sting,
              {QColor(0x8a, 0x5a, 0x30), QColor(0x50, 0x2c, 0x12), QColor(0x20, 0x0e, 0x04)}, 0.9);

    for (int k = 6; k >= 0; --k) {
        const qreal y = 88 + k * 5.6;
        const qreal rx = k < 4 ? 15.5 : 15.5 - (k - 3) * 2.6;
        paintPart(p, ellipse({100, y}, rx, 4.6), ivory);
    }
    QPainterPath head = smoothPath(
            {{86, 70}, {92, 62}, {108, 62}, {114, 70}, {115, 82}, {100, 88}, {85, 82}});
    paintPart(p, head, ivory);
    QPainterPath headMarks;
    headMarks.moveTo(100, 64);
    headMarks.lineTo(100, 84);
    engrave(p, headMarks, head, 0.8, 110);
    dot(p, {97, 67}, 1.3, inkColour);
    dot(p, {103, 67}, 1.3, inkColour);
}

// The archer: a centaur drawing his bow.
void sagittarius(QPainter &p)
{
    Band tail = taper({{50, 104}, {42, 108}, {35, 120}, {34, 134}, {40, 146}},
                      [](qreal t) { return 4 + 7 * qSin(t * M_PI * 0.8); });
    paintPart(p, tail.outline, bronze);
    engrave(p, strands({{{46, 108}, {38, 120}, {37, 136}}, {{44, 112}, {40, 126}, {41, 142}}}),
            tail.outline, 0.6, 120);
    hoof(p, paintLimb(p, {{108, 122}, {111, 140}, {111, 154}}, 8, 5, farIvory), 5);
    hoof(p, paintLimb(p, {{64, 120}, {66, 138}, {62, 154}}, 8.5, 5, farIvory), 5);

    QPainterPath body = smoothPath({{50, 100},
                                    {64, 95},
                                    {84, 98},
                                    {104, 96},
                                    {116, 94},
                                    {125, 102},
                                    {126, 116},
                                    {117, 127},
                                    {98, 128},
                                    {78, 129},
                                    {60, 125},
                                    {49, 116},
                                    {47, 106}});
    paintPart(p, body, ivory);
    engrave(p, strands({{{112, 100}, {118, 110}, {116, 122}}, {{58, 104}, {66, 112}, {64, 122}}}),
            body, 0.8, 110);
    Band frontLeg = paintLimb(p, {{117, 120}, {126, 131}, {121, 142}}, 8.5, 5, ivory);
    hoof(p, frontLeg, 5);
    hoof(p, paintLimb(p, {{56, 114}, {59, 132}, {53, 143}, {58, 156}}, 9.5, 5, ivory), 5);

    QPainterPath torso = smoothPath({{113, 100},
                                     {111, 88},
                                     {107, 77},
                                     {108, 67},
                                     {115, 62},
                                     {124, 61},
                                     {130, 66},
                                     {131, 76},
                                     {128, 88},
                                     {126, 100}});
    paintPart(p, torso, ivory);
    engrave(p, strands({{{113, 73}, {118, 76}, {124, 72}}, {{116, 86}, {119, 88}, {122, 86}}}),
            torso, 0.7, 110);

    // Drawing arm behind the string hand.
    paintPart(p, taper({{111, 67}, {104, 63}, {97, 61}}, 6.5, 5).outline, farIvory);
    paintPart(p, taper({{97, 61}, {101, 58.5}, {105, 57}}, 5, 4).outline, farIvory);

    QPainterPath bow = taper({{146, 28}, {156, 40}, {159, 58}, {154, 76}, {144, 88}}, [](qreal t) {
                           return 1.6 + 2.6 * qSin(t * M_PI);
                       }).outline;
    QPainterPath string;
    string.moveTo(146, 28);
    string.lineTo(107, 57);
    string.lineTo(144, 88);
    p.strokePath(string, QPen(QColor(250, 240, 210), 0.8));
    paintPart(p, bow, gold, 0.9);

    QPainterPath arrow;
    arrow.moveTo(106, 57.5);
    arrow.lineTo(166, 50);
    p.strokePath(arrow, QPen(inkColour, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(arrow, QPen(gold.light, 1.0, Qt::SolidLine, Qt::RoundCap));
    QPainterPath head
            = smoothPath({sharp(172, 49), sharp(163, 46), sharp(165, 50), sharp(164, 54)});
    paintPart(p, head, gold, 0.8);
    QPainterPath fletch = smoothPath(
            {sharp(106, 57.5), sharp(112, 53), sharp(116, 56.5), sharp(113, 60), sharp(107, 58)});
    paintPart(p, fletch, bronze, 0.7);

    paintPart(p, taper({{123, 65}, {138, 60}, {156, 57}}, 6, 4).outline, ivory);
    paintPart(p, circle({157, 57}, 3.3), ivory);
    paintPart(p, circle({106, 57}, 3.2), ivory);

    QPainterPath head2 = smoothPath({{114, 44},
                                     {122, 42},
                                     {127, 48},
                                     sharp(130, 53),
                                     {127, 55},
                                     {125, 60},
                                     {118, 61},
                                     {113, 55}});
    paintPart(p, head2, ivory);
    QPainterPath hair = smoothPath({{112, 52},
                                    {112, 44},
                                    {118, 40},
                                    {126, 41},
                                    {127, 46},
                                    {120, 46},
                                    {116, 50},
                                    {116, 56}});
    paintPart(p, hair, bronze);
    QPainterPath beard = smoothPath({{118, 57}, {124, 58}, {128, 56}, {126, 62}, sharp(120, 64)});
    paintPart(p, beard, bronze, 0.8);
    eye(p, {124, 49}, 1.3);
}

// The sea-goat: a goat's forequarters ending in a coiled fish tail.
void capricorn(QPainter &p)
{
    Band tail = taper({{104, 104}, {124, 120}, {144, 120}, {155, 106}, {150, 90}, {140, 84}},
                      [](qreal t) { return 24 - 17 * t; });
    paintPart(p, tail.outline, ivory);
    engrave(p, scaleRows(tail.outline.boundingRect(), 6), tail.outline, 0.6, 110);
    engrave(p, ribs(tail, 4, 0.25, 0.9), tail.outline, 0.7, 90);
    QPainterPath fin = smoothPath({{142, 86},
                                   {134, 80},
                                   sharp(124, 70),
                                   {134, 72},
                                   sharp(136, 62),
                                   {142, 72},
                                   {146, 82}});
    paintPart(p, fin, bronze);
    engrave(p, strands({{{140, 82}, {132, 74}}, {{142, 80}, {138, 68}}}), fin, 0.6, 120);
    QPainterPath dorsal = smoothPath({{130, 120}, {140, 128}, sharp(150, 124), {144, 116}});
    paintPart(p, dorsal, bronze, 0.9);

    paintLimb(p, {{94, 114}, {86, 128}, {76, 132}}, 7, 4.2, farIvory);
    paintPart(p, ellipse({74.5, 132.5}, 3.2, 2.2, -20),
              {QColor(0x7a, 0x55, 0x35), QColor(0x4a, 0x2c, 0x18), QColor(0x22, 0x12, 0x08)}, 0.8);

    Band farHorn = taper({{74, 60}, {82, 49}, {94, 45}, {103, 52}}, 6, 1.4);
    paintPart(p, farHorn.outline, farBronze);

    QPainterPath chest = smoothPath({{70, 74},
                                     {84, 78},
                                     {100, 88},
                                     {114, 96},
                                     {119, 110},
                                     {108, 120},
                                     {92, 121},
                                     {80, 116},
                                     {72, 104},
                                     {66, 90}});
    paintPart(p, chest, ivory);
    engrave(p, strands({{{78, 92}, {84, 104}, {92, 112}}, {{86, 88}, {96, 98}, {104, 106}}}), chest,
            0.7, 100);
    Band leg = paintLimb(p, {{84, 112}, {72, 122}, {60, 121}, {55, 127}}, 8, 4.4, ivory);
    hoof(p, leg, 4.6);

    QPainterPath head = smoothPath({{68, 59},
                                    {76, 62},
                                    {79, 74},
                                    {73, 84},
                                    {63, 88},
                                    {55, 86},
                                    sharp(49, 80),
                                    {55, 70},
                                    {62, 62}});
    paintPart(p, head, ivory);
    paintPart(p, taper({{60, 87}, {59, 95}, {57, 102}}, 5.5, 1.2).outline, bronze, 0.9);
    paintPart(p, taper({{73, 68}, {80, 70}, {87, 69}}, 5, 1.4).outline, ivory, 0.9);
    Band horn = taper({{68, 60}, {74, 48}, {86, 40}, {98, 42}}, 7, 1.5);
    paintPart(p, horn.outline, bronze);
    engrave(p, ribs(horn, 8, 0.05, 0.8), horn.outline, 0.7, 130);
    eye(p, {62, 72}, 1.7);
    dot(p, {51, 80}, 0.9, inkColour);
}

// The water bearer: a youth pouring from an urn.
void aquarius(QPainter &p)
{
    for (int k = 0; k < 3; ++k) {
        const qreal dx = k * 6 - 4;
        Band stream = taper({{129, 82},
                             {138 + dx, 96},
                             {138 + dx, 118},
                             {134 + dx * 1.5, 138},
                             {140 + dx * 2, 158}},
                            [k](qreal t) { return (k == 1 ? 6.0 : 4.0) + 4 * t; });
        paintPart(p, stream.outline, water, 0.8);
        QPainterPath shine;
        shine.moveTo((stream.left[10] + stream.right[10]) / 2);
        shine.quadTo((stream.left[26] + stream.right[26]) / 2,
                     (stream.left[40] + stream.right[40]) / 2);
        p.strokePath(shine, QPen(QColor(255, 255, 255, 150), 0.8));
    }

    paintPart(p, taper({{68, 124}, {66, 140}, {64, 155}}, 7, 5).outline, farIvory);
    paintPart(p, ellipse({62, 156}, 4.4, 2.2), farIvory);
    paintPart(p, taper({{82, 124}, {86, 140}, {89, 155}}, 7, 5).outline, ivory);
    paintPart(p, ellipse({91, 156}, 4.4, 2.2), ivory);

    QPainterPath chest
            = smoothPath({{63, 66}, {75, 64}, {87, 66}, {89, 80}, {85, 98}, {66, 98}, {61, 82}});
    paintPart(p, chest, ivory);
    engrave(p, strands({{{68, 76}, {74, 79}, {80, 76}}, {{75, 82}, {75, 92}}}), chest, 0.7, 100);
    QPainterPath drape = smoothPath({{64, 95},
                                     {87, 95},
                                     {90, 110},
                                     sharp(94, 126),
                                     {80, 123},
                                     {68, 126},
                                     sharp(58, 124),
                                     {62, 110}});
    paintPart(p, drape, bronze);
    engrave(p,
            strands({{{70, 99}, {68, 112}, {65, 122}},
                     {{77, 99}, {78, 112}, {79, 122}},
                     {{84, 99}, {88, 112}, {90, 122}}}),
            drape, 0.7, 130);

    paintPart(p, taper({{85, 69}, {95, 62}, {104, 59}}, 6, 4.5).outline, farIvory);

    // The urn, tipped so its mouth pours to the right.
    QTransform tip;
    tip.translate(110, 72);
    tip.rotate(112);
    const QPainterPath urn = tip.map(smoothPath({sharp(-5, -21),
                                                 sharp(5, -21),
                                                 sharp(4, -18.5),
                                                 {3.5, -15},
                                                 {9, -11},
                                                 {12.5, -2},
                                                 {10.5, 8},
                                                 {5, 13},
                                                 sharp(4, 16),
                                                 sharp(-4, 16),
                                                 {-5, 13},
                                                 {-10.5, 8},
                                                 {-12.5, -2},
                                                 {-9, -11},
                                                 {-3.5, -15},
                                                 sharp(-4, -18.5)}));
    QPainterPath handles;
    handles.moveTo(3.5, -15);
    handles.cubicTo(12, -19, 15, -12, 11, -7);
    handles.moveTo(-3.5, -15);
    handles.cubicTo(-12, -19, -15, -12, -11, -7);
    p.strokePath(tip.map(handles), QPen(inkColour, 3.4, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(tip.map(handles), QPen(gold.mid, 1.6, Qt::SolidLine, Qt::RoundCap));
    paintPart(p, urn, gold);
    QPainterPath bands;
    bands.moveTo(-11, -5);
    bands.quadTo(0, -2, 11, -5);
    bands.moveTo(-11.5, 2);
    bands.quadTo(0, 5, 11.5, 2);
    bands.moveTo(-3, -15);
    bands.lineTo(3, -15);
    engrave(p, tip.map(bands), urn, 0.8, 150);
    QPainterPath meander;
    for (qreal x = -9; x < 9; x += 4) {
        meander.moveTo(x, 0.5);
        meander.lineTo(x, -2);
        meander.lineTo(x + 2, -2);
        meander.lineTo(x + 2, 0.5);
    }
    engrave(p, tip.map(meander), urn, 0.6, 140);

    paintPart(p, taper({{65, 70}, {78, 80}, {95, 81}}, 6.2, 4.5).outline, ivory);
    paintPart(p, circle({97, 80.5}, 3.3), ivory);

    QPainterPath head = smoothPath({{68, 46},
                                    {76, 43},
                                    {82, 47},
                                    {84, 52},
                                    sharp(86.5, 55.5),
                                    {84, 57},
                                    {84.5, 60},
                                    {81, 63.5},
                                    {73, 64},
                                    {68, 58},
                                    {66, 52}});
    paintPart(p, head, ivory);
    QPainterPath hair = smoothPath({{65, 52},
                                    {66, 43},
                                    {73, 39},
                                    {81, 40},
                                    {85, 46},
                                    {80, 46},
                                    {74, 46},
                                    {70, 50},
                                    {69, 57}});
    paintPart(p, hair, bronze);
    eye(p, {79, 52}, 1.3);
}

// The fishes: two fish swimming opposite ways, tied by one cord.
QPainterPath fishBody()
{
    return smoothPath({sharp(-27, 0),
                       {-20, -8},
                       {-6, -12.5},
                       {8, -10.5},
                       {19, -4},
                       sharp(23, 0),
                       {19, 4},
                       {8, 10.5},
                       {-6, 12.5},
                       {-20, 8}});
}

void paintFish(QPainter &p, const QTransform &at, const Tone &tone, const Tone &finTone)
{
    QPainterPath tailFin = smoothPath({sharp(19, 0),
                                       {26, -6},
                                       sharp(33, -13),
                                       {30, -2},
                                       {29, 0},
                                       {30, 2},
                                       sharp(33, 13),
                                       {26, 6}});
    QPainterPath dorsal
            = smoothPath({sharp(-8, -11), {0, -19}, sharp(8, -21), {6, -14}, sharp(10, -9)});
    QPainterPath belly = smoothPath({sharp(-4, 11), {2, 17}, sharp(8, 16), sharp(8, 9)});
    paintPart(p, at.map(dorsal), finTone, 0.9);
    paintPart(p, at.map(belly), finTone, 0.9);
    paintPart(p, at.map(tailFin), finTone, 0.9);
    engrave(p, at.map(strands({{{21, 0}, {30, -9}}, {{21, 0}, {29, 0}}, {{21, 0}, {30, 9}}})),
            at.map(tailFin), 0.6, 120);
    const QPainterPath body = at.map(fishBody());
    paintPart(p, body, tone);
    engrave(p, at.map(scaleRows(QRectF(-10, -14, 30, 28), 5.5, false)), body, 0.6, 100);
    QPainterPath gill;
    gill.moveTo(-14, -8);
    gill.quadTo(-10, 0, -14, 8);
    engrave(p, at.map(gill), body, 0.9, 150);
    eye(p, at.map(QPointF(-19, -2.5)), 1.8);
}

void pisces(QPainter &p)
{
    QPainterPath cord = smoothPath(
            {{52, 72}, {36, 90}, {52, 106}, {100, 100}, {148, 94}, {164, 110}, {150, 128}}, false);
    p.strokePath(cord, QPen(inkColour, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(cord, QPen(gold.mid, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(cord, QPen(gold.light, 0.6, Qt::DashLine, Qt::RoundCap));

    QTransform upper;
    upper.translate(90, 62);
    upper.rotate(-10);
    upper.scale(-1.45, 1.45);
    paintFish(p, upper, ivory, bronze);
    QTransform lower;
    lower.translate(110, 134);
    lower.rotate(-10);
    lower.scale(1.45, 1.45);
    paintFish(p, lower, ivory, bronze);

    paintPart(p, circle({100, 100}, 4.8), gold);
    p.fillPath(circle({100, 100}, 1.8), inkColour);
}

} // namespace

Footing footingOf(int signIndex)
{
    switch (signIndex) {
    case 4:
    case 10:
    case 12:
        return Footing::Waves;
    case 11:
        return Footing::Shore;
    case 7:
        return Footing::Clouds;
    default:
        return Footing::Ground;
    }
}

void drawFigure(QPainter &p, int signIndex)
{
    // The ram is drawn smaller than the others; bring it up to their size.
    p.save();
    if (signIndex == 1) {
        p.translate(100, 156);
        p.scale(1.1, 1.1);
        p.translate(-100, -156);
    }
    switch (signIndex) {
    case 1:
        aries(p);
        break;
    case 2:
        taurus(p);
        break;
    case 3:
        gemini(p);
        break;
    case 4:
        cancer(p);
        break;
    case 5:
        leo(p);
        break;
    case 6:
        virgo(p);
        break;
    case 7:
        libra(p);
        break;
    case 8:
        scorpio(p);
        break;
    case 9:
        sagittarius(p);
        break;
    case 10:
        capricorn(p);
        break;
    case 11:
        aquarius(p);
        break;
    case 12:
        pisces(p);
        break;
    default:
        break;
    }
    p.restore();
}

} // namespace amorisk::imagegen
