// Start-up, peak memory, reading command, Back and memory growth, side by
// side with a bare Qt window and with the input window's layout alone.
// scripts/bench.sh gives it a private display and
// D-Bus session; every program it starts runs in that same setting.
//
//   amorisk_bench [start-ups per program] [timed readings]
//   amorisk_bench --cycles <timed readings>     (one process per run of cycles)
#include "displaycheck.h"
#include "forms.h"
#include "frmmain.h"
#include "services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int warmUpCycles = 50;
constexpr int grownCycles = 1000;
// How long the button is held down.
constexpr int pressMs = 5;

long long monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

long statusKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(static_cast<qsizetype>(qstrlen(field)))
                    .trimmed()
                    .split(' ')
                    .first()
                    .toLong();
    return -1;
}

class QuietMessages : public amorisk::MessageBoxes
{
public:
    amorisk::MessageAnswer show(const QString &, amorisk::MessageIcon,
                                amorisk::MessageButtons) override
    {
        return amorisk::MessageAnswer::No;
    }
};

class NoOpener : public amorisk::AddressOpener
{
public:
    void open(const QString &) override {}
};

// Reading and Back as a user does them: each click is posted and delivered
// by the running event loop, so deferred deletes and idle work happen where
// they happen for a user. A command's time runs from posting the button's
// release to the end of the first paint of the window it brings up.
class CycleDriver : public QObject
{
public:
    explicit CycleDriver(int timed) : m_timed(timed) {}

