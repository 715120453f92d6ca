#include "linklabel.h"

#include "accessibility.h"

#include <QKeyEvent>
#include <QMouseEvent>

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

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)
        && !(event->modifiers() & ~Qt::KeypadModifier)) {
        click();
        return;
    }
    QLabel::keyPressEvent(event);
}

bool LinkLabel::isCovered() const
{
    const QWidget *parent = parentWidget();
    if (!parent)
        return false;
    const QObjectList &siblings = parent->children();
    for (qsizetype i = siblings.indexOf(const_cast<LinkLabel *>(this)) + 1; i < siblings.size();
         ++i) {
        const auto *above = qobject_cast<const QWidget *>(siblings.at(i));
        if (above && !above->isHidden() && above->geometry().contains(geometry()))
            return true;
    }
    return false;
}

// Links come last in the Tab order, before the control the window focuses
// first, in the order they were made. Done when the first is shown, once the
// window has set its own Tab order and first focus.
void LinkLabel::joinTabChain()
{
    QWidget *first = window()->focusWidget() ? window()->focusWidget() : window();
    QWidget *last = first->previousInFocusChain();
    while (last != first && !(last->focusPolicy() & Qt::TabFocus))
        last = last->previousInFocusChain();
    const auto links = window()->findChildren<LinkLabel *>();
    for (LinkLabel *link : links) {
        link->m_inTabChain = true;
        link->setFocusPolicy(Qt::StrongFocus);
        if (last != first)
            QWidget::setTabOrder(last, link);
        last = link;
    }
    // The offer behind the other is passed by.
    for (LinkLabel *link : links)
        if (link->isCovered())
            link->setFocusPolicy(Qt::NoFocus);
}

void LinkLabel::passCoveredLinksBy()
{
    if (!parentWidget())
        return;
    for (auto *link : parentWidget()->findChildren<LinkLabel *>(Qt::FindDirectChildrenOnly))
        if (link->m_inTabChain)
            link->setFocusPolicy(link->isCovered() ? Qt::NoFocus : Qt::StrongFocus);
}

bool LinkLabel::event(QEvent *event)
{
    const bool handled = QLabel::event(event);
    if (event->type() == QEvent::Show && !m_inTabChain)
        joinTabChain();
    else if (event->type() == QEvent::ZOrderChange)
        passCoveredLinksBy();
    return handled;
}

} // namespace amorisk
