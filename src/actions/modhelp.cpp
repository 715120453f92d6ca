#include "modhelp.h"

#include "pages.h"
#include "reminder.h"
#include "services.h"

namespace amorisk {

namespace {

void openPage(const char *pageKey)
{
    OpenWebPage(web::pageAddress(QLatin1String(pageKey)));
}

// A store that cannot be written must not hold up the start-up; the next run
// simply behaves as this one did.
void storeReminderDate(const QDate &today)
{
    services().settings->setValue(QLatin1String(web::ReminderKey), web::reminderDateText(today));
}

} // namespace

void OpenWebPage(const QString &address)
{
    services().opener->open(address);
}

void OpenHomePage()
{
    openPage(web::PageKey::HomePage);
}
void OpenHelpPage()
{
    openPage(web::PageKey::HelpPage);
}
void CheckForUpdate()
{
    openPage(web::PageKey::DownloadPage);
}
void OpenDonatePage()
{
    openPage(web::PageKey::Donate);
}
void OpenFullyBrandedPage()
{
    openPage(web::PageKey::FullyBranded);
}
void OpenCoBrandPage()
{
    openPage(web::PageKey::CoBrand);
}
void OpenSoftwareDownloadsPage()
{
    openPage(web::PageKey::SoftwareDownloads);
}

void RemindOfUpdate()
{
    const Services &s = services();
    const QDate today = s.calendar->today();
    const QVariant stored = s.settings->value(QLatin1String(web::ReminderKey));

    switch (web::reminderDecision(today, stored)) {
    case web::ReminderDecision::StayQuiet:
        return;
    case web::ReminderDecision::StoreToday:
        storeReminderDate(today);
        return;
    case web::ReminderDecision::Ask: {
        const MessageAnswer answer = showMessage(web::reminderQuestion(), MessageIcon::Information,
                                                 MessageButtons::YesNo);
        // The interval counts from the last question, whatever its answer.
        storeReminderDate(today);
        if (answer == MessageAnswer::Yes)
            CheckForUpdate();
        return;
    }
    }
}

} // namespace amorisk
