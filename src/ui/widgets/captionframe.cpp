#include "captionframe.h"

#include <QPainter>

namespace amorisk {

namespace {

const int borderTop = 6;
const int captionLeft = 6;
const int captionPadding = 1;

} // namespace

CaptionFrame::CaptionFrame(QWidget *parent) : QGroupBox(parent)
{}

void CaptionFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette &colours = palette();
    painter.fillRect(rect(), colours.window());

    const QRect border = rect().adjusted(0, borderTop, 0, 0);
    if (isFlat()) {
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
    const QFontMetrics metrics(font());
    // The caption stands centred on a background two pixels wider each side.
    const int inset = captionPadding + 2;
    const int width = metrics.size(Qt::TextShowMnemonic, title()).width() + 2 * inset;
    const QRect caption(captionLeft, 0, width, metrics.height());
    painter.fillRect(caption, colours.window());
    painter.setPen(colours.color(QPalette::WindowText));
    painter.drawText(caption.adjusted(captionPadding, 0, -captionPadding, 0),
                     Qt::AlignCenter | Qt::TextShowMnemonic, title());
}

} // namespace amorisk
