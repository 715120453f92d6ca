#pragma once

// Shared by the two start-up probes: report, on stdout, the monotonic time at
// which the window was first painted and the peak resident memory so far.

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace bench {

inline long long monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

inline long peakRssKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// Installed on the application: on the first paint of the window named
// `window`, print the time, let it settle for a moment (fonts, images, the
// first frames), then print peak memory and quit.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QString window) : m_window(std::move(window)) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen && watched->objectName() == m_window) {
            m_seen = true;
            std::printf("shown_ns %lld\n", monotonicNs());
            QTimer::singleShot(300, [] {
                std::printf("peak_rss_kb %ld\n", peakRssKb());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QString m_window;
    bool m_seen = false;
};

} // namespace bench
