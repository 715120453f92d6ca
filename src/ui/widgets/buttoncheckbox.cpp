#include "buttoncheckbox.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace amorisk {

ButtonCheckBox::ButtonCheckBox(QWidget *parent) : QCheckBox(parent)
{}

void ButtonCheckBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.text = text();
    option.icon = icon();
    option.iconSize = iconSize();
    option.features = QStyleOptionButton::None;
    if (isDown() || isChecked())
        option.state |= QStyle::State_Sunken;
    else
        option.state |= QStyle::State_Raised;
    if (isChecked())
        option.state |= QStyle::State_On;
    painter.drawControl(QStyle::CE_PushButton, option);
}

bool ButtonCheckBox::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

} // namespace amorisk
