#include "signpicturelist.h"

#include <QFile>

namespace amorisk {

QPixmap sharpPicture(const QString &path, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1) {
        QString sharp = path;
        sharp.insert(sharp.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
        if (QFile::exists(sharp)) {
            QPixmap picture(sharp);
            picture.setDevicePixelRatio(2);
            return picture;
        }
    }
    return QPixmap(path);
}

int SignPictureList::count() const
{
    return reading::SignCount;
}

QPixmap SignPictureList::picture(int position, qreal devicePixelRatio) const
{
    if (position < 1 || position > count())
        return {};
    // Each size is decoded when first shown; a 1x screen never decodes a 2x copy.
    const bool sharp = devicePixelRatio > 1;
    QPixmap &pixmap = (sharp ? m_sharpPictures : m_pictures).at(position - 1);
    if (pixmap.isNull()) {
        const reading::SignProfile &sign = reading::signTable().at(position - 1);
        pixmap = sharpPicture(QLatin1String(":/images/") + QLatin1String(sign.pictureKey),
                              devicePixelRatio);
    }
    return pixmap;
}

} // namespace amorisk
