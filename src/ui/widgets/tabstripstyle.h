#pragma once

#include <QProxyStyle>

namespace amorisk {

// The reading window's row of tabs: flat grey tabs with a thin grey border
// rounded at the top, captions in the theme colour, the selected tab two
// pixels taller. A style sheet could say the same, but would restyle the tab
// bar for every reading window; this one style serves them all.
class TabStripStyle : public QProxyStyle
{
    Q_OBJECT
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
};

// The one instance, owned by the application.
QStyle *tabStripStyle();

} // namespace amorisk
