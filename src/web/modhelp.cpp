#include "web/modhelp.h"

#include "app/services.h"
#include "web/pages.h"

namespace amorisk {

void OpenWebPage(const QString &address)
{
    if (auto *opener = services().opener)
        opener->open(address);
}

void OpenHomePage() { OpenWebPage(web::pageAddress(QLatin1String(web::PageKey::HomePage))); }
void OpenHelpPage() {}
void CheckForUpdate() {}
void OpenDonatePage() {}
void OpenFullyBrandedPage() {}
void OpenCoBrandPage() {}
void OpenSoftwareDownloadsPage() {}
void RemindOfUpdate() {}

} // namespace amorisk
