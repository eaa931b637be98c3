#include "app/shell/StartOptions.h"

#include <QCommandLineParser>

namespace {

struct Parser
{
    Parser()
    {
        parser.setApplicationDescription(
            QStringLiteral("Configure the OSKEN R5 wireless gaming mouse: DPI stages, report rate, buttons, macros "
                           "and lighting of its five on-board profiles."));
        parser.addOption(hidden);
        parser.addOption(verbose);
        parser.addOption(help);
        parser.addOption(version);
    }
    QCommandLineParser parser;
    QCommandLineOption hidden{QStringLiteral("hidden"),
                              QStringLiteral("Start in the notification area (minimised where there is none), as "
                                             "when started with the desktop.")};
    QCommandLineOption verbose{QStringLiteral("verbose"), QStringLiteral("Print diagnostic messages.")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and exit.")};
    QCommandLineOption version{QStringLiteral("version"), QStringLiteral("Show the version and exit.")};
};

} // namespace

StartOptions parseStartOptions(const QStringList& arguments)
{
    Parser p;
    StartOptions options;
    if (!p.parser.parse(arguments)) {
        options.error = p.parser.errorText();
        return options;
    }
    if (!p.parser.positionalArguments().isEmpty()) {
        options.error = QStringLiteral("Unexpected argument '%1'.").arg(p.parser.positionalArguments().first());
        return options;
    }
    options.bHelp = p.parser.isSet(p.help);
    options.bVersion = p.parser.isSet(p.version);
    options.bHidden = p.parser.isSet(p.hidden);
    options.bVerbose = p.parser.isSet(p.verbose);
    return options;
}

QString startHelpText()
{
    Parser p;
    return QStringLiteral("Usage: osken-config [options]\n") + p.parser.helpText().section(QLatin1Char('\n'), 1);
}

QString startVersionText()
{
    return QStringLiteral("osken-config " OSKEN_VERSION "\n");
}
