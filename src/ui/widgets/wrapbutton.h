#pragma once

#include <QPushButton>

namespace amorisk {

// A push button whose caption wraps onto further lines when it is wider than
// the button, as the layouts' graphical buttons expect; QPushButton would
// clip it instead.
class WrapButton : public QPushButton
{
    Q_OBJECT
public:
    explicit WrapButton(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace amorisk
