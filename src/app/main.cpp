#include "app/commandline.h"
#include "app/displaycheck.h"
#include "app/forms.h"
#include "app/raiserequest.h"
#include "app/realservices.h"
#include "app/singleinstance.h"
#include "app/startup.h"
#include "ui/look.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (const auto code = amorisk::handleCommandLine(argc, argv))
        return *code;

    const QString noDisplay = amorisk::missingDisplayReason();
    if (!noDisplay.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(noDisplay));
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Amorisk"));
    QApplication::setApplicationVersion(amorisk::programVersion());
    QApplication::setDesktopFileName(QStringLiteral("com.zenthari.Amorisk"));
    // Windows come and go by name; the program ends only through EndApplication.
    QApplication::setQuitOnLastWindowClosed(false);
    amorisk::installFontSubstitutions();

    amorisk::RealServices services;
    const QString lockPath = amorisk::SingleInstance::defaultLockPath();
    amorisk::SingleInstance instance(lockPath);
    amorisk::RaiseChannel raise(amorisk::RaiseChannel::pathBeside(lockPath));
    int code = 0;
    if (amorisk::startUp(instance, &raise))
        code = QApplication::exec();
    amorisk::Forms::destroyAll();
    return code;
}
