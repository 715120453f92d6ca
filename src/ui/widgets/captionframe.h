#pragma once

#include <QGroupBox>

namespace amorisk {

// A captioned frame as the input window shows it: its background colour over
// the whole rectangle, the border six pixels down with the caption on its own
// background at the top left. A flat frame draws one black line, the others
// an etched grey groove.
class CaptionFrame : public QGroupBox
{
    Q_OBJECT
public:
    explicit CaptionFrame(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace amorisk
