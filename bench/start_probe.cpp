// Linked with the program's own main(): reports the input window's first
// paint and the peak memory of the program's own start-up.
#include "probe.h"

#include <QCoreApplication>

namespace {

void installProbe()
{
    auto *probe = new bench::FirstPaint(QStringLiteral("frmMain"));
    probe->setParent(qApp);
    qApp->installEventFilter(probe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
