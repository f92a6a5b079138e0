// A first table of longs and plain (uncompressed) text, read back by mdbtools.
#include "tests/jet/MdbTools.h"
#include "tools/jetwriter/JetWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace jettest;

TEST(JetSimpleTable, LongsAndTextReadBackCellByCell)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("simple.mdb");
    jet::JetWriter writer;
    const int table = writer.addTable("Simple", {{"id", jet::ColumnType::Long}, {"Name", jet::ColumnType::Text, 50}});
    writer.addRow(table, {qint64(1), QString("alpha")});
    writer.addRow(table, {qint64(-2147483647 - 1), QString("with, comma and \"quotes\"")});
    writer.addRow(table, {qint64(2147483647), std::monostate()});
    writer.addRow(table, {std::monostate(), QString("x")});
    jet::WriteOptions plain;
    plain.compressText = false;
    writer.write(path, plain);

    EXPECT_EQ(runMdbTool("mdb-ver", {path}).trimmed(), "JET4");
    EXPECT_EQ(tableNames(path), QStringList{"Simple"});
    EXPECT_EQ(exportedColumns(path, "Simple"), (QStringList{"id", "Name"}));
    const Rows expected{{"1", "alpha"},
                        {"-2147483648", "with, comma and \"quotes\""},
                        {"2147483647", std::nullopt},
                        {std::nullopt, "x"}};
    EXPECT_EQ(exportRows(path, "Simple"), expected);
}

TEST(JetSimpleTable, RefusesValuesTheColumnsCannotHoldAndLeavesNoFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("refused.mdb");
    jet::JetWriter writer;
    const int table = writer.addTable("T", {{"n", jet::ColumnType::Long}, {"s", jet::ColumnType::Text, 3}});
    writer.addRow(table, {qint64(1), QString("abc")});
    writer.addRow(table, {qint64(1) << 40, QString("abc")});
    try {
        writer.write(path);
        FAIL() << "a value beyond 32 bits was written into a Long column";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("table \"T\", row 2"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(QFile::exists(path));

    jet::JetWriter tooLong;
    const int t = tooLong.addTable("T", {{"s", jet::ColumnType::Text, 3}});
    tooLong.addRow(t, {QString("abcd")});
    EXPECT_THROW(tooLong.write(path), std::runtime_error);
    EXPECT_FALSE(QFile::exists(path));
}
