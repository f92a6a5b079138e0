// Tables of tens of thousands of rows over hundreds of data pages, found through both kinds of
// usage map.
#include "tests/jet/FileProbe.h"
#include "tests/jet/MdbTools.h"
#include "tools/jetwriter/JetWriter.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace jettest;
using jet::ColumnType;

namespace {

QString nameOf(int i) { return QString("Row %1 é%2").arg(i).arg(QString(QChar(0x4e00 + i % 500))); }
double valueOf(int i) { return i / 7.0 - 1000; }

} // namespace

TEST(JetLargeTable, EveryRowOfManyPagesReadsBackInOrder)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("large.mdb");
    jet::JetWriter writer;
    const std::vector<jet::Column> columns{{"id", ColumnType::Long},
                                           {"Name", ColumnType::Text, 40},
                                           {"Value", ColumnType::Double},
                                           {"Even", ColumnType::Boolean}};
    const int small = writer.addTable("Small", columns);
    const int big = writer.addTable("Big", columns);
    const int after = writer.addTable("After", columns);
    for (int i = 0; i < 2000; ++i)
        writer.addRow(small, {qint64(i), nameOf(i), valueOf(i), i % 2 == 0});
    for (int i = 0; i < 60000; ++i)
        writer.addRow(big, {qint64(i), i % 1000 == 7 ? jet::Cell() : nameOf(i), valueOf(i), i % 2 == 0});
    writer.addRow(after, {qint64(1), QString("last"), 0.5, true});
    writer.write(path);

    const FileProbe probe(path);
    // 2000 rows span less than an in-row bitmap covers; 60000 need bitmap pages.
    EXPECT_EQ(probe.usageMapType("Small"), 0);
    EXPECT_EQ(probe.usageMapType("Big"), 1);
    EXPECT_GT(probe.pageCount(), 600);

    const Rows smallRows = exportRows(path, "Small");
    ASSERT_EQ(smallRows.size(), 2000u);
    for (int i = 0; i < 2000; ++i) {
        const std::vector<Value> expected{QString::number(i), nameOf(i), mdbDouble(valueOf(i)), i % 2 ? "0" : "1"};
        ASSERT_EQ(smallRows[size_t(i)], expected) << "row " << i;
    }
    const Rows bigRows = exportRows(path, "Big");
    ASSERT_EQ(bigRows.size(), 60000u);
    for (int i = 0; i < 60000; ++i) {
        const std::vector<Value> expected{QString::number(i), i % 1000 == 7 ? Value() : nameOf(i),
                                          mdbDouble(valueOf(i)), i % 2 ? "0" : "1"};
        ASSERT_EQ(bigRows[size_t(i)], expected) << "row " << i;
    }
    EXPECT_EQ(exportRows(path, "After"), (Rows{{"1", "last", "0.5", "1"}}));
}

TEST(JetLargeTable, TinyRowsStopAtTheRowsAPageMayHold)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("tiny.mdb");
    jet::JetWriter writer;
    const int table = writer.addTable("Flags", {{"On", ColumnType::Boolean}});
    for (int i = 0; i < 1000; ++i)
        writer.addRow(table, {i % 3 == 0});
    writer.write(path);

    const Rows rows = exportRows(path, "Flags");
    ASSERT_EQ(rows.size(), 1000u);
    for (int i = 0; i < 1000; ++i)
        EXPECT_EQ(rows[size_t(i)][0], i % 3 == 0 ? "1" : "0");
    // Three-byte rows would fit over a thousand to a page; a page holds at most 255.
    int dataPages = 0;
    for (int p = 0; p < FileProbe(path).pageCount(); ++p) {
        const QByteArray page = FileProbe(path).page(quint32(p));
        if (page[0] == 0x01 && page.mid(4, 4) != "LVAL" && page.mid(4, 4) != QByteArray(4, '\0')) {
            EXPECT_LE(quint8(page[12]) | (quint8(page[13]) << 8), 255);
            ++dataPages;
        }
    }
    EXPECT_GE(dataPages, 4 + 1); // the catalog's page among them
}
