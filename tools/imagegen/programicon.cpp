#include "programicon.h"

#include "artkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <vector>

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

struct Swatch
{
    std::array<int, 4> channels; // red, green, blue, alpha
    int count;
};

using Box = std::vector<Swatch>;

int widestChannel(const Box &box, int *width)
{
    int best = 0;
    *width = -1;
    for (int c = 0; c < 4; ++c) {
        const auto [low, high] = std::minmax_element(
                box.begin(), box.end(),
                [c](const Swatch &a, const Swatch &b) { return a.channels[c] < b.channels[c]; });
        const int w = high->channels[c] - low->channels[c];
        if (w > *width) {
            *width = w;
            best = c;
        }
    }
    return best;
}

QRgb average(const Box &box)
{
    std::array<qint64, 4> sum{};
    qint64 total = 0;
    for (const Swatch &s : box) {
        for (int c = 0; c < 4; ++c)
            sum[c] += qint64(s.channels[c]) * s.count;
        total += s.count;
    }
    auto mean = [&](int c) { return int((sum[c] + total / 2) / total); };
    return qRgba(mean(0), mean(1), mean(2), mean(3));
}

int distance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b),
              da = qAlpha(a) - qAlpha(b);
    return dr * dr + dg * dg + db * db + da * da;
}

} // namespace

QImage toPalette(const QImage &image, int colours)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    std::vector<QRgb> unique;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            unique.push_back(argb.pixel(x, y));
    std::sort(unique.begin(), unique.end());
    Box all;
    for (auto it = unique.begin(); it != unique.end();) {
        const auto next = std::upper_bound(it, unique.end(), *it);
        all.push_back({{qRed(*it), qGreen(*it), qBlue(*it), qAlpha(*it)}, int(next - it)});
        it = next;
    }

    // Split the box with the widest spread at the median of its pixels until
    // there are enough boxes or none can be split.
    std::vector<Box> boxes{all};
    while (int(boxes.size()) < colours) {
        int chosen = -1, chosenWidth = 0, channel = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            if (boxes[i].size() < 2)
                continue;
            int width = 0;
            const int c = widestChannel(boxes[i], &width);
            if (width > chosenWidth) {
                chosen = i;
                chosenWidth = width;
                channel = c;
            }
        }
        if (chosen < 0)
            break;
        Box &box = boxes[chosen];
        std::sort(box.begin(), box.end(), [channel](const Swatch &a, const Swatch &b) {
            return a.channels[channel] < b.channels[channel];
        });
        qint64 total = 0;
        for (const Swatch &s : box)
            total += s.count;
        qint64 seen = 0;
        std::size_t cut = 1;
        for (; cut < box.size(); ++cut) {
            seen += box[cut - 1].count;
            if (2 * seen >= total)
                break;
        }
        cut = std::clamp<std::size_t>(cut, 1, box.size() - 1);
        Box upper(box.begin() + qsizetype(cut), box.end());
        box.resize(cut);
        boxes.push_back(std::move(upper));
    }

    QList<QRgb> table;
    for (const Box &box : boxes)
        table.append(average(box));
    QImage indexed(argb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(table);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb c = argb.pixel(x, y);
            int best = 0;
            for (int i = 1; i < int(table.size()); ++i)
                if (distance(c, table[i]) < distance(c, table[best]))
                    best = i;
            indexed.setPixel(x, y, uint(best));
        }
    }
    return indexed;
}

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
            heart,
            QPen(QColor(0x8e, 0x0a, 0x14), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    if (roundedCorners)
        p.strokePath(tile, QPen(QColor(0x1c, 0x5a, 0x96, 160), qMax(0.6, 1.0 / s)));
    p.end();
    return image;
}

} // namespace amorisk::imagegen
