// Copies of SQLite files: the whole demo world, declared types mapped to Jet types, and the
// command-line tool over the copy.
#include "tests/jet/MdbTools.h"
#include "tools/jetwriter/JetWriter.h"
#include "tools/jetwriter/SqliteCopy.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace jettest;

namespace {

// Rows as mdb-export prints them, straight from SQLite: the same statement the copy reads with.
class SqliteRows {
public:
    explicit SqliteRows(const QString& path)
    {
        if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
            throw std::runtime_error("cannot open " + path.toStdString());
    }
    ~SqliteRows() { sqlite3_close(m_db); }

    QStringList tables() const
    {
        QStringList out;
        for (const auto& row : query("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE "
                                     "'sqlite%' ORDER BY rowid"))
            out << *row[0];
        return out;
    }
    Rows rows(const QString& table) const
    {
        std::vector<bool> booleans;
        for (const auto& column : query("PRAGMA table_info(\"" + table + "\")"))
            booleans.push_back(column[2]->toUpper().contains("BOOL"));
        Rows out = query("SELECT * FROM \"" + table + "\"");
        for (auto& row : out) {
            for (size_t c = 0; c < row.size(); ++c) {
                if (booleans[c])
                    row[c] = row[c] && row[c]->toLongLong() != 0 ? "1" : "0";
            }
        }
        return out;
    }

private:
    Rows query(const QString& sql) const
    {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(m_db));
        Rows out;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            std::vector<Value> row;
            for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
                const auto text = [&] {
                    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)));
                };
                switch (sqlite3_column_type(stmt, c)) {
                case SQLITE_NULL: row.push_back({}); break;
                case SQLITE_FLOAT: row.push_back(mdbDouble(sqlite3_column_double(stmt, c))); break;
                // mdb-export prints an empty text as it prints NULL.
                default: row.push_back(text().isEmpty() ? Value() : Value(text())); break;
                }
            }
            out.push_back(row);
        }
        sqlite3_finalize(stmt);
        return out;
    }

    sqlite3* m_db = nullptr;
};

void execute(const QString& path, const char* sql)
{
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &error);
    const std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK)
        throw std::runtime_error("sqlite failed: " + message);
}

} // namespace

TEST(JetSqliteCopy, TheWholeDemoWorldReadsBackRowForRowInJet4AndJet3)
{
    QTemporaryDir dir;
    const QString source = QString(TAVRIN_DEMO_FOLDER) + "/gd.mdb";
    const SqliteRows sqlite(source);
    const QStringList tables = sqlite.tables();
    ASSERT_EQ(tables.size(), 21);
    for (jet::JetVersion version : {jet::JetVersion::Jet4, jet::JetVersion::Jet3}) {
        SCOPED_TRACE(version == jet::JetVersion::Jet3 ? "Jet 3" : "Jet 4");
        const QString path = dir.filePath(version == jet::JetVersion::Jet3 ? "gd97.mdb" : "gd.mdb");
        jet::WriteOptions options;
        options.version = version;
        jet::writeJetCopyOfSqlite(source, path, options);

        EXPECT_EQ(tableNames(path), tables);
        size_t total = 0;
        for (const QString& table : tables) {
            const Rows expected = sqlite.rows(table);
            const Rows actual = exportRows(path, table);
            ASSERT_EQ(actual.size(), expected.size()) << table.toStdString();
            for (size_t r = 0; r < expected.size(); ++r)
                ASSERT_EQ(actual[r], expected[r]) << table.toStdString() << " row " << r;
            total += actual.size();
        }
        EXPECT_GT(total, 100000u);
        // The long quest details become a memo, the short texts stay text.
        const QString schema = runMdbTool("mdb-schema", {"-T", "questdetails", path});
        EXPECT_TRUE(schema.contains("[details]\t\t\tMemo/Hyperlink")) << schema.toStdString();
        EXPECT_TRUE(runMdbTool("mdb-schema", {"-T", "items", path}).contains("[stackable]\t\t\tBoolean"));
    }
}

