// The import of Jet files written by the test writer and read through libmdb: every value kind,
// names in any case, what a file lacks, damaged and protected files, and the whole demo world.

#include "data/DbError.h"
#include "import/GameSchema.h"
#include "import/Importer.h"
#include "import/JetSource.h"
#include "tests/gen/DbProbe.h"
#include "tools/jetwriter/JetWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using jet::Cell;
using jet::Column;
using jet::ColumnType;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// The DbError opening and importing `path` gives; empty when the import succeeds.
QString importFailure(const QString& path, const QString& target)
{
    try {
        JetSource source(path);
        importSource(source, path, target);
        return QString();
    } catch (const DbError& e) {
        return e.message();
    }
}

// A long text over a page (4096 bytes; 2048 for Jet 3) however it is stored: Jet 4 text mixing
// one- and two-byte characters (about 7000 bytes compressed, 10000 not); Jet 3 text in its code
// page (5000 bytes).
QString longText(bool jet3)
{
    QString text;
    for (int i = 0; i < 5000; ++i)
        text += i % 7 == 0 ? (jet3 ? QChar(0x20ac) : QChar(0x0416)) : QChar('a' + i % 26);
    return text + (jet3 ? QString::fromUtf8("€ end") : QString::fromUtf8("𝔄 end"));
}

// A name with characters from beyond Latin-1, or (Jet 3) from code page 1252 only.
QString firstName(bool jet3)
{
    return jet3 ? QString::fromUtf8("Épée de l’aube — Œuvre") : QString::fromUtf8("Épée de l’aube ⚔ 𝔄");
}

// items as a player's file might have it: other cases, other column order, an extra column, a
// Yes/No, a memo, a date and a 16-bit number where the schema has text and integers.
jet::JetWriter itemsFile(bool jet3 = false)
{
    jet::JetWriter w;
    const int items = w.addTable("ITEMS", {{"Stackable", ColumnType::Boolean},
                                           {"Name", ColumnType::Text, 60},
                                           {"ID", ColumnType::Long},
                                           {"Type", ColumnType::Memo},
                                           {"Material_Type", ColumnType::DateTime},
                                           {"Weight", ColumnType::Integer},
                                           {"Price", ColumnType::Double},
                                           {"Icon", ColumnType::Text, 20},
                                           {"Colour", ColumnType::Byte}});
    w.addRow(items, {true, firstName(jet3), qint64(1), QString("short memo"),
                     QDateTime(QDate(2004, 3, 1), QTime(12, 30, 0)), qint64(-1200), 0.1 + 0.2, QString(""), qint64(200)});
    w.addRow(items, {false, Cell(), qint64(2), longText(jet3), QDateTime(QDate(1850, 6, 1), QTime(6, 0, 0)), Cell(), Cell(),
                     Cell(), Cell()});
    w.addRow(items, {false, QString("plain ascii"), qint64(3), QString(""), Cell(), qint64(32767), -2.5e-7,
                     QString("Sword01.BMP"), qint64(0)});
    const int monsters = w.addTable("Monsters", {{"id", ColumnType::Long}, {"name", ColumnType::Text}, {"level", ColumnType::Byte}});
    w.addRow(monsters, {qint64(7), QString("Wolf"), qint64(3)});
    return w;
}

} // namespace

TEST(JetFile, EveryValueKindArrivesWhole)
{
    struct Kind {
        const char* name;
        jet::WriteOptions options;
        const char* format;
    };
    jet::WriteOptions plain;
    plain.compressText = false;
    jet::WriteOptions jet3;
    jet3.version = jet::JetVersion::Jet3;
    for (const Kind& kind : {Kind{"Jet 4, compressed text", {}, "Jet 4"}, Kind{"Jet 4, plain text", plain, "Jet 4"},
                             Kind{"Jet 3", jet3, "Jet 3"}}) {
        SCOPED_TRACE(kind.name);
        const bool isJet3 = kind.options.version == jet::JetVersion::Jet3;
        QTemporaryDir dir;
        const QString mdb = dir.filePath("gd.mdb");
        itemsFile(isJet3).write(mdb, kind.options);
        JetSource source(mdb);
        EXPECT_EQ(source.formatName(), kind.format);
        EXPECT_EQ(source.tableNames(), (QStringList{"ITEMS", "Monsters"}));
        const ImportSummary summary = importSource(source, mdb, dir.filePath("copy.db"));
        EXPECT_EQ(summary.tables, 2);
        EXPECT_EQ(summary.rows, 4);
        EXPECT_TRUE(summary.missing.contains("table weapons"));
        EXPECT_TRUE(summary.missing.join("\n").contains("columns of monsters: npc, attack_type, attack_range, hp,"));

        DbProbe db(dir.filePath("copy.db"));
        const auto rows = db.rows("SELECT quote(id), quote(name), quote(type), quote(material_type), quote(icon), "
                                  "quote(weight), quote(price), quote(stackable) FROM items ORDER BY id");
        ASSERT_EQ(rows.size(), 3u);
        EXPECT_EQ(rows[0], "1|'" + firstName(isJet3).toStdString() +
                               "'|'short memo'|'2004-03-01T12:30:00'|''|-1200|3.00000000000000044408e-01|1");
        EXPECT_EQ(rows[1], "2|NULL|'" + longText(isJet3).toStdString() + "'|'1850-06-01T06:00:00'|NULL|NULL|NULL|0");
        EXPECT_EQ(rows[2], "3|'plain ascii'|''|NULL|'Sword01.BMP'|32767|-2.5e-07|0");
        EXPECT_EQ(db.text("SELECT id || ' ' || name || ' ' || level FROM monsters"), "7 Wolf 3");
    }
}

