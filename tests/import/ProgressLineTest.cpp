// The lines an import process writes for its parent.

#include "import/ProgressLine.h"

#include <gtest/gtest.h>

TEST(ProgressLine, EveryEventComesBackAsItWent)
{
    const ProgressEvent events[] = {
        {ProgressEvent::Started, 21, 0, 123456789012, QString()},
        {ProgressEvent::Table, 0, 3, 1200, QStringLiteral("monster_location")},
        {ProgressEvent::Table, 0, 4, 0, QStringLiteral("two words é")},
        {ProgressEvent::Rows, 0, 0, 512, QString()},
        {ProgressEvent::Missing, 0, 0, 0, QStringLiteral("column items.icon (it holds OLE object data)")},
        {ProgressEvent::Done, 20, 0, 52000, QString()},
        {ProgressEvent::Failed, 0, 0, 0, QStringLiteral("Database file C:\\new\\gd.mdb is damaged\nsecond line")},
    };
    for (const ProgressEvent& e : events) {
        const QByteArray line = progressLine(e);
        EXPECT_TRUE(line.endsWith('\n'));
        EXPECT_EQ(line.count('\n'), 1) << line.constData();
        const ProgressEvent back = parseProgressLine(line);
        EXPECT_EQ(back.kind, e.kind) << line.constData();
        EXPECT_EQ(back.tables, e.tables);
        EXPECT_EQ(back.index, e.index);
        EXPECT_EQ(back.rows, e.rows);
        EXPECT_EQ(back.text, e.text) << line.constData();
    }
    EXPECT_EQ(progressLine(ProgressEvent{}), QByteArray());
}

TEST(ProgressLine, AnythingElseIsUnknown)
{
    for (const char* line : {"", "warning: page 3 from map doesn't match", "started 21", "started x 5", "rows",
                             "rows many", "table 1", "done 1 2 3", "Started 1 2"})
        EXPECT_EQ(parseProgressLine(line).kind, ProgressEvent::Unknown) << line;
}
