#include "app/CommandLine.h"

#include <QCommandLineParser>

#include <utility>

namespace {

struct NamedWindow {
    const char* name;
    WindowKind kind;
};

const NamedWindow kWindows[] = {
    {"weapons", WindowKind::Weapons},     {"armor", WindowKind::Armor},
    {"sets", WindowKind::Sets},           {"accessories", WindowKind::Accessories},
    {"items", WindowKind::Items},         {"recipes", WindowKind::Recipes},
    {"monsters", WindowKind::Monsters},   {"skills", WindowKind::Skills},
    {"quests", WindowKind::Quests},       {"maintenance", WindowKind::DbMaintain},
};

// Switches the application object reads itself; they take a value unless noted.
const char* const kQtValueSwitches[] = {"platform", "platformpluginpath", "platformtheme", "display",
                                        "style", "stylesheet", "qwindowgeometry", "qwindowtitle",
                                        "qwindowicon", "plugin"};
const char* const kQtFlagSwitches[] = {"reverse", "nograb", "dograb", "sync"};

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption help{QStringList{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Show this help and exit.")};
    QCommandLineOption version{QStringList{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Show the program's version and exit.")};
    QCommandLineOption database{
        QStringLiteral("database"),
        QStringLiteral("Browse this game database file instead of gd.mdb in the usual places; "
                       "its pictures are read from the images folder beside it."),
        QStringLiteral("PATH")};
    QCommandLineOption maintenance{
        QStringLiteral("maintenance"),
        QStringLiteral("Show the Tools menu with the DB-list maintenance window, the one place "
                       "that changes the database.")};
    QCommandLineOption open{
        QStringLiteral("open"),
        QStringLiteral("Open this window at start: %1.").arg(openableWindowNames().join(QStringLiteral(", "))),
        QStringLiteral("WINDOW")};
    QCommandLineOption convert{
        QStringLiteral("convert"),
        QStringLiteral("Write the SQLite copy of the Jet/Access database IN.mdb to the new file OUT.db "
                       "(\"--convert IN.mdb OUT.db\"), which can then be browsed and edited with "
                       "--database; no window is opened."),
        QStringLiteral("IN.mdb")};
    // The import's own process, started by the program itself.
    QCommandLineOption importJet{QStringLiteral("import-jet"), QString(), QStringLiteral("IN")};

    Parser()
    {
        parser.setApplicationDescription(
            QStringLiteral("Tavrin, a reference browser for the game data of Vendra."));
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOption(help);
        parser.addOption(version);
        parser.addOption(database);
        parser.addOption(maintenance);
        parser.addOption(open);
        parser.addOption(convert);
        importJet.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(importJet);
        for (const char* name : kQtValueSwitches) {
            QCommandLineOption qt(QString::fromLatin1(name), QString(), QStringLiteral("value"));
            qt.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(qt);
        }
        for (const char* name : kQtFlagSwitches) {
            QCommandLineOption qt(QString::fromLatin1(name));
            qt.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(qt);
        }
    }
};

CommandLine refused(QString problem)
{
    CommandLine line;
    line.action = CommandLine::Action::Refuse;
    line.problem = std::move(problem);
    return line;
}

} // namespace

QStringList openableWindowNames()
{
    QStringList names;
    for (const NamedWindow& w : kWindows)
        names << QString::fromLatin1(w.name);
    return names;
}

CommandLine parseCommandLine(const QStringList& arguments)
{
    Parser p;
    if (!p.parser.parse(arguments.isEmpty() ? QStringList{QStringLiteral("tavrin")} : arguments))
        return refused(p.parser.errorText());
    CommandLine line;
    if (p.parser.isSet(p.help)) {
        line.action = CommandLine::Action::ShowHelp;
        return line;
    }
    if (p.parser.isSet(p.version)) {
        line.action = CommandLine::Action::ShowVersion;
        return line;
    }
    const QStringList positional = p.parser.positionalArguments();
    for (const QCommandLineOption* fileSwitch : {&p.convert, &p.importJet}) {
        if (!p.parser.isSet(*fileSwitch))
            continue;
        const QString name = fileSwitch->names().first();
        if (p.parser.values(*fileSwitch).size() > 1)
            return refused(QStringLiteral("--%1 is given more than once.").arg(name));
        if (positional.size() != 1 || p.parser.value(*fileSwitch).trimmed().isEmpty() || positional.first().trimmed().isEmpty())
            return refused(QStringLiteral("--%1 needs the Jet file and the SQLite file to write: --%1 IN.mdb OUT.db").arg(name));
        if (p.parser.isSet(p.database) || p.parser.isSet(p.open) || p.parser.isSet(p.maintenance))
            return refused(QStringLiteral("--%1 opens no window: it goes without --database, --open and --maintenance.").arg(name));
        line.action = fileSwitch == &p.convert ? CommandLine::Action::Convert : CommandLine::Action::ImportJet;
        line.source = p.parser.value(*fileSwitch);
        line.target = positional.first();
        return line;
    }
    if (!positional.isEmpty())
        return refused(QStringLiteral("Unexpected argument: %1").arg(positional.first()));
    if (p.parser.values(p.database).size() > 1)
        return refused(QStringLiteral("--database is given more than once."));
    if (p.parser.isSet(p.database)) {
        line.database = p.parser.value(p.database);
        if (line.database.trimmed().isEmpty())
            return refused(QStringLiteral("--database needs the path of a database file."));
    }
    line.maintenance = p.parser.isSet(p.maintenance);
    if (p.parser.isSet(p.open)) {
        const QString wanted = p.parser.value(p.open).trimmed().toLower();
        for (const NamedWindow& w : kWindows)
            if (wanted == QLatin1String(w.name))
                line.open = w.kind;
        if (!line.open)
            return refused(QStringLiteral("Unknown window for --open: \"%1\" (one of: %2).")
                               .arg(p.parser.value(p.open), openableWindowNames().join(QStringLiteral(", "))));
        if (*line.open == WindowKind::DbMaintain && !line.maintenance)
            return refused(QStringLiteral("--open maintenance needs --maintenance."));
    }
    return line;
}

QString commandLineUsage()
{
    Parser p;
    // The help text names the program by the first argument of the running application, which
    // does not exist yet; say "tavrin" always.
    QString text = p.parser.helpText();
    const int end = text.indexOf(QLatin1Char('\n'));
    const QString usageLine = QStringLiteral("Usage: tavrin [options]\n       tavrin --convert IN.mdb OUT.db");
    return end < 0 ? usageLine + QLatin1Char('\n') : usageLine + text.mid(end);
}
