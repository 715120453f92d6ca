#pragma once

#include <QString>

namespace amorisk::web {

namespace PageKey {
inline constexpr char HomePage[] = "home-page";
inline constexpr char HelpPage[] = "help-web-page";
inline constexpr char DownloadPage[] = "download-web-page";
inline constexpr char Donate[] = "donate";
inline constexpr char FullyBranded[] = "fully-branded";
inline constexpr char CoBrand[] = "co-brand";
inline constexpr char SoftwareDownloads[] = "zentharisoftwares";
inline constexpr char ReferAFriend[] = "qorv-refer-a-friend";
} // namespace PageKey

// Scheme and host of the maker's site, fixed when the program is configured;
// never ends in a slash.
QString siteBase();

// siteBase() + "/amorisk/"
QString productFolderAddress();

// siteBase() + "/amorisk/ssd.php?page=" + key
QString pageAddress(const QString &pageKey);

} // namespace amorisk::web
