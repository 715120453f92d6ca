#include "signpicturelist.h"

namespace amorisk {

int SignPictureList::count() const
{
    return reading::SignCount;
}

QPixmap SignPictureList::picture(int position, qreal devicePixelRatio) const
{
    if (position < 1 || position > count())
        return {};
    QIcon &icon = m_pictures.at(position - 1);
    if (icon.isNull())
        icon = QIcon(QLatin1String(":/images/")
                     + QLatin1String(reading::signTable().at(position - 1).pictureKey));
    return icon.pixmap(icon.availableSizes().value(0), devicePixelRatio);
}

} // namespace amorisk
