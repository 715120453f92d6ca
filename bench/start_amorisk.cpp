// The program's own start-up, as main() runs it (display check included),
// with a probe on the input window.
#include "probe.h"

#include "displaycheck.h"
#include "forms.h"
#include "look.h"
#include "realservices.h"
#include "singleinstance.h"
#include "startup.h"
#include "version.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const auto app = amorisk::openApplication(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Amorisk"));
    QApplication::setApplicationVersion(QStringLiteral(AMORISK_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("com.zenthari.Amorisk"));
    QApplication::setQuitOnLastWindowClosed(false);
    amorisk::installFontSubstitutions();
    amorisk::RealServices services;
    amorisk::SingleInstance instance;
    bench::FirstPaint probe(QStringLiteral("frmMain"));
    app->installEventFilter(&probe);
    if (!amorisk::startUp(instance))
        return 1;
    const int code = QApplication::exec();
    amorisk::Forms::destroyAll();
    return code;
}
