// Jet 3 (Access 97) files: 2 KB pages, one-byte offsets with jump tables, text in code page 1252.
#include "tests/jet/FileProbe.h"
#include "tests/jet/MdbTools.h"
#include "tools/jetwriter/JetWriter.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace jettest;
using jet::ColumnType;

namespace {

jet::WriteOptions jet3()
{
    jet::WriteOptions options;
    options.version = jet::JetVersion::Jet3;
    return options;
}

// Text of this length from characters code page 1252 holds, different for every seed.
QString cp1252Text(int length, int seed)
{
    const QString pool = QString::fromUtf8("abcXYZ 019éèàçÆØåßñ€—“”‰Œœ™");
    QRandomGenerator rng{quint32(seed)};
    QString out;
    for (int i = 0; i < length; ++i)
        out.append(pool[int(rng.bounded(qint64(pool.size())))]);
    return out;
}

QString largeName(int i) { return QString("name %1 ü").arg(i).leftJustified(30, '.'); }

} // namespace

TEST(Jet3, EveryTypeTextAndMemosReadBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("jet3.mdb");
    jet::JetWriter writer;
    const int table = writer.addTable("Types97", {{"Flag", ColumnType::Boolean},
                                                  {"Small", ColumnType::Byte},
                                                  {"Medium", ColumnType::Integer},
                                                  {"Big", ColumnType::Long},
                                                  {"Ratio", ColumnType::Double},
                                                  {"Label", ColumnType::Text, 40},
                                                  {"Notes", ColumnType::Memo},
                                                  {"Moment", ColumnType::DateTime}});
    const QString memoChain = cp1252Text(5000, 3); // three rows of a 2 KB long-value page
    writer.addRow(table, {true, qint64(255), qint64(-32768), qint64(-2147483647 - 1), 0.1, QString("Crème brûlée €5"),
                          QString("inline"), QDateTime(QDate(1997, 3, 4), QTime(5, 6, 7))});
    writer.addRow(table, {std::monostate(), std::monostate(), std::monostate(), std::monostate(), std::monostate(),
                          std::monostate(), std::monostate(), std::monostate()});
    writer.addRow(table, {false, qint64(1), qint64(2), qint64(3), -2.5, cp1252Text(40, 1), cp1252Text(1000, 2),
                          QDateTime(QDate(2030, 12, 31), QTime(23, 59, 59))});
    writer.addRow(table, {true, qint64(0), qint64(0), qint64(0), 0.0, QString("x"), memoChain, std::monostate()});
    writer.write(path, jet3());

    EXPECT_EQ(runMdbTool("mdb-ver", {path}).trimmed(), "JET3");
    EXPECT_EQ(tableNames(path), QStringList{"Types97"});
    EXPECT_EQ(FileProbe(path).pageSize(), 2048);
    const Rows expected{
        {"1", "255", "-32768", "-2147483648", mdbDouble(0.1), "Crème brûlée €5", "inline", "1997-03-04 05:06:07"},
        {"0", {}, {}, {}, {}, {}, {}, {}},
        {"0", "1", "2", "3", "-2.5", cp1252Text(40, 1), cp1252Text(1000, 2), "2030-12-31 23:59:59"},
        {"1", "0", "0", "0", "0", "x", memoChain, {}},
    };
    EXPECT_EQ(exportRows(path, "Types97"), expected);
    EXPECT_GE(FileProbe(path).longValuePages(), 3);
    EXPECT_TRUE(runMdbTool("mdb-schema", {path}).contains("[Label]\t\t\tText (40)"));
}

