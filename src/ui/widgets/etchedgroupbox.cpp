#include "etchedgroupbox.h"

#include <QPainter>
#include <qdrawutil.h>

namespace amorisk {

EtchedGroupBox::EtchedGroupBox(QWidget *parent) : QGroupBox(parent)
{}

void EtchedGroupBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette &colours = palette();
    painter.fillRect(rect(), colours.window());

    const QFontMetrics metrics(font());
    const QRect border = rect().adjusted(0, metrics.height() / 2, 0, 0);
    qDrawShadeRect(&painter, border, colours, true, 1);

    if (title().isEmpty())
        return;
    const int inset = 8;
    const QRect caption(inset, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
    painter.fillRect(caption, colours.window());
    painter.setPen(colours.color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextShowMnemonic, title());
}

} // namespace amorisk
