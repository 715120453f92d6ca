#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace amorisk {

// The input window's image list: the twelve sign pictures at positions 1 to 12
// in sign-index order, each stored with its key. Pictures are taken by position
// and decoded on first use, so start-up pays only for what a reading shows.
class SignPictureList
{
public:
    SignPictureList();

    int count() const;
    QSize imageSize() const;
    // A null pixmap / empty key for a position outside 1..count().
    QPixmap picture(int position) const;
    QString key(int position) const;

private:
    struct Entry
    {
        QString key;
        mutable QPixmap picture;
    };
    QList<Entry> m_entries;
};

} // namespace amorisk
