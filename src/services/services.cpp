#include "services.h"

#include <chrono>

namespace amorisk {
namespace {

class DefaultAnswers : public MessageBoxes
{
public:
    MessageAnswer show(const QString &, MessageIcon, MessageButtons buttons) override
    {
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
};

class NoOpener : public AddressOpener
{
public:
    void open(const QString &) override {}
};

class NoStore : public SettingsStore
{
public:
    QVariant value(const QString &) const override { return {}; }
    bool setValue(const QString &, const QVariant &) override { return false; }
};

} // namespace

QDate SystemCalendar::today() const
{
    return QDate::currentDate();
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

Services defaultServices()
{
    static DefaultAnswers messages;
    static NoOpener opener;
    static SystemCalendar calendar;
    static NoStore settings;
    static MersenneRandom random;
    return {&messages, &opener, &calendar, &settings, &random};
}

Services &services()
{
    static Services instance = defaultServices();
    return instance;
}

void seedRandomFromClock()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    services().random->seed(static_cast<std::uint64_t>(ticks));
}

MessageAnswer showMessage(const QString &text, MessageIcon icon, MessageButtons buttons)
{
    return services().messages->show(text, icon, buttons);
}

} // namespace amorisk
