#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

// A wrong argument ends the program like a wrong command-line use does everywhere: code 2.
constexpr int kUsageError = 2;

QString usage(const QCommandLineParser& parser)
{
    return parser.helpText();
}

} // namespace

CommandLineChoice readCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Tavrin, a reference browser for the game data of Vendra (gd.mdb beside the program)."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption maintenance(
        QStringLiteral("maintenance"),
        QStringLiteral("Show the Tools menu with the DB-List Maintenance window, which edits gd.mdb."));
    parser.addOption(maintenance);

    CommandLineChoice choice;
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        const QString what = !parser.errorText().isEmpty()
                                 ? parser.errorText()
                                 : QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
        choice.run = false;
        choice.exitCode = kUsageError;
        choice.toErrorStream = true;
        choice.text = QStringLiteral("tavrin: %1\n\n").arg(what) + usage(parser);
        return choice;
    }
    if (parser.isSet(help)) {
        choice.run = false;
        choice.text = usage(parser);
        return choice;
    }
    if (parser.isSet(version)) {
        choice.run = false;
        choice.text = QStringLiteral("Tavrin %1\n").arg(QCoreApplication::applicationVersion());
        return choice;
    }
    choice.maintenance = parser.isSet(maintenance);
    return choice;
}
