#include "look.h"

#include "autosize.h"

#include <QAction>
#include <QApplication>
#include <QFont>
#include <QGuiApplication>
#include <QHash>
#include <QLayout>
#include <QMenu>
#include <QScreen>
#include <QStringList>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <memory>

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
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        const QPalette standard = fusion->standardPalette();
        // Every role set one by one, as a layout's palette sets it: a control
        // given the palette then shares it rather than a copy merged with its
        // parent's, which would also give the style's pixmap cache new
        // entries for every window built.
        QPalette set;
        for (int group = 0; group < QPalette::NColorGroups; ++group) {
            for (int role = 0; role < QPalette::NColorRoles; ++role) {
                const auto g = static_cast<QPalette::ColorGroup>(group);
                const auto r = static_cast<QPalette::ColorRole>(role);
                set.setColor(g, r, standard.color(g, r));
            }
        }
        return set;
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

void setUpLook(QWidget *window)
{
    installFontSubstitutions();
    // Separators are named items of the menus in the layouts, so that the
    // menus keep their positions; the layouts give them no text.
    for (QAction *action : window->findChildren<QAction *>())
        if (action->text().isEmpty() && !action->menu())
            action->setSeparator(true);
    useClassicColours(window);
    usePixelFonts(window);
    fitAutoSizeCaptions(window);
    // A main window is its menu bar over the fixed client area.
    if (window->layout())
        window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    else
        window->setFixedSize(window->size());
}

} // namespace amorisk
