#pragma once

#include <QString>

// The link routines: each opens one fixed page of the maker's site.
namespace amorisk {

void OpenWebPage(const QString &address);

void OpenHomePage();
void OpenHelpPage();
void CheckForUpdate();
void OpenDonatePage();
void OpenFullyBrandedPage();
void OpenCoBrandPage();
void OpenSoftwareDownloadsPage();

// Start-up reminder: may ask whether to look for an update.
void RemindOfUpdate();

} // namespace amorisk