    void start()
    {
        QApplication::instance()->installEventFilter(this);
        m_main = amorisk::Forms::load<amorisk::FrmMain>();
        m_main->findChild<QLineEdit *>(QStringLiteral("txtFirstName"))
                ->setText(QStringLiteral("ADA"));
        m_main->findChild<QLineEdit *>(QStringLiteral("txtLastName"))
                ->setText(QStringLiteral("KING"));
        m_month = m_main->findChild<QComboBox *>(QStringLiteral("cboMonth"));
        m_date = m_main->findChild<QComboBox *>(QStringLiteral("cboDate"));
        expect(QStringLiteral("frmMain"), [this] { reading(); });
        m_main->show();
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The window's first paint, or the expose that paints it (a window
        // shown again unchanged is only flushed): the window is on screen
        // once that event has been handled.
        const bool onScreen = event->type() == QEvent::Paint
                || (event->type() == QEvent::Expose
                    && static_cast<QWindow *>(watched)->isExposed());
        if (!m_target.isEmpty() && onScreen
            && (watched->objectName() == m_target
                || watched->objectName() == m_target + QLatin1String("Window"))) {
            m_target.clear();
            m_paintStarted = monotonicNs();
            // Queued: runs once the whole window has been painted and flushed.
            // Application filters see events before the program's own, so
            // this runs before any idle work the program queues on the same
            // event.
            QMetaObject::invokeMethod(
                    this, [this] { painted(); }, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void expect(const QString &window, std::function<void()> next)
    {
        m_target = window;
        m_next = std::move(next);
        m_started = monotonicNs();
        m_watchdog.start();
    }

    void painted()
    {
        const long long now = monotonicNs();
        m_lastMs = static_cast<double>(now - m_started) / 1e6;
        m_lastPaintMs = static_cast<double>(now - m_paintStarted) / 1e6;
        // A short pause, as between a user's clicks: what the program does
        // while idle is done by then.
        QTimer::singleShot(2, this, m_next);
    }

    // A user presses, sees the button go down, and lets go: the command, and
    // the wait for its window, start at the release.
    void click(QWidget *button, const QString &window, std::function<void()> next)
    {
        const QPointF at = QRectF(button->rect()).center();
        const QPointF global = button->mapToGlobal(at);
        QCoreApplication::postEvent(button,
                                    new QMouseEvent(QEvent::MouseButtonPress, at, global,
                                                    Qt::LeftButton, Qt::LeftButton,
                                                    Qt::NoModifier));
        QTimer::singleShot(pressMs, this, [=, next = std::move(next)] {
            expect(window, next);
            QCoreApplication::postEvent(button,
                                        new QMouseEvent(QEvent::MouseButtonRelease, at, global,
                                                        Qt::LeftButton, Qt::NoButton,
                                                        Qt::NoModifier));
        });
    }

    void reading()
    {
        if (m_cycle == warmUpCycles && m_rssBefore == 0) {
            // Sampled as at the end: once the idle work of the last Back is done.
            QTimer::singleShot(50, this, [this] {
                m_rssBefore = statusKb("VmRSS:");
                m_partsBefore = {statusKb("RssAnon:"), statusKb("RssFile:"), statusKb("RssShmem:")};
                reading();
            });
            return;
        }
        if (m_cycle == warmUpCycles + grownCycles) {
            finish();
            return;
        }
        m_month->setCurrentIndex(m_cycle % 12);
        m_date->setCurrentIndex(m_cycle % 28);
        click(m_main->findChild<QWidget *>(QStringLiteral("cmdNext")), QStringLiteral("frmDisplay"),
              [this] {
                  record(m_readingMs);
                  if (m_cycle >= warmUpCycles && m_cycle < warmUpCycles + m_timed)
                      m_readingPaintMs.push_back(m_lastPaintMs);
                  back();
              });
    }

    void back()
    {
        QWidget *display = amorisk::Forms::loadedWindow(amorisk::FormId::frmDisplay);
        if (!display) {
            fail("the reading window is not loaded");
            return;
        }
        click(display->findChild<QWidget *>(QStringLiteral("cmdBack")), QStringLiteral("frmMain"),
              [this] {
                  record(m_backMs);
                  ++m_cycle;
                  reading();
              });
    }

    void record(std::vector<double> &times)
    {
        if (m_cycle >= warmUpCycles && m_cycle < warmUpCycles + m_timed)
            times.push_back(m_lastMs);
    }

    void finish()
    {
        // Let the last Back's deferred work run before the count.
        QTimer::singleShot(50, this, [this] {
            const long after = statusKb("VmRSS:");
            int displays = 0;
            for (QWidget *w : QApplication::topLevelWidgets())
                displays += w->objectName() == QLatin1String("frmDisplay");
            std::printf("reading_median_ms %.3f\nreading_p95_ms %.3f\n",
                        percentile(m_readingMs, 0.5), percentile(m_readingMs, 0.95));
            std::printf("reading_paint_median_ms %.3f\n", percentile(m_readingPaintMs, 0.5));
            std::printf("back_median_ms %.3f\nback_p95_ms %.3f\n", percentile(m_backMs, 0.5),
                        percentile(m_backMs, 0.95));
            std::printf("growth_kb %ld\nreading_windows_alive %d\n", after - m_rssBefore, displays);
            std::printf("growth_anon_kb %ld\ngrowth_file_kb %ld\ngrowth_shmem_kb %ld\n",
                        statusKb("RssAnon:") - m_partsBefore[0],
                        statusKb("RssFile:") - m_partsBefore[1],
                        statusKb("RssShmem:") - m_partsBefore[2]);
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    }

    void fail(const char *why)
    {
        std::fprintf(stderr, "cycle %d: %s\n", m_cycle, why);
        QCoreApplication::exit(1);
    }

    int m_timed;
    int m_cycle = 0;
    long m_rssBefore = 0;
    std::array<long, 3> m_partsBefore{};
    double m_lastMs = 0;
    double m_lastPaintMs = 0;
    long long m_started = 0;
    long long m_paintStarted = 0;
    QString m_target;
    std::function<void()> m_next;
    QWidget *m_main = nullptr;
    QComboBox *m_month = nullptr;
    QComboBox *m_date = nullptr;
    std::vector<double> m_readingMs, m_backMs, m_readingPaintMs;
    struct Watchdog
    {
        Watchdog()
        {
            timer.setSingleShot(true);
            timer.setInterval(10000);
            QObject::connect(&timer, &QTimer::timeout, [] {
                std::fprintf(stderr, "a window was not painted within 10 s\n");
                QCoreApplication::exit(1);
            });
        }
        void start() { timer.start(); }
        QTimer timer;
    } m_watchdog;
};

int runCycles(int argc, char *argv[], int timed)
{
    // Opened as the program opens it.
    const auto app = amorisk::openApplication(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QuietMessages messages;
    NoOpener opener;
    amorisk::services().messages = &messages;
    amorisk::services().opener = &opener;
    CycleDriver driver(timed);
    driver.start();
    const int code = QApplication::exec();
    amorisk::Forms::destroyAll();
    return code;
}

struct StartRun
{
    double ms = -1;
    long peakKb = -1;
};

StartRun startOnce(const QString &program, const QProcessEnvironment &env)
{
    QProcess process;
    process.setProcessEnvironment(env);
    const long long started = monotonicNs();
    process.start(program, {});
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    StartRun run;
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        if (line.startsWith("shown_ns "))
            run.ms = static_cast<double>(line.mid(9).toLongLong() - started) / 1e6;
        else if (line.startsWith("peak_rss_kb "))
            run.peakKb = line.mid(12).toLong();
    }
    return run;
}

// Runs the cycles in a process of their own, so its memory is theirs alone.
QMap<QByteArray, double> cyclesRun(const QString &self, int timed, bool accessibility)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (accessibility)
        env.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    else
        env.remove(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(self, {QStringLiteral("--cycles"), QString::number(timed)});
    QMap<QByteArray, double> figures;
    if (!process.waitForFinished(600000) || process.exitCode() != 0)
        return figures;
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() == 2)
            figures.insert(parts[0], parts[1].toDouble());
    }
    return figures;
}

const char *verdict(bool ok)
{
    return ok ? "meets" : "MISSES";
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 2 && qstrcmp(argv[1], "--cycles") == 0)
        return runCycles(argc, argv, std::max(1, atoi(argv[2])));

    QCoreApplication app(argc, argv);
    const int startRuns = argc > 1 ? std::max(3, atoi(argv[1])) : 20;
    const int timed = argc > 2 ? std::clamp(atoi(argv[2]), 50, grownCycles) : 400;
    const QString dir = QCoreApplication::applicationDirPath();

    // Start-up: alternate the two programs so drift in the machine's load
    // hits both alike. The program's user folders are private to the
    // benchmark and kept across runs, as a user's are: one first run, then
    // ordinary starts.
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    startOnce(dir + QLatin1String("/bench_start_amorisk"), env); // the first run
    std::vector<double> bareMs, ourMs, layoutMs;
    long barePeak = 0, ourPeak = 0, layoutPeak = 0;
    for (int i = 0; i < startRuns; ++i) {
        const StartRun bare = startOnce(dir + QLatin1String("/bench_start_bare"), env);
        const StartRun ours = startOnce(dir + QLatin1String("/bench_start_amorisk"), env);
        const StartRun layout = startOnce(dir + QLatin1String("/bench_start_layout"), env);
        if (bare.ms < 0 || ours.ms < 0 || layout.ms < 0) {
            std::fprintf(stderr, "a start-up probe failed (is there a display?)\n");
            return 1;
        }
        bareMs.push_back(bare.ms);
        ourMs.push_back(ours.ms);
        layoutMs.push_back(layout.ms);
        barePeak = std::max(barePeak, bare.peakKb);
        ourPeak = std::max(ourPeak, ours.peakKb);
        layoutPeak = std::max(layoutPeak, layout.peakKb);
    }

    const QString self = QCoreApplication::applicationFilePath();
    const auto plain = cyclesRun(self, timed, false);
    const auto accessible = cyclesRun(self, timed, true);
    if (plain.isEmpty() || accessible.isEmpty()) {
        std::fprintf(stderr, "a run of readings failed\n");
        return 1;
    }

    // The floor is the same input window drawn by Qt with nothing of the
    // program around it; the bare window shows what the look itself costs.
    const double startRatio = percentile(ourMs, 0.5) / percentile(layoutMs, 0.5);
    const double memoryRatio = static_cast<double>(ourPeak) / static_cast<double>(layoutPeak);
    const double grownOff = plain["growth_kb"];
    const double grownOn = accessible["growth_kb"];
    std::printf("%-36s %12s %12s %12s %10s\n", "", "amorisk", "layout alone", "bare window",
                "target");
    std::printf("%-36s %9.1f ms %9.1f ms %9.1f ms %10s  %.3f x, %s\n",
                "start-up to window painted, median", percentile(ourMs, 0.5),
                percentile(layoutMs, 0.5), percentile(bareMs, 0.5), "<= 1.03 x", startRatio,
                verdict(startRatio <= 1.03));
    std::printf("%-36s %9.1f ms %9.1f ms %9.1f ms\n", "start-up, p95", percentile(ourMs, 0.95),
                percentile(layoutMs, 0.95), percentile(bareMs, 0.95));
    std::printf("%-36s %9ld KB %9ld KB %9ld KB %10s  %.3f x, %s\n", "peak resident memory", ourPeak,
                layoutPeak, barePeak, "<= 1.03 x", memoryRatio, verdict(memoryRatio <= 1.03));
    for (const char *command : {"reading", "back"}) {
        const QByteArray key(command);
        const double median = plain[key + "_median_ms"];
        const double p95 = plain[key + "_p95_ms"];
        std::printf("%-36s %6.2f / %.2f ms %21s %10s  %s\n",
                    key == "back" ? "Back, median / p95" : "reading command, median / p95", median,
                    p95, "", "10 / 16 ms", verdict(median <= 10 && p95 <= 16));
    }
    std::printf("%-36s %9.2f ms\n", "  reading window's own first paint",
                plain["reading_paint_median_ms"]);
    std::printf("%-36s %9.0f KB %25s %10s  %s\n", "growth over 1,000 cycles, a11y off", grownOff,
                "", "< 256 KB", verdict(grownOff < 256));
    std::printf("%-36s %9.0f KB %25s %10s  %s\n", "growth over 1,000 cycles, a11y on", grownOn, "",
                "< 256 KB", verdict(grownOn < 256));
    std::printf("%-36s %9.2f / %.2f ms\n", "a11y on: reading / Back, median",
                accessible["reading_median_ms"], accessible["back_median_ms"]);
    std::printf("reading windows alive after the cycles: %.0f (a11y off), %.0f (a11y on)\n",
                plain["reading_windows_alive"], accessible["reading_windows_alive"]);
    std::printf("(%d start-ups each; %d warm-up cycles, then %d timed of %d; clicks posted to "
                "the event loop)\n",
                startRuns, warmUpCycles, timed, grownCycles);
    return 0;
}
