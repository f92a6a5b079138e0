// The command line and the search for the database, as pure functions: no display.

#include "app/CommandLine.h"
#include "app/DatabaseLocation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

CommandLine parse(QStringList args)
{
    args.prepend(QStringLiteral("tavrin"));
    return parseCommandLine(args);
}

void touch(const QString& file)
{
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

} // namespace

TEST(CommandLine, ReadsEverySwitch)
{
    EXPECT_EQ(parse({}).action, CommandLine::Action::Run);
    EXPECT_FALSE(parse({}).maintenance);
    EXPECT_FALSE(parse({}).open.has_value());
    EXPECT_TRUE(parse({}).database.isEmpty());

    EXPECT_EQ(parse({"--help"}).action, CommandLine::Action::ShowHelp);
    EXPECT_EQ(parse({"-h"}).action, CommandLine::Action::ShowHelp);
    EXPECT_EQ(parse({"--version"}).action, CommandLine::Action::ShowVersion);

    const CommandLine all = parse({"--database", "/data/my game/gd.mdb", "--maintenance", "--open", "Monsters"});
    EXPECT_EQ(all.action, CommandLine::Action::Run);
    EXPECT_EQ(all.database, "/data/my game/gd.mdb");
    EXPECT_TRUE(all.maintenance);
    ASSERT_TRUE(all.open.has_value());
    EXPECT_EQ(*all.open, WindowKind::Monsters);
    EXPECT_EQ(parse({"--database=x.db"}).database, "x.db");

    // Every name the help lists opens its window.
    for (const QString& name : openableWindowNames()) {
        QStringList args{"--open", name};
        if (name == "maintenance")
            args << "--maintenance";
        EXPECT_TRUE(parse(args).open.has_value()) << name.toStdString();
    }
    // Qt's own display switches are left to the application.
    EXPECT_EQ(parse({"-platform", "offscreen", "-style", "fusion"}).action, CommandLine::Action::Run);
}

TEST(CommandLine, RefusesWrongArgumentsWithAReason)
{
    const struct {
        QStringList args;
        const char* mentions;
    } cases[] = {
        {{"--frobnicate"}, "frobnicate"},
        {{"--open", "castle"}, "castle"},
        {{"--open"}, "open"},
        {{"--database"}, "database"},
        {{"--database", " "}, "database"},
        {{"--database", "a", "--database", "b"}, "more than once"},
        {{"stray.mdb"}, "stray.mdb"},
        {{"--open", "maintenance"}, "--maintenance"},
    };
    for (const auto& c : cases) {
        const CommandLine line = parse(c.args);
        EXPECT_EQ(line.action, CommandLine::Action::Refuse) << c.args.join(' ').toStdString();
        EXPECT_TRUE(line.problem.contains(QString::fromLatin1(c.mentions))) << line.problem.toStdString();
    }
    const QString usage = commandLineUsage();
    EXPECT_TRUE(usage.startsWith("Usage: tavrin [options]"));
    for (const char* sw : {"--database", "--maintenance", "--open", "--help", "--version", "--convert"})
        EXPECT_TRUE(usage.contains(QString::fromLatin1(sw))) << sw;
    EXPECT_FALSE(usage.contains("platform"));
}

TEST(CommandLine, ConvertTakesTheJetFileAndTheFileToWrite)
{
    const CommandLine convert = parse({"--convert", "/games/gd.mdb", "copy.db"});
    EXPECT_EQ(convert.action, CommandLine::Action::Convert);
    EXPECT_EQ(convert.source, "/games/gd.mdb");
    EXPECT_EQ(convert.target, "copy.db");
    EXPECT_EQ(parse({"copy.db", "--convert=my game.mdb"}).source, "my game.mdb");
    // The import's own process, which the program starts; not in the help.
    const CommandLine child = parse({"--import-jet", "a.mdb", "b.db"});
    EXPECT_EQ(child.action, CommandLine::Action::ImportJet);
    EXPECT_EQ(child.target, "b.db");
    EXPECT_FALSE(commandLineUsage().contains("import-jet"));
    EXPECT_TRUE(commandLineUsage().contains("tavrin --convert IN.mdb OUT.db"));
    // --help still wins.
    EXPECT_EQ(parse({"--convert", "a.mdb", "b.db", "--help"}).action, CommandLine::Action::ShowHelp);

    const struct {
        QStringList args;
        const char* mentions;
    } wrong[] = {
        {{"--convert", "a.mdb"}, "needs the Jet file and the SQLite file"},
        {{"--convert", "a.mdb", "b.db", "c.db"}, "needs the Jet file and the SQLite file"},
        {{"--convert", " ", "b.db"}, "needs the Jet file"},
        {{"--convert", "a.mdb", "b.db", "--convert", "c.mdb"}, "more than once"},
        {{"--convert", "a.mdb", "b.db", "--database", "x.db"}, "opens no window"},
        {{"--convert", "a.mdb", "b.db", "--maintenance"}, "opens no window"},
    };
    for (const auto& c : wrong) {
        const CommandLine line = parse(c.args);
        EXPECT_EQ(line.action, CommandLine::Action::Refuse) << c.args.join(' ').toStdString();
        EXPECT_TRUE(line.problem.contains(QString::fromLatin1(c.mentions))) << line.problem.toStdString();
    }
}

TEST(DatabaseLocation, FirstFolderHoldingTheDatabaseWinsAndEveryPlaceIsNamed)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString a = root.path() + "/a", b = root.path() + "/b/", c = root.path() + "/c";
    for (const QString& f : {a, b, c})
        ASSERT_TRUE(QDir().mkpath(f));

    DatabaseLocation none = locateDatabase(QString(), {a, b, c});
    EXPECT_FALSE(none.found());
    EXPECT_EQ(none.file, a + "/gd.mdb");
    EXPECT_EQ(none.tried, (QStringList{a + "/gd.mdb", b + "gd.mdb", c + "/gd.mdb"}));
    const QString message = notFoundAnywhereMessage(none);
    EXPECT_TRUE(message.startsWith("Database file not found: " + a + "/gd.mdb"));
    EXPECT_TRUE(message.contains(b + "gd.mdb"));
    EXPECT_TRUE(message.contains(c + "/gd.mdb"));

    touch(c + "/gd.mdb");
    touch(b + "gd.mdb");
    const DatabaseLocation second = locateDatabase(QString(), {a, b, c});
    EXPECT_TRUE(second.found());
    EXPECT_EQ(second.file, b + "gd.mdb");
    EXPECT_EQ(second.folder(), b);

    // A file given by name is taken as it is, found or not, with the usual message when missing.
    const DatabaseLocation given = locateDatabase(root.path() + "/elsewhere/world.db", {a, b, c});
    EXPECT_FALSE(given.found());
    EXPECT_EQ(given.tried.size(), 1);
    EXPECT_EQ(notFoundAnywhereMessage(given), "Database file not found: " + root.path() + "/elsewhere/world.db");
    EXPECT_EQ(given.folder(), root.path() + "/elsewhere/");

    // A folder listed twice is looked in once.
    EXPECT_EQ(locateDatabase(QString(), {a, a + "/"}).tried.size(), 1);
}

TEST(DatabaseLocation, UsualFoldersAreTheProgramsTheUsersAndTheInstalledDemo)
{
    const QStringList folders = usualDatabaseFolders("/opt/tavrin/bin/");
    ASSERT_GE(folders.size(), 2);
    EXPECT_EQ(folders.first(), "/opt/tavrin/bin/");
    EXPECT_EQ(folders.last(), "/opt/tavrin/share/tavrin/");
}
