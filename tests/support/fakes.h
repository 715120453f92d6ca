#pragma once

// Stand-ins for the outside world, installed into services() for one test.

#include "forms.h"
#include "services.h"

#include <QCoreApplication>
#include <QEvent>
#include <QList>
#include <QMap>
#include <QStringList>

#include <deque>

namespace amorisk::testing {

struct ShownMessage
{
    QString text;
    MessageIcon icon;
    MessageButtons buttons;
};

class FakeMessages : public MessageBoxes
{
public:
    MessageAnswer show(const QString &text, MessageIcon icon, MessageButtons buttons) override
    {
        shown.append({text, icon, buttons});
        if (onShow)
            onShow(shown.last());
        if (buttons == MessageButtons::YesNo)
            return answers.empty() ? MessageAnswer::No : takeAnswer();
        return MessageAnswer::Ok;
    }
    QStringList texts() const
    {
        QStringList result;
        for (const auto &m : shown)
            result << m.text;
        return result;
    }
    QList<ShownMessage> shown;
    std::deque<MessageAnswer> answers;
    std::function<void(const ShownMessage &)> onShow;

private:
    MessageAnswer takeAnswer()
    {
        const MessageAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
};

class FakeOpener : public AddressOpener
{
public:
    void open(const QString &address) override { opened << address; }
    QStringList opened;
};

class FakeCalendar : public Calendar
{
public:
    QDate today() const override { return date; }
    QDate date{2026, 12, 7};
};

class MemorySettings : public SettingsStore
{
public:
    QVariant value(const QString &key) const override
    {
        return readable ? values.value(key) : QVariant();
    }
    bool setValue(const QString &key, const QVariant &value) override
    {
        if (!writable)
            return false;
        values.insert(key, value);
        ++writes;
        return true;
    }
    QMap<QString, QVariant> values;
    bool readable = true;
    bool writable = true;
    int writes = 0;
};

// Returns the queued draws in order, then 0.0.
class FakeRandom : public RandomSource
{
public:
    void seed(std::uint64_t) override { ++seeds; }
    double next() override
    {
        if (draws.empty())
            return 0.0;
        const double r = draws.front();
        draws.pop_front();
        return r;
    }
    std::deque<double> draws;
    int seeds = 0;
};

// Installs a full set of fakes and records the end of the process instead of
// ending it. Destroys every window on the way out, so each test starts clean.
class TestServices
{
public:
    TestServices()
    {
        m_previous = services();
        services() = Services{&messages, &opener, &calendar, &settings, &random};
        setProcessEnder([this](int code) { exitCodes << code; });
    }
    ~TestServices()
    {
        Forms::destroyAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        setProcessEnder(nullptr);
        services() = m_previous;
    }
    TestServices(const TestServices &) = delete;
    TestServices &operator=(const TestServices &) = delete;

    FakeMessages messages;
    FakeOpener opener;
    FakeCalendar calendar;
    MemorySettings settings;
    FakeRandom random;
    QList<int> exitCodes;

private:
    Services m_previous;
};

// Runs the deferred deletions that unloading a window leaves behind.
inline void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace amorisk::testing
