#include "formwindow.h"

#include "linklabel.h"
#include "modhelp.h"

#include <QAction>

namespace amorisk {
namespace {

struct LinkRow
{
    const char *control;
    void (*routine)();
};

const LinkRow sharedLinks[] = {
        {"Label61", OpenHomePage},
        {"lblCobrand", OpenCoBrandPage},
        {"lblFullBrand", OpenFullyBrandedPage},
        {"mnuOnline", OpenHelpPage},
        {"mnuVisit", OpenHomePage},
        {"mnuUpdate", CheckForUpdate},
        {"mnuDonate", OpenDonatePage},
        {"mnumakemoney", OpenFullyBrandedPage},
};

} // namespace

const QIcon &programIcon()
{
    // The "@2x" copy beside it serves denser screens.
    static const QIcon icon(QStringLiteral(":/images/amorisk-32.png"));
    return icon;
}

void connectSharedLinks(QWidget *window)
{
    for (const LinkRow &row : sharedLinks) {
        const QString name = QLatin1String(row.control);
        if (auto *caption = window->findChild<LinkLabel *>(name))
            QObject::connect(caption, &LinkLabel::clicked, window, row.routine);
        else if (auto *action = window->findChild<QAction *>(name))
            QObject::connect(action, &QAction::triggered, window, row.routine);
        else
            qWarning("no link control %s in %s", row.control, qPrintable(window->objectName()));
    }
}

} // namespace amorisk
