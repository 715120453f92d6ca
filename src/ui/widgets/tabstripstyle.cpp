#include "tabstripstyle.h"

#include "look.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionTab>
#include <QTabBar>

namespace amorisk {

namespace {

const int tabHeight = 20;
const int unselectedDrop = 2;
const int padding = 8;
const int border = 1;
const qreal radius = 3;
const QColor borderGrey(0x80, 0x80, 0x80);

void drawTab(QPainter *painter, const QRect &rect, const QRect &strip, const QString &text,
             const QFont &font)
{
    const qreal x = rect.x(), y = rect.y(), w = rect.width(), h = rect.height();
    painter->save();
    // The ends of the corner arcs reach a pixel past their tab: over the
    // neighbouring tab, but not past the last one.
    painter->setClipRect(strip, Qt::IntersectClip);
    painter->setRenderHint(QPainter::Antialiasing);

    QPainterPath face;
    face.moveTo(x + radius, y);
    face.lineTo(x + w - radius, y);
    face.arcTo(QRectF(x + w - 2 * radius, y, 2 * radius, 2 * radius), 90, -90);
    face.lineTo(x + w, y + h);
    face.lineTo(x, y + h);
    face.lineTo(x, y + radius);
    face.arcTo(QRectF(x, y, 2 * radius, 2 * radius), 180, -90);
    face.closeSubpath();
    painter->fillPath(face, classicPalette().brush(QPalette::Button));

    // Right, left, then top: each straight edge stops where its corner
    // starts, and each corner is the two half arcs its edges bring.
    const QRectF leftArc(x + 0.5, y + 0.5, 2 * radius - border, 2 * radius - border);
    const QRectF rightArc(x + w - 2 * radius + 0.5, y + 0.5, 2 * radius - border,
                          2 * radius - border);
    const QPen arcPen(borderGrey, border, Qt::SolidLine, Qt::SquareCap);
    const auto edge = [&](const QRectF &line) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(borderGrey);
        painter->drawRect(line);
        painter->setPen(arcPen);
        painter->setBrush(Qt::NoBrush);
    };
    edge(QRectF(x + w - border, y + radius, border, h - radius));
    painter->drawArc(rightArc, 45 * 16, -45 * 16);
    edge(QRectF(x, y + radius, border, h - radius));
    painter->drawArc(leftArc, 135 * 16, 45 * 16);
    edge(QRectF(x + radius, y, w - 2 * radius, border));
    painter->drawArc(leftArc, 135 * 16, -45 * 16);
    painter->drawArc(rightArc, 45 * 16, 45 * 16);
    painter->restore();

    painter->save();
    painter->setFont(font);
    painter->setPen(QColor::fromRgba(themeColour));
    painter->drawText(rect.adjusted(border + padding, border, -border - padding, 0),
                      Qt::AlignCenter | Qt::TextShowMnemonic, text);
    painter->restore();
}

} // namespace

int TabStripStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                               const QWidget *widget) const
{
    switch (metric) {
    case PM_TabBarTabOverlap:
    case PM_TabBarTabShiftHorizontal:
    case PM_TabBarTabShiftVertical:
    case PM_TabBarBaseOverlap:
    case PM_TabBarBaseHeight:
        return 0;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QSize TabStripStyle::sizeFromContents(ContentsType type, const QStyleOption *option,
                                      const QSize &size, const QWidget *widget) const
{
    if (type == CT_TabBarTab) {
        if (const auto *tab = qstyleoption_cast<const QStyleOptionTab *>(option)) {
            const int textWidth = option->fontMetrics.size(Qt::TextShowMnemonic, tab->text).width();
            return QSize(textWidth + 2 * (padding + border), tabHeight);
        }
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

void TabStripStyle::drawControl(ControlElement element, const QStyleOption *option,
                                QPainter *painter, const QWidget *widget) const
{
    if (element == CE_TabBarTab) {
        if (const auto *tab = qstyleoption_cast<const QStyleOptionTab *>(option)) {
            QRect rect = tab->rect;
            if (!(tab->state & State_Selected))
                rect.adjust(0, unselectedDrop, 0, 0);
            QRect strip = tab->rect;
            if (const auto *bar = qobject_cast<const QTabBar *>(widget))
                strip = QRect(0, 0, bar->tabRect(bar->count() - 1).right() + 1, bar->height());
            drawTab(painter, rect, strip, tab->text, widget ? widget->font() : painter->font());
            if (tab->state & State_HasFocus) {
                // The focus frame the style draws round a tab's caption,
                // measured from the caption's box inside border and padding.
                const QRect caption = rect.adjusted(border + padding, border, -border - padding, 0);
                const int offset
                        = 1 + QProxyStyle::pixelMetric(PM_DefaultFrameWidth, option, widget);
                QStyleOptionFocusRect focus;
                focus.QStyleOption::operator=(*tab);
                focus.rect = QRect(caption.left() + 1 + offset, caption.top() + offset,
                                   caption.width() - 2 - 2 * offset, caption.height() - 2 * offset);
                QProxyStyle::drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
            }
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

QStyle *tabStripStyle()
{
    static QStyle *const style = [] {
        auto *created = new TabStripStyle;
        created->setParent(qApp);
        return created;
    }();
    return style;
}

} // namespace amorisk
