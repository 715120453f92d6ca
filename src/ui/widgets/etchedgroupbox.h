#pragma once

#include <QGroupBox>

namespace amorisk {

// A captioned frame that fills its whole rectangle with its background colour
// and draws an etched border with the caption set into the top line, so the
// border shows on any background colour.
class EtchedGroupBox : public QGroupBox
{
    Q_OBJECT
public:
    explicit EtchedGroupBox(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace amorisk
