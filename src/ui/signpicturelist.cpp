#include "signpicturelist.h"

namespace amorisk {

namespace {
const char *const keys[] = {"aries.jpg",   "taurus.jpg",      "gemini.jpg",    "cancer.jpg",
                            "leo.jpg",     "virgo.jpg",       "libra.jpg",     "scorpio.jpg",
                            "sagittarius.jpg", "capricorn.jpg", "aquarius.jpg", "pisces.jpg"};
}

SignPictureList::SignPictureList()
{
    for (const char *key : keys) {
        const QString k = QString::fromLatin1(key);
        m_entries.append({k, QPixmap()});
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

QPixmap SignPictureList::picture(int position) const
{
    if (position < 1 || position > count())
        return {};
    const Entry &entry = m_entries.at(position - 1);
    if (entry.picture.isNull())
        entry.picture.load(QLatin1String(":/images/") + entry.key);
    return entry.picture;
}

QString SignPictureList::key(int position) const
{
    if (position < 1 || position > count())
        return {};
    return m_entries.at(position - 1).key;
}

} // namespace amorisk
