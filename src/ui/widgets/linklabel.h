#pragma once

#include <QLabel>

namespace amorisk {

// A caption that acts as a hyperlink: hand pointer, and clicked() when the
// mouse button is released over it or Enter or Space is pressed on it. Links
// take the focus after the window's own controls, in the order they are shown.
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    explicit LinkLabel(QWidget *parent = nullptr);

    // What a click with the mouse does; assistive technology presses here.
    void click();
    // Wholly under a later sibling: neither seen nor clicked.
    bool isCovered() const;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;

private:
    void joinTabChain();
    void passCoveredLinksBy();

    bool m_pressed = false;
    bool m_inTabChain = false;
};

} // namespace amorisk
