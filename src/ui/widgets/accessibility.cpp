#include "accessibility.h"

#include "linklabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTextDocument>

namespace amorisk {
namespace {

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
        // A caption under a sibling that covers it all (the offer not in
        // front) cannot be seen or clicked; a screen reader passes it by too.
        if (isCovered()) {
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

private:
    bool isCovered() const
    {
        const QWidget *self = widget();
        const QWidget *parent = self->parentWidget();
        if (!parent)
            return false;
        const QObjectList &siblings = parent->children();
        for (qsizetype i = siblings.indexOf(const_cast<QWidget *>(self)) + 1; i < siblings.size();
             ++i) {
            const auto *above = qobject_cast<const QWidget *>(siblings.at(i));
            if (above && above->isVisible() && above->geometry().contains(self->geometry()))
                return true;
        }
        return false;
    }
};

QAccessibleInterface *interfaceFor(const QString &className, QObject *object)
{
    if (className == QLatin1String("amorisk::LinkLabel"))
        return new LinkLabelAccessible(static_cast<LinkLabel *>(object));
    // Qt asks for each class up the chain; a window class of ours reaches
    // plain QWidget, which Qt would expose as a client area ("filler").
    if (className == QLatin1String("QWidget") && object->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(object);
        if (widget->windowType() == Qt::Window)
            return new QAccessibleWidget(widget, QAccessible::Window);
    }
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(interfaceFor);
}

void labelForScreenReaders(QWidget *control)
{
    auto *label = new QLabel(control->accessibleName(), control->parentWidget());
    label->setBuddy(control);
    label->hide();
}

} // namespace amorisk
