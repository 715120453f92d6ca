#include "ui/controllook.h"

#include <QApplication>
#include <QFont>
#include <QWidget>

namespace amorisk {

void setPixelFont(QWidget *widget, const QString &family, int pixelSize, bool bold, bool underline)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setUnderline(underline);
    widget->setFont(font);
}

void setRoleColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

void useSystemColours(QWidget *widget)
{
    const QPalette system = QApplication::palette(widget);
    QPalette palette = widget->palette();
    for (const auto role : {QPalette::Base, QPalette::Text, QPalette::Window, QPalette::WindowText,
                            QPalette::Button, QPalette::ButtonText}) {
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            palette.setColor(group, role, system.color(group, role));
    }
    widget->setPalette(palette);
}

} // namespace amorisk
