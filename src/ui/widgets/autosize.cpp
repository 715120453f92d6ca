#include "autosize.h"

#include <QLabel>

namespace amorisk {

namespace {

bool isAutoSize(const QLabel *label)
{
    return label->property("autoSize").toBool();
}

} // namespace

void fitAutoSizeCaptions(QWidget *root)
{
    const auto labels = root->findChildren<QLabel *>();
    for (QLabel *label : labels)
        if (isAutoSize(label))
            label->adjustSize();
}

void setCaption(QLabel *label, const QString &text)
{
    label->setText(text);
    if (isAutoSize(label))
        label->adjustSize();
}

} // namespace amorisk
