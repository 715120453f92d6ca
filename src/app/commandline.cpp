#include "commandline.h"

#include "version.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <vector>

namespace amorisk {

QString printable(const QString &text)
{
    QString shown;
    for (const QChar c : text)
        shown += c.category() == QChar::Other_Control
                ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                : QString(c);
    return shown;
}

std::optional<int> handleCommandLine(int argc, char *argv[])
{
    // Without arguments there is nothing to read, and the start costs nothing more.
    if (argc <= 1)
        return std::nullopt;

    // Read from argv itself: a core application takes -qmljsdebugger away
    // unseen. It gets a copy of the list, which it would reorder.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    std::vector<char *> copy(argv, argv + argc + 1);
    int coreArgc = argc;
    // A core application only: it needs no display, and the help names the program from it.
    QCoreApplication core(coreArgc, copy.data());

    QCommandLineParser parser;
    // Qt's own options are words after one dash (-platform, -display).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
            QStringLiteral("Romance astrology reading from your date of birth."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    // What QApplication and its X11 platform take from the command line, as
    // in every Qt program; the help leaves them to Qt's documentation.
    const auto addQtOptions
            = [&parser](std::initializer_list<const char *> names, const QString &valueName) {
                  for (const char *name : names) {
                      QCommandLineOption option(QString::fromLatin1(name), QString(), valueName);
                      option.setFlags(QCommandLineOption::HiddenFromHelp);
                      parser.addOption(option);
                  }
              };
    addQtOptions({"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                  "qwindowicon", "qwindowtitle", "session", "style", "stylesheet", "display",
                  "geometry", "icon", "name", "title", "visual"},
                 QStringLiteral("value"));
    addQtOptions({"reverse", "testability", "widgetcount", "nograb", "dograb"}, QString());

    QString error;
    if (!parser.parse(arguments))
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error = QStringLiteral("Unexpected argument '%1'.")
                        .arg(parser.positionalArguments().first());
    if (!error.isEmpty()) {
        std::fprintf(stderr, "amorisk: %s Try 'amorisk --help'.\n", qPrintable(printable(error)));
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("Amorisk %s\n", AMORISK_VERSION);
        return 0;
    }
    return std::nullopt; // Qt's options or a lone "--"
}

} // namespace amorisk
