// The skills window's statements, as the window declares them, on hand-made rows: the node
// lists by parent name, the skill list of one node with its joined name and its order, and the
// node's learning levels.

#include "data/Dataset.h"
#include "tests/support/TinyDb.h"
#include "tests/windows/SkillTreeRows.h"
#include "windows/SkilsStatements.h"

#include <gtest/gtest.h>

namespace {

class SkilsStatements : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_db = new TinyDb(skilltree::databaseSql().c_str()); }
    static void TearDownTestSuite()
    {
        delete s_db;
        s_db = nullptr;
    }

    // The rows of the statement run with one text parameter, the fields joined by '|'.
    static QStringList rows(const QString& sql, const QString& param, const QString& value, const QStringList& fields)
    {
        Dataset d(s_db->connection());
        d.setSql(sql);
        if (!param.isEmpty())
            d.setParam(param, Value::text(value));
        d.open();
        QStringList out;
        for (d.first(); !d.eof(); d.next()) {
            QStringList cells;
            for (const QString& f : fields)
                cells << d.asText(f);
            out << cells.join(QLatin1Char('|'));
        }
        return out;
    }
    static TinyDb* s_db;
};
TinyDb* SkilsStatements::s_db = nullptr;

const QString kParents = QStringLiteral("parents");
const QString kClassId = QStringLiteral("classid");

TEST_F(SkilsStatements, NodesFollowTheirParentsName)
{
    EXPECT_EQ(rows(raceSql(), {}, {}, {"name", "parents"}), QStringList({"Elf|", "Human|"}));
    EXPECT_EQ(rows(childNodeSql(), kParents, "Human", {"id", "name"}), QStringList({"11|Fighter", "12|Mystic"}));
    // The parameter is a value, not statement text: an apostrophe needs no care from the window.
    EXPECT_EQ(rows(childNodeSql(), kParents, "Sage's Path", {"name"}), QStringList({"Loremaster"}));
    EXPECT_TRUE(rows(childNodeSql(), kParents, "", {"name"}).isEmpty());
    EXPECT_TRUE(rows(childNodeSql(), kParents, "Ranger", {"name"}).isEmpty());
}

TEST_F(SkilsStatements, SkillsOfOneNodeInLearningOrder)
{
    Dataset d(s_db->connection());
    d.setSql(skilsSql());
    EXPECT_EQ(d.sql().count(QLatin1Char('\n')), 3);
    d.setParam(kClassId, Value::text(QString::number(skilltree::kHumanFighter)));
    d.open();
    EXPECT_EQ(d.fieldNames(), QStringList({"class_id", "sp_cost", "Expr1", "level", "description", "active", "range",
                                           "reuse_delay", "skill_time", "skill_id", "icon", "mp_consume"}));
    // By level, passive before active, then by name; the skill without a name row drops out,
    // and the race's own skill is not inherited.
    EXPECT_EQ(rows(skilsSql(), kClassId, "11", {"level", "Expr1", "active", "sp_cost", "icon"}),
              QStringList({"5|Toughness 1|0|150|", "5|Power Strike 1|1|100|skill_001", "10|Arrow Rain 1|1|400|skill_003",
                           "10|Power Strike 2|1|300|skill_001"}));
    EXPECT_EQ(rows(skilsSql(), kClassId, "11", {"reuse_delay", "skill_time", "range", "mp_consume"}).at(1),
              QStringLiteral("10.5|1.25|40|10"));
    EXPECT_EQ(rows(skilsSql(), kClassId, "21", {"class_id", "Expr1"}), QStringList({"21|Arrow Rain 1"}));
    EXPECT_TRUE(rows(skilsSql(), kClassId, "12", {"Expr1"}).isEmpty());
}

TEST_F(SkilsStatements, LevelsOfOneNodeOnceEach)
{
    QStringList levels = rows(levelSql(), kClassId, "11", {"level"});
    levels.sort();
    EXPECT_EQ(levels, QStringList({"10", "5"}));
    EXPECT_EQ(rows(levelSql(), kClassId, "13", {"level"}), QStringList({"20"}));
    EXPECT_TRUE(rows(levelSql(), kClassId, "12", {"level"}).isEmpty());
}

} // namespace
