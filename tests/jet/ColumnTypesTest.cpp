// Every column type, with NULLs in each, read back by mdb-export and described by mdb-schema.
#include "tests/jet/MdbTools.h"
#include "tools/jetwriter/CellEncoding.h"
#include "tools/jetwriter/JetWriter.h"

#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace jettest;
using jet::Cell;
using jet::ColumnType;

namespace {

QDateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) { return {QDate(y, mo, d), QTime(h, mi, s)}; }

const std::vector<jet::Column> kColumns{
    {"Flag", ColumnType::Boolean}, {"Small", ColumnType::Byte},      {"Medium", ColumnType::Integer},
    {"Big", ColumnType::Long},     {"Ratio", ColumnType::Double},    {"Label", ColumnType::Text, 20},
    {"Notes", ColumnType::Memo},   {"Moment", ColumnType::DateTime},
};

} // namespace

TEST(JetColumnTypes, EveryTypeAndItsNullReadBack)
{
    const double tiny = std::numeric_limits<double>::denorm_min();
    const std::vector<std::vector<Cell>> rows{
        {true, qint64(0), qint64(-32768), qint64(std::numeric_limits<qint32>::min()), 0.1, QString("a"),
         QString("short memo"), at(2024, 2, 29, 13, 45, 10)},
        {false, qint64(255), qint64(32767), qint64(std::numeric_limits<qint32>::max()), -1e300, QString("z"),
         QString("m"), at(1899, 12, 30)},
        {std::monostate(), std::monostate(), std::monostate(), std::monostate(), std::monostate(), std::monostate(),
         std::monostate(), std::monostate()},
        {qint64(1), true, qint64(-1), qint64(0), 3.141592653589793, QString::number(12), qint64(42),
         at(2100, 12, 31, 23, 59, 59)},
        {qint64(0), 7.0, qint64(12345), qint64(-7), tiny, QString("20 characters here.."), 2.5,
         at(1900, 1, 1, 0, 0, 1)},
        {true, qint64(1), false, true, qint64(1) << 52, std::monostate(), std::monostate(),
         QString("2001-09-09 01:46:40")},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("types.mdb");
    jet::JetWriter writer;
    const int table = writer.addTable("AllTypes", kColumns);
    for (const auto& row : rows)
        writer.addRow(table, row);
    writer.write(path);

    const Rows expected{
        {"1", "0", "-32768", "-2147483648", mdbDouble(0.1), "a", "short memo", "2024-02-29 13:45:10"},
        {"0", "255", "32767", "2147483647", mdbDouble(-1e300), "z", "m", "1899-12-30 00:00:00"},
        // A Jet boolean has no NULL: it reads as false.
        {"0", {}, {}, {}, {}, {}, {}, {}},
        {"1", "1", "-1", "0", mdbDouble(3.141592653589793), "12", "42", "2100-12-31 23:59:59"},
        {"0", "7", "12345", "-7", mdbDouble(tiny), "20 characters here..", "2.5", "1900-01-01 00:00:01"},
        {"1", "1", "0", "1", mdbDouble(4503599627370496.0), {}, {}, "2001-09-09 01:46:40"},
    };
    EXPECT_EQ(exportRows(path, "AllTypes"), expected);

    const QString schema = runMdbTool("mdb-schema", {path});
    for (const char* line : {"[Flag]\t\t\tBoolean", "[Small]\t\t\tByte", "[Medium]\t\t\tInteger",
                             "[Big]\t\t\tLong Integer", "[Ratio]\t\t\tDouble", "[Label]\t\t\tText (20)",
                             "[Notes]\t\t\tMemo/Hyperlink", "[Moment]\t\t\tDateTime"})
        EXPECT_TRUE(schema.contains(line)) << line << " missing from\n" << schema.toStdString();
}

TEST(JetColumnTypes, ValuesOutsideAColumnAreRefusedWithTheirPlace)
{
    struct Case {
        ColumnType type;
        Cell value;
    };
    const std::vector<Case> refused{{ColumnType::Byte, qint64(256)},         {ColumnType::Byte, qint64(-1)},
                                    {ColumnType::Integer, qint64(32768)},    {ColumnType::Long, qint64(1) << 31},
                                    {ColumnType::Long, 1.5},                 {ColumnType::Double, QString("x")},
                                    {ColumnType::DateTime, QString("soon")}, {ColumnType::DateTime, qint64(3)},
                                    {ColumnType::Boolean, QString("yes")}};
    QTemporaryDir dir;
    for (const Case& c : refused) {
        jet::JetWriter writer;
        const int table = writer.addTable("T", {{"Value", c.type}});
        writer.addRow(table, {c.value});
        try {
            writer.write(dir.filePath("refused.mdb"));
            ADD_FAILURE() << "a value was written that its column cannot hold (type " << int(c.type) << ")";
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find("table \"T\", row 1: column \"Value\""), std::string::npos)
                << e.what();
        }
    }
}

TEST(JetColumnTypes, DatesCountDaysFromTheEndOf1899)
{
    EXPECT_EQ(jet::toJetDate(at(1899, 12, 30)), 0.0);
    EXPECT_EQ(jet::toJetDate(at(1900, 1, 1, 6)), 2.25);
    EXPECT_EQ(jet::toJetDate(at(2024, 1, 15, 18)), 45306.75);
    // Before the epoch the time of day still counts away from zero, as Access stores it.
    EXPECT_EQ(jet::toJetDate(at(1899, 12, 29, 6)), -1.25);
    EXPECT_EQ(jet::toJetDate(at(1800, 1, 1, 12)), -36522.5);
}