TEST(Jet3, RowsPastEvery256BytesNeedTheirJumpTables)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("jumps.mdb");
    jet::JetWriter writer;
    // Two texts whose lengths sweep the end of data over every position around 256 and 512,
    // so the offset table sometimes carries a spare jump entry.
    const int sweep = writer.addTable("Sweep", {{"id", ColumnType::Long},
                                                {"A", ColumnType::Text, 255},
                                                {"B", ColumnType::Text, 255}});
    std::vector<std::vector<Value>> sweepRows;
    for (int a : {0, 240, 255}) {
        for (int b = 0; b <= 255; ++b) {
            const QString textA = cp1252Text(a, a), textB = cp1252Text(b, b + 1000);
            writer.addRow(sweep, {qint64(a * 1000 + b), textA, textB});
            sweepRows.push_back({QString::number(a * 1000 + b), a ? Value(textA) : Value(), b ? Value(textB) : Value()});
        }
    }
    // Seven texts of random lengths (some NULL): rows up to about 1800 bytes.
    std::vector<jet::Column> columns{{"id", ColumnType::Long}};
    for (int c = 0; c < 7; ++c)
        columns.push_back({QString("Text%1").arg(c), ColumnType::Text, 255});
    const int random = writer.addTable("Random", columns);
    QRandomGenerator rng{7};
    Rows randomRows;
    for (int r = 0; r < 400; ++r) {
        std::vector<jet::Cell> row{qint64(r)};
        std::vector<Value> expected{QString::number(r)};
        for (int c = 0; c < 7; ++c) {
            const int length = int(rng.bounded(-20, 256));
            row.push_back(length < 0 ? jet::Cell() : jet::Cell(cp1252Text(length, r * 7 + c)));
            expected.push_back(length <= 0 ? Value() : Value(cp1252Text(length, r * 7 + c)));
        }
        writer.addRow(random, row);
        randomRows.push_back(expected);
    }
    // 70 doubles put the first text past 512: two jumps at the first offset.
    std::vector<jet::Column> wideColumns;
    for (int c = 0; c < 70; ++c)
        wideColumns.push_back({QString("D%1").arg(c), ColumnType::Double});
    wideColumns.push_back({"First", ColumnType::Text, 255});
    wideColumns.push_back({"Second", ColumnType::Text, 255});
    const int wide = writer.addTable("WideFixed", wideColumns);
    std::vector<jet::Cell> wideRow;
    std::vector<Value> wideExpected;
    for (int c = 0; c < 70; ++c) {
        wideRow.push_back(c * 1.5);
        wideExpected.push_back(mdbDouble(c * 1.5));
    }
    wideRow.push_back(cp1252Text(200, 1));
    wideRow.push_back(cp1252Text(255, 2));
    wideExpected.push_back(cp1252Text(200, 1));
    wideExpected.push_back(cp1252Text(255, 2));
    writer.addRow(wide, wideRow);
    writer.write(path, jet3());

    EXPECT_EQ(exportRows(path, "Sweep"), sweepRows);
    EXPECT_EQ(exportRows(path, "Random"), randomRows);
    EXPECT_EQ(exportRows(path, "WideFixed"), (Rows{wideExpected}));
}

TEST(Jet3, LargeTablesAndWhatCodePage1252Lacks)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("large97.mdb");
    jet::JetWriter writer;
    const int table = writer.addTable("Large", {{"id", ColumnType::Long}, {"Name", ColumnType::Text, 30}});
    for (int i = 0; i < 60000; ++i)
        writer.addRow(table, {qint64(i), largeName(i)});
    writer.write(path, jet3());
    // 60000 rows of about 40 bytes on 2 KB pages span more than a map row's bitmap covers.
    EXPECT_EQ(FileProbe(path).usageMapType("Large"), 1);
    const Rows rows = exportRows(path, "Large");
    ASSERT_EQ(rows.size(), 60000u);
    for (int i = 0; i < 60000; ++i)
        ASSERT_EQ(rows[size_t(i)], (std::vector<Value>{QString::number(i), largeName(i)}));

    jet::JetWriter cjk;
    const int t = cjk.addTable("T", {{"s", ColumnType::Text}});
    cjk.addRow(t, {QString::fromUtf8("日本")});
    const QString refused = dir.filePath("refused.mdb");
    try {
        cjk.write(refused, jet3());
        FAIL() << "Jet 3 text took characters code page 1252 lacks";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("code page 1252"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(QFile::exists(refused));
}
