#include "accessibility.h"
#include "commandline.h"
#include "displaycheck.h"
#include "forms.h"
#include "realservices.h"
#include "singleinstance.h"
#include "startup.h"
#include "version.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const auto code = amorisk::handleCommandLine(argc, argv))
        return *code;

    // Every line the program puts on standard error, Qt's own included, says whose it is.
    qSetMessagePattern(QStringLiteral("amorisk: %{if-category}%{category}: %{endif}%{message}"));
    const auto app = amorisk::openApplication(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Amorisk"));
    QApplication::setApplicationVersion(QStringLiteral(AMORISK_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("com.zenthari.Amorisk"));
    // Windows come and go by name; the program ends only through EndApplication.
    QApplication::setQuitOnLastWindowClosed(false);
    amorisk::installAccessibility();

    amorisk::RealServices services;
    amorisk::SingleInstance instance;
    int code = 0;
    if (amorisk::startUp(instance))
        code = QApplication::exec();
    amorisk::Forms::destroyAll();
    return code;
}
