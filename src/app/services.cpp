#include "app/services.h"

#include <chrono>

namespace amorisk {

Services &services()
{
    static Services instance;
    return instance;
}

void seedRandomFromClock()
{
    if (auto *random = services().random) {
        const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
        random->seed(static_cast<std::uint64_t>(ticks));
    }
}

MessageAnswer showMessage(const QString &text, MessageIcon icon, MessageButtons buttons)
{
    if (auto *messages = services().messages)
        return messages->show(text, icon, buttons);
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

} // namespace amorisk
