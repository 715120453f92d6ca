#pragma once

// Checks shared by the window tests: a control table in twips, as the
// layouts are drawn up, compared with the built window.

#include "fakes.h"
#include "forms.h"
#include "pages.h"
#include "version.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QColor>
#include <QFont>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <vector>

namespace amorisk::testing {

struct ControlRow
{
    const char *name;
    const char *className;        // checked with inherits(); "QFrame" must match exactly
    const char *container;        // "window" = client area; "SSTab1:n" = page n of the tab control
    int left, top, width, height; // twips
    bool autoSize = false;
};

struct LookRow
{
    const char *name;
    const char *family;
    int pixelSize;
    bool bold;
    bool underline;
    const char *foreground; // "" = not stated
    const char *background; // "" = not stated or transparent
};

inline int px(int twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

template<typename T = QWidget>
T *in(const QWidget *window, const QString &name)
{
    return window->findChild<T *>(name);
}

// Where "window" controls sit: a main window's client area, a dialog itself.
inline QWidget *clientArea(QWidget *window)
{
    if (auto *main = qobject_cast<QMainWindow *>(window))
        return main->centralWidget();
    return window;
}

inline QWidget *containerOf(QWidget *window, const ControlRow &row)
{
    const QString container = QLatin1String(row.container);
    if (container == QLatin1String("window"))
        return clientArea(window);
    if (container.startsWith(QLatin1String("SSTab1:")))
        return window->findChild<QTabWidget *>(QStringLiteral("SSTab1"));
    return window->findChild<QWidget *>(container);
}

// Rows for a data-driven test over a control or look table.
template<typename Row>
void addRows(const std::vector<Row> &table)
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < table.size(); ++i)
        QTest::newRow(table[i].name) << static_cast<int>(i);
}

inline void checkControl(QWidget *window, const ControlRow &row)
{
    QWidget *w = in(window, row.name);
    QVERIFY2(w, row.name);
    if (qstrcmp(row.className, "QFrame") == 0)
        QCOMPARE(w->metaObject()->className(), "QFrame");
    else
        QVERIFY2(w->inherits(row.className), w->metaObject()->className());

    QWidget *container = containerOf(window, row);
    QVERIFY(container);
    QVERIFY(container->isAncestorOf(w));
    const QString where = QLatin1String(row.container);
    if (where.startsWith(QLatin1String("SSTab1:"))) {
        auto *tab = static_cast<QTabWidget *>(container);
        QVERIFY(tab->widget(where.mid(7).toInt())->isAncestorOf(w));
    } else {
        QCOMPARE(w->parentWidget(), container);
    }

    const QPoint at = w->mapTo(container, QPoint(0, 0));
    QCOMPARE(at, QPoint(px(row.left), px(row.top)));
    if (row.autoSize) {
        // An auto-size caption is as large as its text.
        QCOMPARE(w->size(), w->sizeHint());
    } else {
        QCOMPARE(w->size(), QSize(px(row.width), px(row.height)));
    }
}

inline void checkLook(QWidget *window, const LookRow &row)
{
    QWidget *w = in(window, row.name);
    QVERIFY2(w, row.name);
    w->ensurePolished();
    const QFont font = w->font();
    QCOMPARE(font.family(), QLatin1String(row.family));
    QCOMPARE(font.pixelSize(), row.pixelSize);
    QCOMPARE(font.bold(), row.bold);
    QCOMPARE(font.underline(), row.underline);
    // Every character shown is in the named font: no search of other fonts.
    QVERIFY(font.styleStrategy() & QFont::NoFontMerging);
    if (*row.foreground)
        QCOMPARE(w->palette().color(w->foregroundRole()), QColor(QLatin1String(row.foreground)));
    if (*row.background)
        QCOMPARE(w->palette().color(w->backgroundRole()), QColor(QLatin1String(row.background)));
    if (w->inherits("amorisk::LinkLabel") && font.underline())
        QCOMPARE(w->cursor().shape(), Qt::PointingHandCursor);
}

