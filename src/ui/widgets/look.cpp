#include "look.h"

#include <QApplication>
#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <QWidget>

namespace amorisk {

void installFontSubstitutions()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    // DejaVu Sans shares Verdana's wide proportions; Liberation Sans is metric
    // compatible with Arial, the closest outline match of MS Sans Serif.
    QFont::insertSubstitutions(QStringLiteral("Verdana"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                QStringLiteral("DejaVu Sans")});
}

void fixWindowFrame(QWidget *window)
{
    Qt::WindowFlags flags = window->windowFlags();
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
             | Qt::WindowCloseButtonHint;
    flags &= ~(Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    window->setWindowFlags(flags);
}

void centreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    QRect frame = window->frameGeometry();
    frame.moveCenter(available.center());
    window->move(frame.topLeft());
}

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
