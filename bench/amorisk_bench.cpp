// Start-up, reading command, Back and peak memory, side by side with a bare
// Qt window. Needs a display (scripts/bench.sh starts Xvfb when there is none).
#include "forms.h"
#include "services.h"
#include "frmmain.h"
#include "look.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

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

// Remembers the first paint of a named window after arm().
class PaintWatch : public QObject
{
public:
    void arm(const QString &window)
    {
        m_window = window;
        m_painted = false;
    }
    bool painted() const { return m_painted; }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_painted && event->type() == QEvent::Paint && watched->objectName() == m_window)
            m_painted = true;
        return QObject::eventFilter(watched, event);
    }

private:
    QString m_window;
    bool m_painted = false;
};

class QuietMessages : public amorisk::MessageBoxes
{
public:
    amorisk::MessageAnswer show(const QString &, amorisk::MessageIcon, amorisk::MessageButtons) override
    {
        return amorisk::MessageAnswer::No;
    }
};
class NoOpener : public amorisk::AddressOpener
{
public:
    void open(const QString &) override {}
};

bool waitPainted(const PaintWatch &watch)
{
    QElapsedTimer timer;
    timer.start();
    while (!watch.painted()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (timer.elapsed() > 5000)
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    amorisk::installFontSubstitutions();
    const int startRuns = argc > 1 ? std::max(3, atoi(argv[1])) : 20;
    const int readingRuns = argc > 2 ? std::max(200, atoi(argv[2])) : 300;
    const QString dir = QCoreApplication::applicationDirPath();

    // Start-up: alternate the two programs so drift in the machine's load
    // hits both alike. The program's user folders are private to the
    // benchmark and kept across runs, as a user's are: one first run, then
    // ordinary starts.
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    startOnce(dir + QLatin1String("/bench_start_amorisk"), env); // the first run
    std::vector<double> bareMs, ourMs;
    long barePeak = 0, ourPeak = 0;
    for (int i = 0; i < startRuns; ++i) {
        const StartRun bare = startOnce(dir + QLatin1String("/bench_start_bare"), env);
        const StartRun ours = startOnce(dir + QLatin1String("/bench_start_amorisk"), env);
        if (bare.ms < 0 || ours.ms < 0) {
            std::fprintf(stderr, "a start-up probe failed (is there a display?)\n");
            return 1;
        }
        bareMs.push_back(bare.ms);
        ourMs.push_back(ours.ms);
        barePeak = std::max(barePeak, bare.peakKb);
        ourPeak = std::max(ourPeak, ours.peakKb);
    }

    // Reading command and Back, in this process, on the real windows.
    QuietMessages messages;
    NoOpener opener;
    amorisk::Services &s = amorisk::services();
    s.messages = &messages;
    s.opener = &opener;
    PaintWatch watch;
    app.installEventFilter(&watch);
    QWidget *main = amorisk::Forms::frmMain();
    main->show();
    watch.arm(QStringLiteral("frmMain"));
    waitPainted(watch);
    main->findChild<QLineEdit *>(QStringLiteral("txtFirstName"))->setText(QStringLiteral("ADA"));
    main->findChild<QLineEdit *>(QStringLiteral("txtLastName"))->setText(QStringLiteral("LOVELACE"));
    auto *month = main->findChild<QComboBox *>(QStringLiteral("cboMonth"));
    auto *next = main->findChild<QPushButton *>(QStringLiteral("cmdNext"));
    std::vector<double> readingMs, backMs;
    for (int i = 0; i < readingRuns; ++i) {
        month->setCurrentIndex(i % 12);
        watch.arm(QStringLiteral("frmDisplay"));
        long long t0 = monotonicNs();
        next->click();
        if (!waitPainted(watch)) {
            std::fprintf(stderr, "the reading window was not shown\n");
            return 1;
        }
        readingMs.push_back(static_cast<double>(monotonicNs() - t0) / 1e6);

        QWidget *display = amorisk::Forms::loadedWindow(amorisk::FormId::frmDisplay);
        auto *back = display->findChild<QPushButton *>(QStringLiteral("cmdBack"));
        watch.arm(QStringLiteral("frmMain"));
        t0 = monotonicNs();
        back->click();
        if (!waitPainted(watch)) {
            std::fprintf(stderr, "the input window was not shown again\n");
            return 1;
        }
        backMs.push_back(static_cast<double>(monotonicNs() - t0) / 1e6);
    }
    amorisk::Forms::destroyAll();

    const double startRatio = percentile(ourMs, 0.5) / percentile(bareMs, 0.5);
    const double memoryRatio = static_cast<double>(ourPeak) / static_cast<double>(barePeak);
    auto verdict = [](bool ok) { return ok ? "meets" : "MISSES"; };
    std::printf("%-28s %12s %12s %12s\n", "", "amorisk", "bare window", "target");
    std::printf("%-28s %9.1f ms %9.1f ms %12s  ratio %.2f, %s\n", "start-up to window, median",
                percentile(ourMs, 0.5), percentile(bareMs, 0.5), "<= 1.2 x", startRatio,
                verdict(startRatio <= 1.2));
    std::printf("%-28s %9.1f ms %9.1f ms\n", "start-up to window, p95", percentile(ourMs, 0.95),
                percentile(bareMs, 0.95));
    std::printf("%-28s %9.0f KB %9.0f KB %12s  ratio %.2f, %s\n", "peak resident memory",
                static_cast<double>(ourPeak), static_cast<double>(barePeak), "<= 1.2 x",
                memoryRatio, verdict(memoryRatio <= 1.2));
    std::printf("%-28s %9.2f ms %12s %12s  %s\n", "reading command, median",
                percentile(readingMs, 0.5), "", "< 5 ms", verdict(percentile(readingMs, 0.5) < 5));
    std::printf("%-28s %9.2f ms\n", "reading command, p95", percentile(readingMs, 0.95));
    std::printf("%-28s %9.2f ms %12s %12s  %s\n", "Back, median", percentile(backMs, 0.5), "",
                "< 5 ms", verdict(percentile(backMs, 0.5) < 5));
    std::printf("%-28s %9.2f ms\n", "Back, p95", percentile(backMs, 0.95));
    std::printf("(%d start-ups each, %zu readings)\n", startRuns, readingMs.size());
    return 0;
}
