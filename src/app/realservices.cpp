#include "realservices.h"

#include "userfiles.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QMessageBox>
#include <QSettings>
#include <QStringList>
#include <QTemporaryFile>
#include <QUrl>

#include <cstdio>
#include <unistd.h>

namespace amorisk {

namespace {

// QSettings decodes every value of a file as it reads it, recursing into
// nested ones, so a crafted file can overflow the stack. Ours holds one date
// in a few dozen bytes; anything this large is damage and is never read.
constexpr qint64 maxStoreSize = 64 * 1024;

bool oversized(const QString &path)
{
    return QFileInfo(path).size() > maxStoreSize;
}

// Written beside the damaged file and renamed over it, so the damage is
// never read and a failed write leaves the old file in place. A link to the
// file (as dotfile managers make) stays: its target is what gets replaced.
bool replaceStore(const QString &link, const QString &key, const QVariant &value)
{
    const QString path = QFileInfo(link).canonicalFilePath();
    QTemporaryFile fresh(path + QLatin1String(".XXXXXX"));
    if (!fresh.open() || !fresh.setPermissions(QFileInfo(path).permissions()))
        return false;
    fresh.close();
    {
        QSettings settings(fresh.fileName(), QSettings::IniFormat);
        settings.setValue(key, value);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return false;
    }
    const QByteArray written = QFile::encodeName(fresh.fileName());
    if (std::rename(written.constData(), QFile::encodeName(path).constData()) != 0)
        return false;
    fresh.setAutoRemove(false);
    return true;
}

} // namespace

MessageAnswer QtMessageBoxes::show(const QString &text, MessageIcon icon, MessageButtons buttons)
{
    // A lone carriage return separates sentences in some of our texts; the
    // label only breaks lines on a line feed.
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));

    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical
                                                  : QMessageBox::Information,
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
    const QtMessageHandler previous
            = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &,
                                        const QString &text) { heard->append(text); });
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

IniSettingsStore::IniSettingsStore(QString path) : m_path(std::move(path))
{}

// QSettings blocks for ever in open() on a pipe at the path, and waits
// without a time limit for a lock beside the file that it cannot take (a
// directory, a read-only or a fresh garbled one). Said once; the store then
// counts as empty and unwritable, so the start goes on as a first run that
// cannot store, rather than ask a question whose answer cannot be kept.
bool IniSettingsStore::blocked() const
{
    const QFileInfo file(m_path);
    const QFileInfo lock(m_path + QLatin1String(".lock"));
    QString trouble;
    if (file.exists() && !file.isFile()) {
        trouble = m_path + QLatin1String(" is not a regular file");
    } else if (lock.exists() || lock.isSymLink()) {
        QLockFile probe(lock.filePath());
        if (!tryLockWhateverItsMode(probe) && probe.error() == QLockFile::LockFailedError)
            trouble = lock.filePath() + QLatin1String(" is a lock that cannot be taken");
    }
    if (!trouble.isEmpty() && !m_reported) {
        std::fprintf(stderr, "amorisk: %s; the settings are neither read nor stored\n",
                     qPrintable(trouble));
        m_reported = true;
    }
    return !trouble.isEmpty();
}

QVariant IniSettingsStore::value(const QString &key) const
{
    if (blocked() || oversized(m_path))
        return {};
    QSettings settings(m_path, QSettings::IniFormat);
    if (settings.status() == QSettings::AccessError)
        return {};
    return settings.value(key);
}

bool IniSettingsStore::setValue(const QString &key, const QVariant &value)
{
    if (blocked())
        return false;
    if (oversized(m_path))
        return replaceStore(m_path, key, value);
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
    return xdgFolder("XDG_CONFIG_HOME", "/.config") + QLatin1String("/amorisk/amorisk.conf");
}

RealServices::RealServices() : m_settings(IniSettingsStore::defaultPath()), m_previous(services())
{
    Services &s = services();
    s.messages = &m_messages;
    s.opener = &m_opener;
    s.settings = &m_settings;
}

RealServices::~RealServices()
{
    services() = m_previous;
}

} // namespace amorisk
