#include "app/realservices.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QUrl>

#include <cstdio>

namespace amorisk {

MessageAnswer QtMessageBoxes::show(const QString &text, MessageIcon icon, MessageButtons buttons)
{
    // A lone carriage return separates sentences in some of our texts; the
    // label only breaks lines on a line feed.
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));

    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                    QStringLiteral("Amorisk"), shown,
                    buttons == MessageButtons::YesNo ? (QMessageBox::Yes | QMessageBox::No)
                                                     : QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    const int answer = box.exec();
    if (buttons == MessageButtons::YesNo)
        return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    return MessageAnswer::Ok;
}

void DesktopOpener::open(const QString &address)
{
    // Never through a shell: the address goes to the desktop's URL handler as one argument.
    const QUrl url(address, QUrl::StrictMode);
    // Qt may say why on its own; that goes into our one line rather than beside it.
    static QStringList *heard = nullptr;
    QStringList messages;
    heard = &messages;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &text) { heard->append(text); });
    const bool opened = QDesktopServices::openUrl(url);
    qInstallMessageHandler(previous);
    heard = nullptr;
    if (opened)
        return;
    if (!url.isValid())
        messages.prepend(url.errorString());
    // The windows have no message for this, so the terminal or the session log hears of it.
    const QString reason = messages.isEmpty()
        ? QString()
        : QLatin1String(" (") + messages.join(QLatin1String("; ")) + QLatin1Char(')');
    std::fprintf(stderr, "amorisk: could not open %s%s\n", qPrintable(address), qPrintable(reason));
}

QDate SystemCalendar::today() const
{
    return QDate::currentDate();
}

IniSettingsStore::IniSettingsStore(QString path) : m_path(std::move(path)) {}

QVariant IniSettingsStore::value(const QString &key) const
{
    QSettings settings(m_path, QSettings::IniFormat);
    if (settings.status() == QSettings::AccessError)
        return {};
    return settings.value(key);
}

bool IniSettingsStore::setValue(const QString &key, const QVariant &value)
{
    QSettings settings(m_path, QSettings::IniFormat);
    if (settings.status() == QSettings::AccessError)
        return false;
    settings.setValue(key, value);
    settings.sync();
    // A damaged file keeps its FormatError even once rewritten cleanly, and
    // that status then hides any AccessError; so only NoError counts as written.
    return settings.status() == QSettings::NoError;
}

QString IniSettingsStore::defaultPath()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    // A relative XDG_CONFIG_HOME is invalid by the XDG rules, and would put the
    // file wherever the program happened to be started.
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QLatin1String("/.config");
    return base + QLatin1String("/amorisk/amorisk.conf");
}

void MersenneRandom::seed(std::uint64_t seed)
{
    m_engine.seed(seed);
}

double MersenneRandom::next()
{
    // 53 random bits scaled into [0, 1): never 1.0, unlike some
    // uniform_real_distribution implementations at the rounding edge.
    return static_cast<double>(m_engine() >> 11) * 0x1.0p-53;
}

RealServices::RealServices() : m_settings(IniSettingsStore::defaultPath()), m_previous(services())
{
    Services &s = services();
    s.messages = &m_messages;
    s.opener = &m_opener;
    s.calendar = &m_calendar;
    s.settings = &m_settings;
    s.random = &m_random;
}

RealServices::~RealServices()
{
    services() = m_previous;
}

} // namespace amorisk
