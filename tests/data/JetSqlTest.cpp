// The Jet-to-SQLite translation, case by case.

#include "data/DbError.h"
#include "data/JetSql.h"
#include "tests/data/TestDb.h"

#include <gtest/gtest.h>

namespace {

TEST(JetSql, TranslatesJetOnlySyntaxOutsideLiterals)
{
    const struct {
        const char* jet;
        const char* sqlite;
    } cases[] = {
        {"([drops.min] &\"-\"&[drops.max]) AS nrdrops", "(drops.min  || '-' || drops.max) AS nrdrops"},
        {"[skillnames.name] & \" \" & [gainskills.skill_level]", "skillnames.name  ||  ' '  ||  gainskills.skill_level"},
        {"WHERE items.type  = \"Weapon\"", "WHERE items.type  = 'Weapon'"},
        {"SELECT \"it's\", \"say \"\"hi\"\"\"", "SELECT 'it''s', 'say \"hi\"'"},
        {"WHERE a = 'R&D' AND b = 'x\"y' AND c = 'it''s'", "WHERE a = 'R&D' AND b = 'x\"y' AND c = 'it''s'"},
        {"SELECT [Order Details].qty FROM [Order Details]", "SELECT \"Order Details\".qty FROM \"Order Details\""},
        {"SELECT DISTINCT `level` FROM gainskills WHERE class_id=:classid",
         "SELECT DISTINCT `level` FROM gainskills WHERE class_id=:classid"},
        {"SELECT DISTINCT(weapons.weapon_type) FROM weapons", "SELECT DISTINCT(weapons.weapon_type) FROM weapons"},
        {"SELECT t.left, t.len FROM t", "SELECT t.left, t.len FROM t"},
        {"SELECT * FROM t LEFT JOIN u ON t.id = u.id", "SELECT * FROM t LEFT JOIN u ON t.id = u.id"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(translateJetSql(QString::fromUtf8(c.jet)), QString::fromUtf8(c.sqlite)) << c.jet;
}

TEST(JetSql, RejectsWhatItCannotTranslateAndNamesTheStatement)
{
    const char* bad[] = {
        "SELECT 'open FROM t",
        "SELECT \"open FROM t",
        "SELECT [name FROM t",
        "SELECT name] FROM t",
        "SELECT `level FROM t",
        "SELECT IIF(a > 1, 'x', 'y') FROM t",
        "SELECT Nz(a, 0) FROM t",
        "SELECT Mid (name, 2, 3) FROM t",
    };
    for (const char* s : bad) {
        try {
            translateJetSql(QString::fromUtf8(s));
            ADD_FAILURE() << "accepted: " << s;
        } catch (const DbError& e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(s))) << e.what();
        }
    }
}

} // namespace