TEST(JetFile, TheDemoWorldComesBackTableForTable)
{
    const QString demo = QStringLiteral(TAVRIN_DEMO_FOLDER "/gd.mdb");
    DbProbe original(demo);
    for (const jet::JetVersion version : {jet::JetVersion::Jet4, jet::JetVersion::Jet3}) {
        SCOPED_TRACE(version == jet::JetVersion::Jet3 ? "Jet 3" : "Jet 4");
        QTemporaryDir dir;
        const QString mdb = dir.filePath("gd.mdb");
        jet::WriteOptions options;
        options.version = version;
        jet::writeJetCopyOfSqlite(demo, mdb, options);
        JetSource source(mdb);
        const ImportSummary summary = importSource(source, mdb, dir.filePath("copy.db"));
        EXPECT_TRUE(summary.missing.isEmpty()) << summary.missing.join('\n').toStdString();
        EXPECT_EQ(summary.tables, 21);

        DbProbe copy(dir.filePath("copy.db"));
        for (const SchemaTable& t : GameSchema::instance().tables()) {
            QStringList quoted;
            for (const TableColumn& c : t.columns())
                quoted << QStringLiteral("quote(%1)").arg(quotedName(c.name));
            const std::string sql = QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                                        .arg(quoted.join(QStringLiteral(",")), quotedName(t.name))
                                        .toStdString();
            const auto want = original.rows(sql);
            EXPECT_FALSE(want.empty()) << t.name.toStdString();
            EXPECT_EQ(copy.rows(sql), want) << t.name.toStdString();
        }
        // The same tables and indexes as the demo world, so the same plans and the same speed.
        const std::string names = "SELECT type || ' ' || name FROM sqlite_master WHERE sql IS NOT NULL ORDER BY 1";
        EXPECT_EQ(copy.rows(names), original.rows(names));
    }
}

TEST(JetFile, DamagedFilesAreNamedAndNeverStopTheProgram)
{
    QTemporaryDir dir;
    const QString good = dir.filePath("good.mdb");
    itemsFile().write(good);
    const QByteArray bytes = readAll(good);
    ASSERT_EQ(bytes.size() % 4096, 0);

    const struct {
        const char* name;
        QByteArray bytes;
        const char* says;
    } cases[] = {
        {"cut inside a page", bytes.left(bytes.size() - 1000), "does not end on a page boundary"},
        {"cut to its header", bytes.left(4096), "does not end on a page boundary"},
        {"cut at a page", bytes.left(bytes.size() - 4096), "truncated or damaged"},
        {"catalog wiped", bytes.left(2 * 4096) + QByteArray(4096, '\x5a') + bytes.mid(3 * 4096), "truncated or damaged"},
        {"not a database", QByteArray(8192, 'x'), "is not a Jet/Access database"},
        {"empty", QByteArray(), "is empty"},
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name) + ".mdb");
        writeAll(path, c.bytes);
        const QString failure = importFailure(path, dir.filePath("copy.db"));
        EXPECT_TRUE(failure.contains(path)) << c.name << ": " << failure.toStdString();
        EXPECT_TRUE(failure.contains(QString::fromLatin1(c.says))) << c.name << ": " << failure.toStdString();
        EXPECT_FALSE(QFile::exists(dir.filePath("copy.db"))) << c.name;
    }
    // The files the fuzzer found stopping libmdb or leaking, and its seeds: a copy or a message.
    for (const QFileInfo& found : QDir(QStringLiteral(TAVRIN_FUZZ_CORPUS)).entryInfoList(QDir::Files)) {
        const QString path = dir.filePath(found.fileName());
        QFile::copy(found.filePath(), path);
        const QString failure = importFailure(path, dir.filePath("found.db"));
        EXPECT_TRUE(failure.isEmpty() || failure.contains(path)) << failure.toStdString();
    }
    // Every page but the header overwritten in turn: an error or a copy, never a crash.
    for (int page = 1; page < bytes.size() / 4096; ++page) {
        QByteArray mangled = bytes;
        for (int i = 0; i < 4096; ++i)
            mangled[page * 4096 + i] = char((i * 131 + page * 17) & 0xff);
        writeAll(dir.filePath("mangled.mdb"), mangled);
        importFailure(dir.filePath("mangled.mdb"), dir.filePath("mangled.db"));
    }
}

TEST(JetFile, APasswordProtectedFileIsRefused)
{
    for (const jet::JetVersion version : {jet::JetVersion::Jet4, jet::JetVersion::Jet3}) {
        QTemporaryDir dir;
        const QString path = dir.filePath("locked.mdb");
        jet::WriteOptions options;
        options.version = version;
        options.password = QStringLiteral("sésame");
        itemsFile(version == jet::JetVersion::Jet3).write(path, options);
        const QString failure = importFailure(path, dir.filePath("copy.db"));
        EXPECT_TRUE(failure.startsWith(path + " is protected by a database password")) << failure.toStdString();
        EXPECT_FALSE(QFile::exists(dir.filePath("copy.db")));
        // The same file without one is read.
        options.password.clear();
        itemsFile(version == jet::JetVersion::Jet3).write(path, options);
        EXPECT_TRUE(importFailure(path, dir.filePath("copy.db")).isEmpty());
    }
}
