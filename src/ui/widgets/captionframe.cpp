#include "captionframe.h"

#include <QPainter>
#include <qdrawutil.h>

namespace amorisk {

CaptionFrame::CaptionFrame(QWidget *parent) : QGroupBox(parent)
{}

void CaptionFrame::setEtched(bool etched)
{
    m_etched = etched;
    update();
}

void CaptionFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette &colours = palette();
    painter.fillRect(rect(), colours.window());
    const QFontMetrics metrics(font());

    const QRect border = rect().adjusted(0, m_etched ? metrics.height() / 2 : 6, 0, 0);
    if (m_etched) {
        qDrawShadeRect(&painter, border, colours, true, 1);
    } else if (isFlat()) {
        painter.setPen(Qt::black);
        painter.drawRect(border.adjusted(0, 0, -1, -1));
    } else {
        // A groove: grey outside and white inside at the top and left, the
        // other way round at the bottom and right.
        const QColor grey(0xC0, 0xC0, 0xC0);
        painter.setPen(grey);
        painter.drawRect(border.adjusted(0, 0, -2, -2));
        painter.setPen(Qt::white);
        painter.drawRect(border.adjusted(1, 1, -1, -1));
        painter.setPen(grey);
        painter.drawLine(border.topLeft(), border.topRight());
        painter.drawLine(border.topLeft(), border.bottomLeft());
    }

    if (title().isEmpty())
        return;
    // The caption stands centred on its own background, set into the top line.
    const QRect caption = m_etched
            ? QRect(8, 0, metrics.horizontalAdvance(title()) + 4, metrics.height())
            : QRect(6, 0, metrics.size(Qt::TextShowMnemonic, title()).width() + 6,
                    metrics.height());
    painter.fillRect(caption, colours.window());
    painter.setPen(colours.color(QPalette::WindowText));
    painter.drawText(m_etched ? caption : caption.adjusted(1, 0, -1, 0),
                     Qt::AlignCenter | Qt::TextShowMnemonic, title());
}

} // namespace amorisk
