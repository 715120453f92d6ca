#include "signpicturelist.h"

namespace amorisk {

int SignPictureList::count() const
{
    return reading::SignCount;
}

QPixmap SignPictureList::picture(int position) const
{
    if (position < 1 || position > count())
        return {};
    QPixmap &pixmap = m_pictures.at(position - 1);
    if (pixmap.isNull()) {
        const reading::SignProfile &sign = reading::signTable().at(position - 1);
        pixmap.load(QLatin1String(":/images/") + QLatin1String(sign.pictureKey));
    }
    return pixmap;
}

} // namespace amorisk