TEST(JetSqliteCopy, DeclaredTypesChooseTheJetTypes)
{
    EXPECT_EQ(jet::jetTypeForDeclared("INTEGER"), jet::ColumnType::Long);
    EXPECT_EQ(jet::jetTypeForDeclared("bigint"), jet::ColumnType::Long);
    EXPECT_EQ(jet::jetTypeForDeclared("BOOLEAN"), jet::ColumnType::Boolean);
    EXPECT_EQ(jet::jetTypeForDeclared("REAL"), jet::ColumnType::Double);
    EXPECT_EQ(jet::jetTypeForDeclared("double precision"), jet::ColumnType::Double);
    EXPECT_EQ(jet::jetTypeForDeclared("VARCHAR(20)"), jet::ColumnType::Text);
    EXPECT_EQ(jet::jetTypeForDeclared("TEXT COLLATE NOCASE"), jet::ColumnType::Text);
    EXPECT_EQ(jet::jetTypeForDeclared("DATETIME"), jet::ColumnType::DateTime);
    EXPECT_EQ(jet::jetTypeForDeclared(""), jet::ColumnType::Text);

    QTemporaryDir dir;
    const QString source = dir.filePath("types.db");
    execute(source, "CREATE TABLE Mixed (n INTEGER, r REAL, b BOOLEAN, s VARCHAR(20), d DATETIME, anything);"
                    "INSERT INTO Mixed VALUES (5, 2.5, 1, 'five', '2024-03-01 08:15:00', 12);"
                    "INSERT INTO Mixed VALUES (NULL, NULL, NULL, NULL, NULL, NULL);"
                    "INSERT INTO Mixed VALUES (-5, 7, 0, '', '1999-12-31T23:59:59', 'x');"
                    "CREATE TABLE LongText (t TEXT);"
                    "INSERT INTO LongText VALUES (printf('%.256c', 'l'));");
    const QString path = dir.filePath("types.mdb");
    jet::writeJetCopyOfSqlite(source, path);
    EXPECT_EQ(exportRows(path, "Mixed"), (Rows{{"5", "2.5", "1", "five", "2024-03-01 08:15:00", "12"},
                                               {{}, {}, "0", {}, {}, {}},
                                               {"-5", "7", "0", {}, "1999-12-31 23:59:59", "x"}}));
    EXPECT_EQ(exportRows(path, "LongText"), (Rows{{QString(256, 'l')}}));
    const QString schema = runMdbTool("mdb-schema", {path});
    for (const char* line : {"[n]\t\t\tLong Integer", "[r]\t\t\tDouble", "[b]\t\t\tBoolean", "[s]\t\t\tText (255)",
                             "[d]\t\t\tDateTime", "[anything]\t\t\tText (255)", "[t]\t\t\tMemo/Hyperlink"})
        EXPECT_TRUE(schema.contains(line)) << line;
}

TEST(JetSqliteCopy, ValuesTheColumnsCannotHoldStopTheCopyAndLeaveNoFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("out.mdb");
    const auto refused = [&](const char* sql, const char* reason) {
        const QString source = dir.filePath("bad.db");
        QFile::remove(source);
        execute(source, sql);
        try {
            jet::writeJetCopyOfSqlite(source, path);
            ADD_FAILURE() << "copied: " << sql;
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(reason), std::string::npos) << e.what();
        }
        EXPECT_FALSE(QFile::exists(path));
    };
    refused("CREATE TABLE t (n INTEGER); INSERT INTO t VALUES (1), ('seven');", "table \"t\", row 2");
    refused("CREATE TABLE t (n INTEGER); INSERT INTO t VALUES (4294967296);", "4294967296");
    refused("CREATE TABLE t (b BLOB); INSERT INTO t VALUES (x'00ff');", "binary");
    EXPECT_THROW(jet::writeJetCopyOfSqlite(dir.filePath("missing.db"), path), std::runtime_error);
    QFile notSqlite(dir.filePath("text.db"));
    ASSERT_TRUE(notSqlite.open(QIODevice::WriteOnly));
    notSqlite.write(QByteArray(4096, 'x'));
    notSqlite.close();
    EXPECT_THROW(jet::writeJetCopyOfSqlite(notSqlite.fileName(), path), std::runtime_error);
    EXPECT_FALSE(QFile::exists(path));
}

TEST(JetSqliteCopy, TheToolCopiesAndNamesWhatIsWrong)
{
    QTemporaryDir dir;
    const auto run = [](const QStringList& args, QString* error = nullptr) {
        QProcess tool;
        tool.start(TAVRIN_JETWRITE, args);
        tool.waitForFinished(120000);
        if (error)
            *error = QString::fromUtf8(tool.readAllStandardError());
        return tool.exitCode();
    };
    const QString source = dir.filePath("one.db");
    execute(source, "CREATE TABLE Things (name TEXT); INSERT INTO Things VALUES ('Crème');");
    EXPECT_EQ(run({source, dir.filePath("packed.mdb")}), 0);
    EXPECT_EQ(run({source, dir.filePath("plain.mdb"), "--no-compress"}), 0);
    EXPECT_EQ(run({"--jet3", source, dir.filePath("jet3.mdb")}), 0);
    for (const char* name : {"packed.mdb", "plain.mdb", "jet3.mdb"})
        EXPECT_EQ(exportRows(dir.filePath(name), "Things"), (Rows{{QString("Crème")}})) << name;
    EXPECT_EQ(runMdbTool("mdb-ver", {dir.filePath("jet3.mdb")}).trimmed(), "JET3");

    QString error;
    EXPECT_EQ(run({source}, &error), 2);
    EXPECT_TRUE(error.startsWith("usage: tavrin_jetwrite")) << error.toStdString();
    EXPECT_EQ(run({dir.filePath("missing.db"), dir.filePath("x.mdb")}, &error), 1);
    EXPECT_TRUE(error.contains("missing.db")) << error.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("x.mdb")));
}
