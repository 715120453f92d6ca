#pragma once

#include <QLabel>

namespace amorisk {

// A caption that acts as a hyperlink: hand pointer, and clicked() when the
// mouse button is released over it.
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    explicit LinkLabel(QWidget *parent = nullptr);

    // What a click with the mouse does; assistive technology presses here.
    void click();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

} // namespace amorisk