// Siblings stack in creation order: the later one is in front.
inline QStringList namedChildrenInOrder(QWidget *parent, const QStringList &names)
{
    QStringList order;
    for (QObject *child : parent->children())
        if (names.contains(child->objectName()))
            order << child->objectName();
    return order;
}

// A caption's text fits its rectangle, wrapped as the caption wraps: no line
// is wider than the caption and the lines take no more than its height.
inline bool captionFits(QLabel *label)
{
    label->ensurePolished();
    const QRect box = label->contentsRect();
    if (!label->wordWrap()) {
        const QSize needed = label->sizeHint();
        return needed.width() <= label->width() && needed.height() <= label->height();
    }
    const int flags = static_cast<int>(label->alignment()) | Qt::TextWordWrap;
    const QRect lines = label->fontMetrics().boundingRect(QRect(0, 0, box.width(), 10000), flags,
                                                          label->text());
    return lines.width() <= box.width() && label->heightForWidth(label->width()) <= label->height();
}

struct MenuItemRow
{
    const char *name;
    const char *text; // "-" for a separator
};

inline void checkMenu(QMenu *menu, const std::vector<MenuItemRow> &items)
{
    const QList<QAction *> actions = menu->actions();
    QCOMPARE(actions.size(), static_cast<qsizetype>(items.size()));
    for (std::size_t i = 0; i < items.size(); ++i) {
        QAction *a = actions.at(static_cast<qsizetype>(i));
        QCOMPARE(a->objectName(), QLatin1String(items[i].name));
        QCOMPARE(a->isSeparator(), qstrcmp(items[i].text, "-") == 0);
        // A separator is a plain line: the style would draw any text it has.
        QCOMPARE(a->text(), a->isSeparator() ? QString() : QLatin1String(items[i].text));
        QVERIFY(a->shortcut().isEmpty());
        QVERIFY(!a->isCheckable());
        QVERIFY(a->isVisible());
    }
}

// The menu bar: File and Help menus, then two entries that are commands
// themselves, the last one hidden.
inline void checkMenuBar(QMainWindow *window, const char *fileMenu,
                         const std::vector<MenuItemRow> &fileItems,
                         const std::vector<MenuItemRow> &helpItems)
{
    const QList<QAction *> bar = window->menuBar()->actions();
    QCOMPARE(bar.size(), 4);
    QVERIFY(bar[0]->menu() && bar[1]->menu());
    QCOMPARE(bar[0]->menu()->objectName(), QLatin1String(fileMenu));
    QCOMPARE(bar[0]->text(), QStringLiteral("&File"));
    QCOMPARE(bar[1]->menu()->objectName(), QStringLiteral("mnuHelp"));
    QCOMPARE(bar[1]->text(), QStringLiteral("&Help"));
    QCOMPARE(bar[2]->objectName(), QStringLiteral("mnuDonate"));
    QCOMPARE(bar[2]->text(), QStringLiteral("&Donate"));
    QVERIFY(!bar[2]->menu() && bar[2]->isVisible());
    QCOMPARE(bar[3]->objectName(), QStringLiteral("mnumakemoney"));
    QCOMPARE(bar[3]->text(), QStringLiteral("Make Money &Online"));
    QVERIFY(!bar[3]->menu() && !bar[3]->isVisible());
    checkMenu(bar[0]->menu(), fileItems);
    checkMenu(bar[1]->menu(), helpItems);
}

inline void checkNoSizeButtons(QWidget *window)
{
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(window->windowFlags() & Qt::WindowMinimizeButtonHint));
}

// A window of one fixed size, without maximise or minimise buttons.
inline void checkFixedSize(QWidget *window, QSize size)
{
    QCOMPARE(window->size(), size);
    QCOMPARE(window->minimumSize(), window->maximumSize());
    checkNoSizeButtons(window);
}

