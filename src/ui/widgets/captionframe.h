#pragma once

#include <QGroupBox>

namespace amorisk {

// A captioned frame that fills its whole rectangle with its background colour
// and draws its border and caption itself, so both show on any background
// colour. The input window's frames draw a grey groove six pixels down (a
// flat one a black line); the exit screen's are etched in the palette's
// shades, their border at half the caption's height.
class CaptionFrame : public QGroupBox
{
    Q_OBJECT
    Q_PROPERTY(bool etched READ etched WRITE setEtched)
public:
    explicit CaptionFrame(QWidget *parent = nullptr);

    bool etched() const { return m_etched; }
    void setEtched(bool etched);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_etched = false;
};

} // namespace amorisk
