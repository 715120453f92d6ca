#include "look.h"

#include <QApplication>
#include <QFont>
#include <QGuiApplication>
#include <QHash>
#include <QScreen>
#include <QStringList>
#include <QWidget>

#include <iterator>

namespace amorisk {

void installFontSubstitutions()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    // DejaVu Sans shares Verdana's wide proportions; Liberation Sans is metric
    // compatible with Arial, the closest outline match of MS Sans Serif.
    QFont::insertSubstitutions(
            QStringLiteral("Verdana"),
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

const QPalette &classicPalette()
{
    static const QPalette palette = [] {
        // Role by role as QPalette::ColorRole counts them, Window and Button
        // the grey face.
        static const QRgb normal[] = {
                0xFF000000, 0xFFEFEFEF, 0xFFFFFFFF, 0xFFCACACA, 0xFF9F9F9F, 0xFFB8B8B8, 0xFF000000,
                0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF, 0xFFEFEFEF, 0xFF767676, 0xFF308CC6, 0xFFFFFFFF,
                0xFF0000FF, 0xFFFF00FF, 0xFFF7F7F7, 0xFF000000, 0xFFFFFFDC, 0xFF000000, 0x80000000};
        static const QRgb disabled[] = {
                0xFFBEBEBE, 0xFFEFEFEF, 0xFFFFFFFF, 0xFFCACACA, 0xFFBEBEBE, 0xFFB8B8B8, 0xFFBEBEBE,
                0xFFFFFFFF, 0xFFBEBEBE, 0xFFEFEFEF, 0xFFEFEFEF, 0xFFB1B1B1, 0xFF919191, 0xFFFFFFFF,
                0xFF0000FF, 0xFFFF00FF, 0xFFF7F7F7, 0xFF000000, 0xFFFFFFDC, 0xFF000000, 0x80000000};
        static_assert(std::size(normal) == QPalette::NColorRoles);
        QPalette p;
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto r = static_cast<QPalette::ColorRole>(role);
            p.setColor(QPalette::Active, r, QColor::fromRgba(normal[role]));
            p.setColor(QPalette::Inactive, r, QColor::fromRgba(normal[role]));
            p.setColor(QPalette::Disabled, r, QColor::fromRgba(disabled[role]));
        }
        return p;
    }();
    return palette;
}

void useClassicColours(QWidget *window)
{
    // The window's own palette from its layout is the same for every
    // instance of a kind, so the merged palette is kept per class.
    static QHash<const QMetaObject *, QPalette> merged;
    auto found = merged.constFind(window->metaObject());
    if (found == merged.constEnd()) {
        const QPalette own = window->palette();
        QPalette palette = classicPalette();
        for (int group = 0; group < QPalette::NColorGroups; ++group) {
            for (int role = 0; role < QPalette::NColorRoles; ++role) {
                const auto g = static_cast<QPalette::ColorGroup>(group);
                const auto r = static_cast<QPalette::ColorRole>(role);
                if (own.isBrushSet(g, r))
                    palette.setBrush(g, r, own.brush(g, r));
            }
        }
        found = merged.insert(window->metaObject(), palette);
    }
    window->setPalette(*found);
}

void usePixelFonts(QWidget *window)
{
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    // Parents before children: a child that sets only, say, bold then
    // inherits its parent's pixel size.
    for (QWidget *widget : std::as_const(widgets)) {
        if (!widget->testAttribute(Qt::WA_SetFont))
            continue;
        QFont font = widget->font();
        if (font.pointSizeF() > 0)
            font.setPixelSize(qRound(font.pointSizeF() * 96 / 72));
        font.setStyleStrategy(QFont::NoFontMerging);
        widget->setFont(font);
    }
}

} // namespace amorisk
