#include "signpicturelist.h"

#include <QFile>

namespace amorisk {

namespace {
const char *const keys[] = {"aries.jpg",   "taurus.jpg",      "gemini.jpg",    "cancer.jpg",
                            "leo.jpg",     "virgo.jpg",       "libra.jpg",     "scorpio.jpg",
                            "sagittarius.jpg", "capricorn.jpg", "aquarius.jpg", "pisces.jpg"};
}

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

SignPictureList::SignPictureList()
{
    for (const char *key : keys) {
        const QString k = QString::fromLatin1(key);
        m_entries.append({k, QPixmap(), QPixmap()});
    }
}

int SignPictureList::count() const
{
    return static_cast<int>(m_entries.size());
}

QSize SignPictureList::imageSize() const
{
    return {200, 200};
}

QPixmap SignPictureList::picture(int position, qreal devicePixelRatio) const
{
    if (position < 1 || position > count())
        return {};
    const Entry &entry = m_entries.at(position - 1);
    // Each size is decoded when first shown; a 1x screen never decodes a 2x copy.
    QPixmap &picture = devicePixelRatio > 1 ? entry.sharp : entry.picture;
    if (picture.isNull())
        picture = sharpPicture(QLatin1String(":/images/") + entry.key, devicePixelRatio);
    return picture;
}

QString SignPictureList::key(int position) const
{
    if (position < 1 || position > count())
        return {};
    return m_entries.at(position - 1).key;
}

} // namespace amorisk
