#pragma once

#include <QCheckBox>

namespace amorisk {

// A check box drawn as a push button that stays pressed while checked. It
// remains a check box to the keyboard and to screen readers.
class ButtonCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    explicit ButtonCheckBox(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    // The whole face answers the mouse, not just an indicator and its text.
    bool hitButton(const QPoint &pos) const override;
};

} // namespace amorisk
