#pragma once

#include "services.h"

#include <QString>

#include <memory>

namespace amorisk {

class QtMessageBoxes : public MessageBoxes
{
public:
    MessageAnswer show(const QString &text, MessageIcon icon, MessageButtons buttons) override;
};

class DesktopOpener : public AddressOpener
{
public:
    void open(const QString &address) override;
};

// INI file at a fixed path; each access opens it afresh so a file that turns
// unreadable or read-only mid-run is noticed rather than cached. A file far
// too large to be ours counts as unreadable and is replaced on the next write;
// anything that would make QSettings wait for ever counts as no store at all.
class IniSettingsStore : public SettingsStore
{
public:
    explicit IniSettingsStore(QString path);
    QVariant value(const QString &key) const override;
    bool setValue(const QString &key, const QVariant &value) override;
    QString path() const { return m_path; }

    // <config folder>/amorisk/amorisk.conf, honouring XDG_CONFIG_HOME; without
    // HOME the home folder comes from the password database.
    static QString defaultPath();

private:
    bool blocked() const;

    QString m_path;
    mutable bool m_reported = false;
};

// Owns the seams that reach the desktop and installs them into services();
// the calendar and the random draw are the defaults already.
class RealServices
{
public:
    RealServices();
    ~RealServices();

private:
    QtMessageBoxes m_messages;
    DesktopOpener m_opener;
    IniSettingsStore m_settings;
    Services m_previous;
};

} // namespace amorisk
