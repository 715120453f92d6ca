#include "wrapbutton.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace amorisk {

namespace {

const int edge = 2;

// Each edge a trapezoid, drawn smooth: where a light and a dark edge meet
// the corner pixels blend on the diagonal, the later edge over the earlier.
void drawEdges(QPainter &painter, const QRect &r, const QColor &topLeft, const QColor &bottomRight)
{
    const int x1 = r.left(), y1 = r.top(), x2 = r.right() + 1, y2 = r.bottom() + 1;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(bottomRight);
    painter.drawPolygon(QPolygon({QPoint(x2, y1), QPoint(x2, y2), QPoint(x2 - edge, y2 - edge),
                                  QPoint(x2 - edge, y1 + edge)}));
    painter.drawPolygon(QPolygon({QPoint(x1, y2), QPoint(x1 + edge, y2 - edge),
                                  QPoint(x2 - edge, y2 - edge), QPoint(x2, y2)}));
    painter.setBrush(topLeft);
    painter.drawPolygon(QPolygon({QPoint(x1, y1), QPoint(x1 + edge, y1 + edge),
                                  QPoint(x1 + edge, y2 - edge), QPoint(x1, y2)}));
    painter.drawPolygon(QPolygon({QPoint(x1, y1), QPoint(x2, y1), QPoint(x2 - edge, y1 + edge),
                                  QPoint(x1 + edge, y1 + edge)}));
    painter.restore();
}

} // namespace

WrapButton::WrapButton(QWidget *parent) : QPushButton(parent)
{}

void WrapButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);

    const QColor face = palette().color(QPalette::Button);
    const QColor light = face.lighter();
    const bool sunken = isDown() || isChecked();
    painter.fillRect(rect(), face);
    drawEdges(painter, rect(), sunken ? face : light, sunken ? light : face);

    const QRect textRect = rect().adjusted(edge, edge, -edge, -edge);
    painter.drawItemText(textRect, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                         option.palette, isEnabled(), text(), QPalette::ButtonText);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = textRect;
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace amorisk
