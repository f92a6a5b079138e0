// Table and column names, empty tables and tables with many columns, as mdb-tables, mdb-schema
// and mdb-export see them.
#include "tests/jet/FileProbe.h"
#include "tests/jet/MdbTools.h"
#include "tools/jetwriter/JetWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace jettest;
using jet::ColumnType;

TEST(JetSchema, MixedCaseNamesEmptyTablesAndTheCatalog)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("names.mdb");
    jet::JetWriter writer;
    writer.addTable("EmptyTable", {{"Id", ColumnType::Long}, {"Note", ColumnType::Memo}});
    const int mixed = writer.addTable("Monster_Location", {{"NPC_id", ColumnType::Long},
                                                           {"X", ColumnType::Long},
                                                           {"y", ColumnType::Long},
                                                           {"Main Location", ColumnType::Boolean}});
    const int accented = writer.addTable("Überblick", {{"Straße", ColumnType::Text, 30}});
    writer.addTable("empty_too", {{"flag", ColumnType::Boolean}});
    writer.addRow(mixed, {qint64(20001), qint64(-108559), qint64(227064), true});
    writer.addRow(accented, {QString("Hauptstraße")});
    writer.write(path);

    EXPECT_EQ(tableNames(path), (QStringList{"EmptyTable", "Monster_Location", "Überblick", "empty_too"}));
    EXPECT_EQ(tableNames(path, true),
              (QStringList{"MSysObjects", "EmptyTable", "Monster_Location", "Überblick", "empty_too"}));
    EXPECT_EQ(exportedColumns(path, "Monster_Location"), (QStringList{"NPC_id", "X", "y", "Main Location"}));
    // mdb-export finds a table whatever the case of the name asked for.
    EXPECT_EQ(exportRows(path, "monster_location"), (Rows{{"20001", "-108559", "227064", "1"}}));
    EXPECT_EQ(exportRows(path, "Überblick"), (Rows{{"Hauptstraße"}}));
    EXPECT_TRUE(exportRows(path, "EmptyTable").empty());
    EXPECT_TRUE(exportRows(path, "empty_too").empty());
    EXPECT_EQ(exportedColumns(path, "EmptyTable"), (QStringList{"Id", "Note"}));

    const QString schema = runMdbTool("mdb-schema", {path});
    for (const char* expected : {"CREATE TABLE [EmptyTable]", "CREATE TABLE [Monster_Location]",
                                 "[Main Location]\t\t\tBoolean", "CREATE TABLE [Überblick]",
                                 "[Straße]\t\t\tText (30)"})
        EXPECT_TRUE(schema.contains(QString::fromUtf8(expected))) << expected;
}

TEST(JetSchema, ManyColumnsSpreadTheDefinitionOverPages)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("wide.mdb");
    std::vector<jet::Column> columns;
    const ColumnType kinds[] = {ColumnType::Long,   ColumnType::Text,    ColumnType::Boolean, ColumnType::Double,
                                ColumnType::Integer, ColumnType::Byte,   ColumnType::DateTime, ColumnType::Memo};
    for (int c = 0; c < 200; ++c)
        columns.push_back({QString("Column_%1_%2").arg(c).arg(c % 2 ? "Odd" : "even"), kinds[c % 8], 10});
    std::vector<jet::Cell> row;
    std::vector<Value> expected;
    for (int c = 0; c < 200; ++c) {
        switch (c % 8) {
        case 0: row.push_back(qint64(c * 1000)); expected.push_back(QString::number(c * 1000)); break;
        case 1: row.push_back(QString("t%1").arg(c)); expected.push_back(QString("t%1").arg(c)); break;
        case 2: row.push_back(c % 3 == 0); expected.push_back(c % 3 == 0 ? "1" : "0"); break;
        case 3: row.push_back(c + 0.25); expected.push_back(mdbDouble(c + 0.25)); break;
        case 4: row.push_back(qint64(-c)); expected.push_back(QString::number(-c)); break;
        case 5: row.push_back(std::monostate()); expected.push_back({}); break;
        case 6:
            row.push_back(QDateTime(QDate(2000, 1, 1).addDays(c), QTime(12, 0)));
            expected.push_back(QDate(2000, 1, 1).addDays(c).toString("yyyy-MM-dd") + " 12:00:00");
            break;
        case 7: row.push_back(QString("memo %1").arg(c)); expected.push_back(QString("memo %1").arg(c)); break;
        }
    }
    jet::JetWriter writer;
    const int table = writer.addTable("Wide", columns);
    writer.addRow(table, row);
    writer.write(path);

    // 200 entries of 25 bytes and as many names take three pages.
    EXPECT_EQ(FileProbe(path).definitionPageCount("Wide"), 3);
    QStringList names;
    for (const jet::Column& column : columns)
        names << column.name;
    EXPECT_EQ(exportedColumns(path, "Wide"), names);
    EXPECT_EQ(exportRows(path, "Wide"), (Rows{expected}));
    EXPECT_TRUE(runMdbTool("mdb-schema", {path}).contains("[Column_199_Odd]\t\t\tMemo/Hyperlink"));
}

TEST(JetSchema, NamesJetCannotHoldAreRefused)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("bad.mdb");
    const auto refuses = [&](const QString& table, std::vector<jet::Column> columns) {
        jet::JetWriter writer;
        writer.addTable(table, std::move(columns));
        EXPECT_THROW(writer.write(path), std::runtime_error) << table.toStdString();
        EXPECT_FALSE(QFile::exists(path));
    };
    refuses("", {{"a", ColumnType::Long}});
    refuses("T", {});
    refuses("T", {{"a", ColumnType::Long}, {"A", ColumnType::Text}});
    refuses("T", {{"a.b", ColumnType::Long}});
    refuses("T", {{QString(65, 'c'), ColumnType::Long}});
    refuses("msysobjects", {{"a", ColumnType::Long}});
    refuses("T", {{"t", ColumnType::Text, 256}});

    jet::JetWriter twice;
    twice.addTable("Same", {{"a", ColumnType::Long}});
    twice.addTable("SAME", {{"a", ColumnType::Long}});
    EXPECT_THROW(twice.write(path), std::runtime_error);
    EXPECT_FALSE(QFile::exists(path));
}
