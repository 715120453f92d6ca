#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <QTextLayout>

class QPainter;
class QRect;

namespace amorisk {

// Draws a text as QPainter::drawText(rect, flags, text) does, but lays it out
// only when its text, font, size or flags change: drawText shapes the text
// and breaks its lines again at every paint. What it does not handle (tabs,
// mnemonics, right or justified alignment, right-to-left text, a text that
// does not fit, centring on a denser screen) goes to drawText itself.
class LaidOutText
{
public:
    // Lays the text out ahead of its first paint, in the font its painter
    // will have.
    void prepare(const QFont &font, const QRect &rect, int flags, const QString &text);
    void draw(QPainter *painter, const QRect &rect, int flags, const QString &text);

private:
    void layOut(const QFont &font, const QRect &rect, int flags, const QString &text);

    QTextLayout m_layout;
    QString m_text;
    QFont m_font;
    QSize m_size;
    int m_flags = -1;
    qreal m_width = 0;
    qreal m_height = 0;
};

} // namespace amorisk
