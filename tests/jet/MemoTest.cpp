// Memos: inline in the row when short, one long-value row, or a chain of them over many pages.
#include "tests/jet/FileProbe.h"
#include "tests/jet/MdbTools.h"
#include "tools/jetwriter/JetWriter.h"
#include "tools/jetwriter/LongValueStore.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace jettest;

namespace {

QString repeated(const QString& piece, int length)
{
    QString out;
    while (out.size() < length)
        out += piece;
    return out.left(length);
}

// Text of this many characters mixing ASCII, accents and CJK, different in every row.
QString mixedText(int length, int seed)
{
    QRandomGenerator rng{quint32(seed)};
    const QStringList words{"sword", "épée", "剣", "shield", "bouclier", "盾", "quest", "Крепость", "ἀρετή"};
    QString out;
    while (out.size() < length)
        out += words[int(rng.bounded(qint64(words.size())))] + ' ';
    return out.left(length);
}

} // namespace

TEST(JetMemo, ShortLongAndMultiPageMemosReadBack)
{
    const std::vector<QString> memos{
        "short",                       // inline
        repeated("abcd", 62),          // 64 bytes compressed: the longest inline
        repeated("abcd", 63),          // 65 bytes: one long-value row
        repeated("Ā", 32),             // 64 bytes, not compressible: inline
        repeated("Ā", 33),             // 66 bytes: one long-value row
        repeated("ASCII text. ", 1000), // compressed (up to 1024 characters) into one row
        repeated("x", 1025),           // too long to compress: 2050 bytes, one row
        repeated("y", 2040),           // 4080 bytes: the most one row holds
        repeated("z", 2041),           // two bytes more: a chain of two rows
        mixedText(30000, 1),           // a chain over many pages
        repeated("日本語", 5000),
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("memos.mdb");
    jet::JetWriter writer;
    const int table = writer.addTable("Memos", {{"id", jet::ColumnType::Long},
                                                {"Body", jet::ColumnType::Memo},
                                                {"Other", jet::ColumnType::Memo},
                                                {"Tail", jet::ColumnType::Text}});
    for (size_t i = 0; i < memos.size(); ++i)
        writer.addRow(table, {qint64(i), memos[i], memos[memos.size() - 1 - i], QString("after %1").arg(i)});
    writer.addRow(table, {qint64(99), std::monostate(), QString("only the other"), std::monostate()});
    writer.write(path);

    const Rows rows = exportRows(path, "Memos");
    ASSERT_EQ(rows.size(), memos.size() + 1);
    for (size_t i = 0; i < memos.size(); ++i) {
        EXPECT_EQ(rows[i][0], QString::number(i));
        EXPECT_EQ(rows[i][1], memos[i]) << "memo " << i << " of " << memos[i].size() << " characters";
        EXPECT_EQ(rows[i][2], memos[memos.size() - 1 - i]) << "memo " << i;
        EXPECT_EQ(rows[i][3], QString("after %1").arg(i));
    }
    EXPECT_EQ(rows.back(), (std::vector<Value>{"99", {}, "only the other", {}}));
    // 30000 mixed characters and 15000 CJK ones, twice each, need well over twenty pages.
    EXPECT_GT(FileProbe(path).longValuePages(), 20);
}

TEST(JetMemo, ShortMemosStayInTheirRows)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("inline.mdb");
    jet::JetWriter writer;
    const int table = writer.addTable("Notes", {{"Body", jet::ColumnType::Memo}});
    for (int i = 0; i < 300; ++i)
        writer.addRow(table, {mixedText(i % 30, i)});
    writer.write(path);

    const Rows rows = exportRows(path, "Notes");
    ASSERT_EQ(rows.size(), 300u);
    for (int i = 0; i < 300; ++i)
        EXPECT_EQ(rows[size_t(i)][0], i % 30 ? std::optional(mixedText(i % 30, i)) : std::nullopt);
    EXPECT_EQ(FileProbe(path).longValuePages(), 0);
}

TEST(JetMemo, ManyRowsWithMemosInterleaveDataAndLongValuePages)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("interleaved.mdb");
    jet::JetWriter writer;
    const int table = writer.addTable("Quests", {{"id", jet::ColumnType::Long}, {"details", jet::ColumnType::Memo}});
    for (int i = 0; i < 3000; ++i)
        writer.addRow(table, {qint64(i), mixedText(100 + i % 700, i)});
    writer.write(path);

    const Rows rows = exportRows(path, "Quests");
    ASSERT_EQ(rows.size(), 3000u);
    for (int i = 0; i < 3000; ++i) {
        ASSERT_EQ(rows[size_t(i)][0], QString::number(i));
        ASSERT_EQ(rows[size_t(i)][1], mixedText(100 + i % 700, i)) << "row " << i;
    }
}

TEST(JetMemo, TheLengthChoosesInlineOneRowOrAChain)
{
    QTemporaryDir dir;
    jet::PageFile file(dir.filePath("store.mdb"), jet::Format::jet4());
    jet::LongValueStore store(file);
    const auto kind = [&](int length) {
        const QByteArray field = store.field(QByteArray(length, 'a'));
        return std::pair(qFromLittleEndian<quint32>(field.constData()), int(field.size()));
    };
    EXPECT_EQ(kind(64), std::pair(0x80000040u, 12 + 64));
    EXPECT_EQ(kind(65), std::pair(0x40000041u, 12));
    EXPECT_EQ(kind(4080), std::pair(0x40000ff0u, 12));
    EXPECT_EQ(kind(4081), std::pair(0x00000ff1u, 12));
    store.finish();
    // Rows go on the page being filled or a new one: 65 bytes, then 4080 alone, then the chain's
    // last piece (placed first) and its first piece of 4080.
    EXPECT_EQ(store.pages().size(), 4u);
}