inline void checkCentred(QWidget *window)
{
    const QPoint offCentre
            = window->frameGeometry().center() - window->screen()->availableGeometry().center();
    QVERIFY2(offCentre.manhattanLength() <= 2, "not centred on the screen");
}

// Chooses a menu command, or clicks a caption brought to the front first.
inline void activate(QMainWindow *window, const QString &name)
{
    if (auto *action = window->findChild<QAction *>(name)) {
        action->trigger();
        return;
    }
    QWidget *w = in(window, name);
    QVERIFY2(w, qPrintable(name));
    w->raise();
    QTest::mouseClick(w, Qt::LeftButton);
}

// The captions and menu commands both main windows have, with their pages.
inline void addLinkRows()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("key");
    QTest::newRow("Label61") << "Label61" << web::PageKey::HomePage;
    QTest::newRow("lblCobrand") << "lblCobrand" << web::PageKey::CoBrand;
    QTest::newRow("lblFullBrand") << "lblFullBrand" << web::PageKey::FullyBranded;
    QTest::newRow("mnuOnline") << "mnuOnline" << web::PageKey::HelpPage;
    QTest::newRow("mnuVisit") << "mnuVisit" << web::PageKey::HomePage;
    QTest::newRow("mnuUpdate") << "mnuUpdate" << web::PageKey::DownloadPage;
    QTest::newRow("mnuDonate") << "mnuDonate" << web::PageKey::Donate;
    QTest::newRow("mnumakemoney") << "mnumakemoney" << web::PageKey::FullyBranded;
}

// The row's caption or command opens exactly its page, asks nothing and
// leaves the window up and alone.
inline void checkLinkOpensItsPage(const TestServices &services, QMainWindow *window, FormId id)
{
    QFETCH(QString, control);
    QFETCH(QString, key);
    window->show();
    activate(window, control);
    QCOMPARE(services.opener.opened, QStringList{web::pageAddress(key)});
    QVERIFY(services.messages.shown.isEmpty());
    QVERIFY(window->isVisible());
    QCOMPARE(Forms::loadOrder(), std::vector<FormId>{id});
}

// The client area is exactly the given size, right below the menu bar, and
// the window can be neither resized nor maximised or minimised.
inline void checkFrame(QMainWindow *window, QSize client)
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QWidget *central = window->centralWidget();
    QCOMPARE(central->size(), client);
    QCOMPARE(central->y(), window->menuBar()->geometry().bottom() + 1);
    QCOMPARE(window->height(), window->menuBar()->height() + client.height());
    QCOMPARE(window->width(), client.width());
    QCOMPARE(window->minimumSize(), window->maximumSize());
    checkNoSizeButtons(window);
    QCOMPARE(window->windowTitle(), QStringLiteral(AMORISK_TITLE));
    checkCentred(window);
}

inline QImage programIconImage()
{
    return QImage(QStringLiteral(":/images/amorisk-32.png")).convertToFormat(QImage::Format_ARGB32);
}

// The window's icon, and the picture box if one is named, show the program icon.
inline void checkProgramIcon(QWidget *window, const char *picture = nullptr)
{
    QVERIFY2(!programIconImage().isNull(), "no program icon in the resources");
    const QImage icon = window->windowIcon().pixmap(32, 32).toImage();
    QVERIFY2(!icon.isNull(), "no program icon");
    QCOMPARE(icon.convertToFormat(QImage::Format_ARGB32), programIconImage());
    if (picture)
        QCOMPARE(in<QLabel>(window, picture)
                         ->pixmap()
                         .toImage()
                         .convertToFormat(QImage::Format_ARGB32),
                 programIconImage());
}

inline bool showAndActivate(QWidget *window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// Closes whatever modal window a test leaves open, so no test can hang on one.
struct ModalWatchdog
{
    ModalWatchdog()
    {
        QObject::connect(&timer, &QTimer::timeout, [] {
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->hide();
        });
        timer.start(3000);
    }
    QTimer timer;
};

} // namespace amorisk::testing
