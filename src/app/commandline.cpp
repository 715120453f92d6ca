#include "commandline.h"

#include "version.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace amorisk {

QString programVersion()
{
    return QStringLiteral(AMORISK_VERSION);
}

std::optional<int> handleCommandLine(int argc, char *argv[])
{
    // Without arguments there is nothing to read, and the start costs nothing more.
    if (argc <= 1)
        return std::nullopt;

    // A core application only: it needs no display, and the parser takes the
    // program's name and the arguments from it.
    int coreArgc = argc;
    QCoreApplication core(coreArgc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Amorisk"));
    QCoreApplication::setApplicationVersion(programVersion());

    QCommandLineParser parser;
    parser.setApplicationDescription(
            QStringLiteral("Romance astrology reading from your date of birth."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);

    QString error;
    if (!parser.parse(QCoreApplication::arguments()))
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error = QStringLiteral("Unexpected argument '%1'.")
                        .arg(parser.positionalArguments().first());
    if (!error.isEmpty()) {
        std::fprintf(stderr, "amorisk: %s Try 'amorisk --help'.\n", qPrintable(error));
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(programVersion()));
        return 0;
    }
    return std::nullopt; // a lone "--"
}

} // namespace amorisk
