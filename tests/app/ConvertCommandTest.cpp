// `tavrin --convert IN.mdb OUT.db` run as the user runs it: no display, a copy where asked, a
// clear message and a non-zero exit when it cannot be done.

#include "tools/jetwriter/JetWriter.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <gtest/gtest.h>

namespace {

struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ProgramRun convert(const QStringList& args)
{
    QProcess p;
    // No display of any kind: the conversion needs none.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TAVRIN_PROGRAM), args);
    p.waitForFinished(60000);
    return ProgramRun{p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromLocal8Bit(p.readAllStandardOutput()),
               QString::fromLocal8Bit(p.readAllStandardError())};
}

} // namespace

TEST(ConvertCommand, WritesTheCopyOrSaysWhyNot)
{
    QTemporaryDir dir;
    const QString source = dir.filePath("gd.mdb");
    jet::JetWriter w;
    const int items = w.addTable("Items", {{"ID", jet::ColumnType::Long}, {"Name", jet::ColumnType::Text}});
    w.addRow(items, {qint64(4), QString::fromUtf8("Schwert des Mondes")});
    w.write(source);

    const QString target = dir.filePath("copy.db");
    const ProgramRun ok = convert({"--convert", source, target});
    EXPECT_EQ(ok.exitCode, 0) << ok.err.toStdString();
    EXPECT_TRUE(ok.out.contains("table 1 of 1: items (1 rows)")) << ok.out.toStdString();
    EXPECT_TRUE(ok.out.contains("Wrote " + target + ": 1 tables, 1 rows.")) << ok.out.toStdString();
    // What the file lacks is a warning; the copy is written all the same.
    EXPECT_TRUE(ok.err.contains("warning: " + source + " lacks what some windows read:")) << ok.err.toStdString();
    EXPECT_TRUE(ok.err.contains("  - tables itemnames, weapons, armor,")) << ok.err.toStdString();
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(QFile::encodeName(target).constData(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, "SELECT id || ':' || name FROM items", -1, &s, nullptr);
    ASSERT_EQ(sqlite3_step(s), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)), "4:Schwert des Mondes");
    sqlite3_finalize(s);
    sqlite3_close(db);
    const QByteArray written = [&] {
        QFile f(target);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();

    const struct {
        QStringList args;
        int exitCode;
        QString says;
    } refused[] = {
        {{"--convert", source, target}, 1, target + " already exists"},
        {{"--convert", dir.filePath("none.mdb"), dir.filePath("x.db")}, 1, "Database file not found: " + dir.filePath("none.mdb")},
        {{"--convert", target, dir.filePath("x.db")}, 1, target + " is already an SQLite database"},
        {{"--convert", source, dir.filePath("no/such/folder/x.db")}, 1, "the folder " + dir.filePath("no/such/folder") + " does not exist"},
        {{"--convert", source}, 2, "--convert needs the Jet file and the SQLite file to write"},
    };
    for (const auto& r : refused) {
        const ProgramRun run = convert(r.args);
        EXPECT_EQ(run.exitCode, r.exitCode) << r.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith("tavrin: ")) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(r.says)) << run.err.toStdString();
    }
    // The refusal replaced nothing.
    QFile again(target);
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_EQ(again.readAll(), written);

    // A damaged file: a message naming it, exit 1, nothing written.
    QFile cut(source);
    ASSERT_TRUE(cut.resize(cut.size() - 100));
    const ProgramRun damaged = convert({"--convert", source, dir.filePath("damaged.db")});
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_TRUE(damaged.err.contains(source + " is truncated or damaged")) << damaged.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("damaged.db")));
}
