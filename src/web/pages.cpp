#include "pages.h"

namespace amorisk::web {

QString siteBase()
{
    return QStringLiteral(AMORISK_SITE_BASE);
}

QString productFolderAddress()
{
    return siteBase() + QLatin1String("/amorisk/");
}

QString pageAddress(const QString &pageKey)
{
    return siteBase() + QLatin1String("/amorisk/ssd.php?page=") + pageKey;
}

} // namespace amorisk::web
