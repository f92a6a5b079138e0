// The one tokenizer under the Jet translation, the result names, the statement shape and the
// filter parser: kinds, decoded texts, source ranges and depths, case by case.

#include "data/SqlTokens.h"
#include "tests/data/TestDb.h"

#include <gtest/gtest.h>

namespace {

// Tokens written as kind:text, one character per kind (W word, N name, S string, # number,
// P param, . punct), '!' after an unterminated one.
QString describe(const QString& sql, SqlDialect dialect) {
    QStringList out;
    for (const SqlToken& t : tokenizeSql(sql, dialect)) {
        const char kind = "WNS#P."[t.kind];
        out << QString(QLatin1Char(kind)) + QLatin1Char(':') + t.text +
                   (t.unterminated ? QStringLiteral("!") : QString());
    }
    return out.join(QLatin1Char(' '));
}

TEST(SqlTokens, KindsAndTextsCaseByCase)
{
    const struct {
        const char* sql;
        SqlDialect dialect;
        const char* tokens;
    } cases[] = {
        {"SELECT a.b, [c d] FROM t", SqlDialect::Sqlite, "W:SELECT W:a .:. W:b .:, N:c d W:FROM W:t"},
        {"x = 'it''s' || \"q\"\"n\"", SqlDialect::Sqlite, "W:x .:= S:it's .:|| N:q\"n"},
        {"x = \"it's\" & 'a\"b'", SqlDialect::Jet, "W:x .:= S:it's .:& S:a\"b"},
        {"`a``b` <> 1.5e+3 AND y<=.5", SqlDialect::Sqlite, "N:a`b .:<> #:1.5e+3 W:AND W:y .:<= #:.5"},
        {"id=:classid OR id=?2 OR n=@n OR m=$m", SqlDialect::Sqlite,
         "W:id .:= P::classid W:OR W:id .:= P:?2 W:OR W:n .:= P:@n W:OR W:m .:= P:$m"},
        {"a -- note 'x\nb /* 'y' */ c", SqlDialect::Sqlite, "W:a W:b W:c"},
        {"SELECT 'open", SqlDialect::Sqlite, "W:SELECT S:open!"},
        {"[open", SqlDialect::Jet, "N:open!"},
        {"\"open", SqlDialect::Jet, "S:open!"},
        {"a$b _c \xc3\xa9t\xc3\xa9 0x1F", SqlDialect::Sqlite, "W:a$b W:_c W:\xc3\xa9t\xc3\xa9 #:0x1F"},
        {"a - -1", SqlDialect::Sqlite, "W:a .:- .:- #:1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(describe(QString::fromUtf8(c.sql), c.dialect), QString::fromUtf8(c.tokens)) << c.sql;
}

TEST(SqlTokens, RangesAndDepthsPointIntoTheSource)
{
    const QString sql = QStringLiteral("SELECT (a + (b)), 'x' FROM t");
    const QVector<SqlToken> t = tokenizeSql(sql);
    ASSERT_EQ(t.size(), 12);
    for (const SqlToken& k : t)
        EXPECT_EQ(sql.mid(k.begin, k.end - k.begin).remove(QLatin1Char('\'')), k.text);
    // '(' and ')' carry the depth outside them; what they enclose one more.
    const int depths[] = {0, 0, 1, 1, 1, 2, 1, 0, 0, 0, 0, 0};
    for (int i = 0; i < t.size(); ++i)
        EXPECT_EQ(t[i].depth, depths[i]) << i << " " << qPrintable(t[i].text);
    EXPECT_EQ(tokenizeSql(QStringLiteral("a)) b")).back().depth, 0) << "stray ')' never goes below zero";
}

} // namespace
