#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace amorisk {

// The picture stored at path or, on a screen of more than one device pixel per
// pixel, its "@2x" copy of twice the size, drawn at the same size but sharp.
QPixmap sharpPicture(const QString &path, qreal devicePixelRatio);

// The input window's image list: the twelve sign pictures at positions 1 to 12
// in sign-index order, each stored with its key. Pictures are taken by position
// and decoded on first use, so start-up pays only for what a reading shows.
class SignPictureList
{
public:
    SignPictureList();

    int count() const;
    QSize imageSize() const;
    // A null pixmap / empty key for a position outside 1..count(). Above a
    // device pixel ratio of 1 the picture is the sharp copy of twice the size.
    QPixmap picture(int position, qreal devicePixelRatio = 1.0) const;
    QString key(int position) const;

private:
    struct Entry
    {
        QString key;
        mutable QPixmap picture;
        mutable QPixmap sharp;
    };
    QList<Entry> m_entries;
};

} // namespace amorisk
