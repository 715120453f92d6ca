#include "signpicturelist.h"

#include "signtable.h"

#include <QIcon>

namespace amorisk {

int SignPictureList::count() const
{
    return reading::SignCount;
}

QPixmap SignPictureList::picture(int position, qreal devicePixelRatio) const
{
    if (position < 1 || position > count())
        return {};
    const reading::SignProfile &sign = reading::signTable().at(position - 1);
    const QIcon icon(QLatin1String(":/images/") + QLatin1String(sign.pictureKey));
    return icon.pixmap(icon.availableSizes().value(0), devicePixelRatio);
}

} // namespace amorisk
