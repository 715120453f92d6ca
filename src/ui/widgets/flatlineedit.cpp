#include "flatlineedit.h"

#include <QPainter>

namespace amorisk {

FlatLineEdit::FlatLineEdit(QWidget *parent) : QLineEdit(parent)
{
    setFrame(false);
    // The text keeps its place inside the line.
    setTextMargins(1, 1, 1, 1);
}

void FlatLineEdit::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace amorisk
