#include "linklabel.h"

#include "accessibility.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace amorisk {

LinkLabel::LinkLabel(QWidget *parent) : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
    installAccessibility();
}

void LinkLabel::click()
{
    emit clicked();
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_pressed) {
        m_pressed = false;
        event->accept();
        if (rect().contains(event->position().toPoint()))
            click();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

// A caption's text is laid out once, when the caption is polished, rather
// than at every paint: a window built ahead of its showing then paints at
// once. It is drawn as QLabel draws a plain, enabled, unframed caption; any
// other label paints as QLabel does.
bool LinkLabel::drawsPlainCaption() const
{
    return isEnabled() && pixmap().isNull() && frameWidth() == 0 && margin() == 0 && indent() <= 0
            && !buddy() && !text().isRightToLeft() && textFormat() != Qt::RichText
            && !(textFormat() == Qt::AutoText && Qt::mightBeRichText(text()))
            && !(textInteractionFlags()
                 & (Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard));
}

int LinkLabel::captionFlags() const
{
    int flags
            = int(QStyle::visualAlignment(Qt::LeftToRight, alignment())) | Qt::TextForceLeftToRight;
    if (wordWrap())
        flags |= Qt::TextWordWrap;
    return flags;
}

bool LinkLabel::event(QEvent *event)
{
    const bool handled = QLabel::event(event);
    if (event->type() == QEvent::Polish && drawsPlainCaption())
        m_caption.prepare(QFont(font(), this), contentsRect(), captionFlags(), text());
    return handled;
}

void LinkLabel::paintEvent(QPaintEvent *event)
{
    if (!drawsPlainCaption()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    painter.setPen(QPen(option.palette.brush(foregroundRole()), painter.pen().widthF()));
    m_caption.draw(&painter, contentsRect(), captionFlags(), text());
}

} // namespace amorisk
