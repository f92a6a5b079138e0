// Which filters a statement can take into its WHERE, the statement that fetches one key, and
// what the arms' probes learn, on the hand-made rows.

#include "data/Connection.h"
#include "data/JetSql.h"
#include "data/StatementInfo.h"
#include "tests/data/TestDb.h"

#include <gtest/gtest.h>

namespace {

class Statements : public ::testing::Test {
protected:
    void SetUp() override { db.point(connection); }
    StatementInfo info(const char* sql) {
        return StatementInfo(connection.handle(), QString::fromUtf8(sql), false, QString());
    }

    TestDb db{standardRows()};
    Connection connection;
};

TEST_F(Statements, KeyedStatementsCaseByCase)
{
    const struct {
        const char* sql;
        const char* field;
        const char* keyed; // empty: the field takes no key
    } cases[] = {
        // The condition joins the arm's own in parentheses; ties come in the scanned table's row order.
        {"SELECT d.item_id, d.percentage FROM drops AS d WHERE d.sweep = 0 OR d.max > 1 ORDER BY "
         "d.percentage DESC",
         "item_id",
         "SELECT d.item_id, d.percentage FROM drops AS d WHERE (d.sweep = 0 OR d.max > 1) AND d.item_id = "
         ":tavrin_key0 "
         "ORDER BY d.percentage DESC, d.id"},
        {"select * from monster_location;", "npc_id",
         "select * from monster_location WHERE \"monster_location\".\"npc_id\" = :tavrin_key0 ORDER BY "
         "monster_location.id;"},
        {"SELECT x.item_id it, x.npc_id FROM drops x ORDER BY x.percentage", "it",
         "SELECT x.item_id it, x.npc_id FROM drops x WHERE x.item_id = :tavrin_key0 ORDER BY x.percentage, "
         "x.id"},
        // A UNION with ORDER BY is ordered by all its columns: each arm takes the condition, nothing more.
        {"SELECT npc_id, item_id FROM drops WHERE max > 1 UNION SELECT npc_id, item_id FROM drops WHERE max "
         "= 1 "
         "ORDER BY item_id",
         "npc_id",
         "SELECT npc_id, item_id FROM drops WHERE (max > 1) AND npc_id = :tavrin_key0 UNION SELECT npc_id, "
         "item_id FROM "
         "drops WHERE (max = 1) AND npc_id = :tavrin_key0 ORDER BY item_id"},
        {"SELECT item_id + 0 AS k FROM drops", "k", ""},
        {"SELECT name FROM npcnames", "name", ""},
        {"SELECT item_id, count(*) FROM drops GROUP BY item_id", "item_id", ""},
        {"SELECT item_id FROM drops ORDER BY percentage LIMIT 3", "item_id", ""},
        {"SELECT npc_id FROM drops UNION ALL SELECT npc_id FROM monster_location ORDER BY npc_id", "npc_id",
         ""},
        {"SELECT DISTINCT item_id FROM drops", "item_id", ""},
        {"SELECT item_id FROM drops WHERE npc_id = :npc", "item_id", ""},
    };
    for (const auto& c : cases) {
        const StatementInfo s = info(c.sql);
        const int field = s.fieldIndex(QString::fromUtf8(c.field));
        ASSERT_GE(field, 0) << c.sql;
        EXPECT_EQ(s.keyable(field), *c.keyed != '\0') << c.sql;
        if (*c.keyed)
            EXPECT_EQ(s.keyedSql({field}), QString::fromUtf8(c.keyed)) << c.sql;
    }
}

TEST_F(Statements, ProbesTellWhetherARowComesAndHowWideEachColumnIs)
{
    const QString dropSource =
        translateJetSql(QStringLiteral("SELECT drops.item_id, ([drops.min] &\"-\"&[drops.max]) AS nrdrops, "
                                       "drops.percentage FROM drops WHERE drops.max>1\n"
                                       "UNION\n"
                                       "SELECT drops.item_id, 1 AS nrdrops, drops.percentage FROM drops "
                                       "WHERE drops.max=1 ORDER BY drops.percentage DESC;"));
    const StatementInfo sources(connection.handle(), dropSource, false, QString());
    EXPECT_TRUE(sources.deferrable());
    EXPECT_TRUE(sources.hasRows());
    // A key whose drops are all single would otherwise give an integer quantity column.
    EXPECT_EQ(sources.typeFloor(),
              (QVector<ValueType>{ValueType::Integer, ValueType::Text, ValueType::Float}));

    const StatementInfo none = info("SELECT * FROM questdetails WHERE quest_id > 1000");
    EXPECT_TRUE(none.deferrable());
    EXPECT_FALSE(none.hasRows());

    // EXCEPT may take away whatever the arms' first rows were; such a statement is fetched at once.
    EXPECT_FALSE(info("SELECT item_id FROM drops EXCEPT SELECT item_id FROM drops").deferrable());
    EXPECT_FALSE(info("SELECT item_id FROM drops WHERE npc_id = :npc").deferrable());
}

} // namespace
