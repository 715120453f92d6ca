#pragma once

#include <QPushButton>

namespace amorisk {

// The layouts' graphical push button: its own background colour with a
// two-pixel raised edge (sunken while pressed), and a caption that wraps onto
// further lines when it is wider than the button, where QPushButton would
// clip it.
class WrapButton : public QPushButton
{
    Q_OBJECT
public:
    explicit WrapButton(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace amorisk
