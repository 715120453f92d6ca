#pragma once

#include <QDate>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <random>

// Every effect on the world outside the windows goes through one of these,
// so tests can drive every path without a modal box, a browser or the clock.
namespace amorisk {

enum class MessageIcon { Information, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    // Modal; the title is always the application title.
    virtual MessageAnswer show(const QString &text, MessageIcon icon, MessageButtons buttons) = 0;
};

class AddressOpener
{
public:
    virtual ~AddressOpener() = default;
    // Hands a complete web address to the desktop; the outcome is not reported.
    virtual void open(const QString &address) = 0;
};

class Calendar
{
public:
    virtual ~Calendar() = default;
    virtual QDate today() const = 0;
};

class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    // An invalid QVariant when the key is absent or the store cannot be read.
    virtual QVariant value(const QString &key) const = 0;
    // False when the value could not be written.
    virtual bool setValue(const QString &key, const QVariant &value) = 0;
};

class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void seed(std::uint64_t seed) = 0;
    // Uniform over 0 <= r < 1.
    virtual double next() = 0;
};

class SystemCalendar : public Calendar
{
public:
    QDate today() const override;
};

class MersenneRandom : public RandomSource
{
public:
    void seed(std::uint64_t seed) override;
    double next() override;

private:
    std::mt19937_64 m_engine{0};
};

struct Services
{
    MessageBoxes *messages;
    AddressOpener *opener;
    Calendar *calendar;
    SettingsStore *settings;
    RandomSource *random;
};

// Seams that are always there: boxes answered with their default button, an
// opener and a store that do nothing, the system calendar, a Mersenne Twister.
// main() replaces the first three with the real ones, tests with fakes.
Services defaultServices();

// The one place the program looks its seams up; never holds a null seam.
Services &services();

// Seeds the process-wide random source from the system clock.
void seedRandomFromClock();

// Shortcut used by every window: a modal box with the application title.
MessageAnswer showMessage(const QString &text, MessageIcon icon = MessageIcon::Information,
                          MessageButtons buttons = MessageButtons::Ok);

} // namespace amorisk
