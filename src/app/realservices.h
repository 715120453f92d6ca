#pragma once

#include "app/services.h"

#include <QString>

#include <memory>
#include <random>

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

class SystemCalendar : public Calendar
{
public:
    QDate today() const override;
};

// INI file at a fixed path; each access opens it afresh so a file that turns
// unreadable or read-only mid-run is noticed rather than cached. A file far
// too large to be ours counts as unreadable and is replaced on the next write.
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
    QString m_path;
};

class MersenneRandom : public RandomSource
{
public:
    void seed(std::uint64_t seed) override;
    double next() override;

private:
    std::mt19937_64 m_engine{0};
};

// Owns one of each real seam and installs them into services().
class RealServices
{
public:
    RealServices();
    ~RealServices();

private:
    QtMessageBoxes m_messages;
    DesktopOpener m_opener;
    SystemCalendar m_calendar;
    IniSettingsStore m_settings;
    MersenneRandom m_random;
    Services m_previous;
};

} // namespace amorisk
