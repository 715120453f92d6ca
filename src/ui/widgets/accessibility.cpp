#include "accessibility.h"

#include "linklabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextDocument>
#include <QTimer>

namespace amorisk {
namespace {

const QString noticeName = QStringLiteral("amoriskNotice");

// Qt would name a frame inside a frame after the outer one.
class GroupAccessible : public QAccessibleWidget
{
public:
    explicit GroupAccessible(QGroupBox *box) : QAccessibleWidget(box, QAccessible::Grouping) {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(t);
        return static_cast<const QGroupBox *>(widget())->title().remove(QLatin1Char('&'));
    }
};

// Qt gives a drop-down list no text, so a screen reader says its value only
// while it has no name, and never a change. The value is its text, all
// selected, and a change that text inserted anew.
class ComboAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ComboAccessible(QComboBox *combo) : QAccessibleWidget(combo, QAccessible::ComboBox)
    {
        QObject::connect(combo, &QComboBox::currentIndexChanged, combo, [combo] {
            QAccessibleTextInsertEvent inserted(combo, 0, combo->currentText());
            QAccessible::updateAccessibility(&inserted);
        });
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString value() const { return static_cast<const QComboBox *>(widget())->currentText(); }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? value() : QAccessibleWidget::text(t);
    }

    void selection(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
    }
    int selectionCount() const override { return 1; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return value().mid(start, end - start); }
    int characterCount() const override { return int(value().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }
};

// A screen reader that looked at a tab's hidden page would keep it "not
// visible" once shown (see withholdHidden), so only the page shown is a child.
class PagesAccessible : public QAccessibleWidget
{
public:
    explicit PagesAccessible(QStackedWidget *pages)
        : QAccessibleWidget(pages, QAccessible::LayeredPane)
    {}

    int childCount() const override { return shown() ? 1 : 0; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 && shown() ? QAccessible::queryAccessibleInterface(shown()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && shown() && child->object() == shown() ? 0 : -1;
    }

private:
    QWidget *shown() const
    {
        return static_cast<const QStackedWidget *>(widget())->currentWidget();
    }
};

class LinkLabelAccessible : public QAccessibleWidget
{
public:
    explicit LinkLabelAccessible(LinkLabel *label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const auto *label = static_cast<const LinkLabel *>(widget());
        if (!label->accessibleName().isEmpty())
            return label->accessibleName();
        QString shown = label->text();
        if (label->textFormat() == Qt::RichText
            || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(shown))) {
            QTextDocument document;
            document.setHtml(shown);
            shown = document.toPlainText();
        }
        // Line breaks and padding in a caption are layout, not words.
        return shown.simplified();
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        // The offer not in front can be neither seen nor clicked.
        if (static_cast<const LinkLabel *>(widget())->isCovered()) {
            s.invisible = true;
            s.offscreen = true;
        }
        return s;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction())
            static_cast<LinkLabel *>(widget())->click();
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }
};

QAccessibleInterface *interfaceFor(const QString &className, QObject *object)
{
    if (className == QLatin1String("amorisk::LinkLabel"))
        return new LinkLabelAccessible(static_cast<LinkLabel *>(object));
    if (className == QLatin1String("QComboBox"))
        return new ComboAccessible(static_cast<QComboBox *>(object));
    if (className == QLatin1String("QGroupBox"))
        return new GroupAccessible(static_cast<QGroupBox *>(object));
    if (className == QLatin1String("QStackedWidget"))
        return new PagesAccessible(static_cast<QStackedWidget *>(object));
    if (!object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    // A plain frame would be a "frame", which a screen reader takes for a
    // window: its say-all and flat review would stop at the frame.
    if (className == QLatin1String("QFrame"))
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    if (className == QLatin1String("QWidget") && widget->objectName() == noticeName)
        return new QAccessibleWidget(widget, QAccessible::Notification);
    // Qt asks for each class up the chain; a window class of ours reaches
    // plain QWidget, which Qt would expose as a client area ("filler").
    if (className == QLatin1String("QWidget") && widget->windowType() == Qt::Window)
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

// Qt derives a control's "visible" state, as "showing", from its window's but
// announces only changes of "showing": a screen reader that looked at a control
// while hidden (the exit screen loaded at the first reading) keeps it "not
// visible" once shown. So nothing is said about a control while it is hidden.
void withholdHidden(QAccessibleEvent *event)
{
    switch (event->type()) {
    case QAccessible::ObjectCreated:
    case QAccessible::ObjectDestroyed:
    case QAccessible::ObjectReorder:
    case QAccessible::ParentChanged:
        break;
    case QAccessible::TableModelChanged:
        // Already handed to the table; the bridge ignores it.
        return;
    default: {
        QObject *object = event->object();
        if (!object || !object->isWidgetType())
            break;
        // A control hidden in a window still shown (a tab turned) was seen shown.
        auto *widget = static_cast<QWidget *>(object);
        if (!widget->isVisible()
            && !(event->type() == QAccessible::ObjectHide && widget->window()->isVisible()))
            return;
    }
    }
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(withholdHidden);
}

class KeyboardFilter : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress)
            return pressedOnEnter(watched, static_cast<QKeyEvent *>(event));
        if (event->type() == QEvent::WindowActivate && watched->isWidgetType())
            keepFocusOfHidden(static_cast<QWidget *>(watched));
        return false;
    }

private:
    // Outside a dialog a push button ignores Enter; a keyboard user expects
    // it to press the button as Space does.
    static bool pressedOnEnter(QObject *watched, QKeyEvent *key)
    {
        auto *button = qobject_cast<QPushButton *>(watched);
        if (!button || button->autoDefault()
            || (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            || (key->modifiers() & ~Qt::KeypadModifier))
            return false;
        button->click();
        return true;
    }

    // Closing a menu makes the window manager give the focus back to the
    // window the menu belongs to. When the menu's command has hidden that
    // window meanwhile, the activation arrives late, and Qt moves the focus of
    // the hidden window on from the control the user left. It goes back there.
    static void keepFocusOfHidden(QWidget *window)
    {
        QWidget *left = window->focusWidget();
        if (window->isWindow() && !window->isVisible() && left)
            QTimer::singleShot(0, left, [left] { left->setFocus(Qt::OtherFocusReason); });
    }
};

} // namespace

void installAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(interfaceFor);
    QAccessible::installUpdateHandler(withholdHidden);
    qApp->installEventFilter(new KeyboardFilter(qApp));
}

void announce(QWidget *window, const QString &text)
{
    auto *notice = window->findChild<QWidget *>(noticeName, Qt::FindDirectChildrenOnly);
    if (!notice) {
        // No size: it shows nothing and takes no clicks.
        notice = new QWidget(window);
        notice->setObjectName(noticeName);
        notice->setGeometry(0, 0, 0, 0);
    }
    // A screen reader speaks a notification as it appears.
    notice->hide();
    notice->setAccessibleName(text);
    notice->show();
}

} // namespace amorisk
