#pragma once

#include <QLineEdit>

namespace amorisk {

// The layouts' flat text box: one thin black line round the field instead of
// the style's sunken or rounded frame, which would not show the same on the
// coloured frames around it.
class FlatLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit FlatLineEdit(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace amorisk
