#include "laidouttext.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextOption>

#include <cmath>

namespace amorisk {

namespace {

constexpr int handledFlags = Qt::AlignLeft | Qt::AlignHCenter | Qt::AlignTop | Qt::AlignVCenter
        | Qt::AlignBottom | Qt::AlignAbsolute | Qt::TextWordWrap | Qt::TextForceLeftToRight
        | Qt::TextShowMnemonic;

bool handled(Qt::LayoutDirection direction, int flags, const QString &text)
{
    if (text.isEmpty() || (flags & ~handledFlags) != 0)
        return false;
    if (!(flags & Qt::TextForceLeftToRight) && direction != Qt::LeftToRight)
        return false;
    if (text.isRightToLeft())
        return false;
    // Characters drawText treats specially, apart from line breaks.
    for (const QChar c : text)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QChar(0x9c)
            || (c == QLatin1Char('&') && (flags & Qt::TextShowMnemonic)))
            return false;
    // Without wrapping drawText keeps trailing blanks in the width it centres.
    return (flags & Qt::TextWordWrap) || !text.endsWith(QLatin1Char(' '));
}

} // namespace

void LaidOutText::prepare(const QFont &font, const QRect &rect, int flags, const QString &text)
{
    if (handled(Qt::LeftToRight, flags | Qt::TextForceLeftToRight, text)
        && (flags != m_flags || rect.size() != m_size || text != m_text || font != m_font))
        layOut(font, rect, flags, text);
}

void LaidOutText::draw(QPainter *painter, const QRect &rect, int flags, const QString &text)
{
    // On a denser screen drawText rounds a centred or bottom-aligned block
    // its own way; those are left to it.
    const bool dense = painter->device() && painter->device()->devicePixelRatio() != 1;
    if (!handled(painter->layoutDirection(), flags, text)
        || (dense && (flags & (Qt::AlignVCenter | Qt::AlignBottom)))) {
        painter->drawText(rect, flags, text);
        return;
    }
    const QFont &font = painter->font();
    if (flags != m_flags || rect.size() != m_size || text != m_text || font != m_font)
        layOut(font, rect, flags, text);
    // A text that does not fit is clipped by drawText, and left to it.
    if (m_height > rect.height() || m_width > rect.width()) {
        painter->drawText(rect, flags, text);
        return;
    }

    // Placed as drawText places them: the block as a whole vertically, each
    // line on its own horizontally.
    qreal top = 0;
    if (flags & Qt::AlignBottom)
        top = rect.height() - m_height;
    else if (flags & Qt::AlignVCenter)
        top = (rect.height() - m_height) / 2;
    const QRectF area(rect);
    for (int i = 0; i < m_layout.lineCount(); ++i) {
        const QTextLine line = m_layout.lineAt(i);
        const qreal x
                = (flags & Qt::AlignHCenter) ? (area.width() - line.horizontalAdvance()) / 2 : 0;
        line.draw(painter, QPointF(area.x() + x, area.y() + top));
    }
}

void LaidOutText::layOut(const QFont &font, const QRect &rect, int flags, const QString &text)
{
    m_text = text;
    m_font = font;
    m_size = rect.size();
    m_flags = flags;

    QString shown = text;
    shown.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setAlignment(Qt::AlignLeft);
    m_layout.setText(shown);
    m_layout.setFont(font);
    m_layout.setTextOption(option);
    m_layout.setCacheEnabled(true);

    const qreal lineWidth = (flags & Qt::TextWordWrap) ? qMax<qreal>(0, rect.width()) : 0x01000000;
    const qreal leading = QFontMetricsF(font).leading();
    qreal height = -leading;
    qreal width = 0;
    m_layout.beginLayout();
    for (QTextLine line = m_layout.createLine(); line.isValid(); line = m_layout.createLine()) {
        line.setLineWidth(lineWidth);
        // Each line starts on a whole pixel.
        height = std::ceil(height + leading);
        line.setPosition(QPointF(0, height));
        height += line.height();
        width = qMax(width, line.naturalTextWidth());
    }
    m_layout.endLayout();
    m_width = width;
    m_height = height;
}

} // namespace amorisk
