// Text in Jet 4: UCS-2, and its compressed form where it helps; read back by mdb-export.
#include "tests/jet/MdbTools.h"
#include "tools/jetwriter/JetWriter.h"
#include "tools/jetwriter/TextCodec.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace jettest;

namespace {

// The documented reading of Jet 4 text: after 0xff 0xfe, one-byte characters until a zero byte,
// then two-byte characters until the next zero byte, and so on.
QString decodeJetText(const QByteArray& bytes)
{
    QString out;
    if (!bytes.startsWith("\xff\xfe")) {
        for (int i = 0; i + 1 < bytes.size(); i += 2)
            out.append(QChar(char16_t(quint8(bytes[i]) | (quint8(bytes[i + 1]) << 8))));
        return out;
    }
    bool compressed = true;
    for (int i = 2; i < bytes.size();) {
        if (bytes[i] == '\0') {
            compressed = !compressed;
            ++i;
        } else if (compressed) {
            out.append(QChar(char16_t(quint8(bytes[i++]))));
        } else {
            out.append(QChar(char16_t(quint8(bytes[i]) | (quint8(bytes[i + 1]) << 8))));
            i += 2;
        }
    }
    return out;
}

// What mdbtools shows: it converts with iconv's UCS-2, which takes each half of a surrogate
// pair for an invalid character and prints '?' for it.
QString asMdbtoolsReadsIt(const QString& text)
{
    QString out;
    for (QChar c : text)
        out.append(c.isSurrogate() ? QChar('?') : c);
    return out;
}

const QStringList kSamples{
    "plain ASCII text",
    "Crème brûlée à la française, déjà vu",
    "Ærøskøbing Øresund Ångström ß ÿ",
    "Ελληνικά κείμενα",
    "Русский текст",
    "日本語のテキスト",
    "中文 mixed with ASCII and 한국어",
    "Ā starts with a character whose low byte is zero",
    "tab\tand\nnew line",
    "emoji 😀 and 🎉 outside the basic plane",
    "x",
    "ab",
};

} // namespace

TEST(JetText, CompressionKeepsOneByteRunsAndSwitchesOnlyWhenItSaves)
{
    EXPECT_EQ(*jet::compressUnicode("abc"), QByteArray("\xff\xfe" "abc"));
    EXPECT_FALSE(jet::compressUnicode("ab")); // four bytes either way
    EXPECT_FALSE(jet::compressUnicode(QString::fromUtf8("日本語")));
    EXPECT_FALSE(jet::compressUnicode(QString::fromUtf8("abcĀdef"))); // U+0100 has a zero low byte
    EXPECT_EQ(*jet::compressUnicode(QString::fromUtf8("abc日本def")),
              QByteArray("\xff\xfe" "abc\0\xe5\x65\x2c\x67\0def", 14));
    // A single one-byte character between wide ones is not worth two switches.
    EXPECT_EQ(*jet::compressUnicode(QString::fromUtf8("abcd日x本")),
              QByteArray("\xff\xfe" "abcd\0\xe5\x65x\0\x2c\x67", 13));
    EXPECT_EQ(jet::encodeUcs2(QString::fromUtf8("é😀")), QByteArray("\xe9\0\x3d\xd8\x00\xde", 6));
}

TEST(JetText, CompressedTextDecodesToTheSameCharacters)
{
    // Random mixes of ASCII, Latin-1, CJK and surrogate pairs, decoded the documented way.
    QRandomGenerator rng(17);
    const char16_t pool[] = {'a', 'Z', ' ', '7', 0xe9, 0xfc, 0x65e5, 0x672c, 0x0101, 0xd83d, 0xde00, 0x4e2d};
    int compressed = 0;
    for (int round = 0; round < 2000; ++round) {
        QString text;
        const int length = int(rng.bounded(1, 60));
        for (int i = 0; i < length; ++i) {
            const int pick = int(rng.bounded(round % 3 == 0 ? 12 : 6));
            text.append(QChar(pool[pick]));
        }
        const QByteArray bytes = jet::encodeText(text, jet::Format::jet4(), true);
        compressed += bytes.startsWith("\xff\xfe") ? 1 : 0;
        ASSERT_EQ(decodeJetText(bytes), text) << text.toStdString();
        ASSERT_LE(bytes.size(), 2 * text.size());
    }
    EXPECT_GT(compressed, 1000);
}

TEST(JetText, NonAsciiTextReadsBackCompressedAndNot)
{
    QTemporaryDir dir;
    qint64 sizes[2] = {};
    for (bool compress : {true, false}) {
        jet::JetWriter writer;
        const int table = writer.addTable("Texts", {{"n", jet::ColumnType::Long}, {"Body", jet::ColumnType::Text}});
        // Enough rows that compression changes the number of pages.
        for (int i = 0; i < 400; ++i)
            writer.addRow(table, {qint64(i), kSamples[i % kSamples.size()]});
        jet::WriteOptions options;
        options.compressText = compress;
        const QString path = dir.filePath(compress ? "packed.mdb" : "plain.mdb");
        writer.write(path, options);
        sizes[compress ? 0 : 1] = QFileInfo(path).size();

        const Rows rows = exportRows(path, "Texts");
        ASSERT_EQ(rows.size(), 400u);
        for (int i = 0; i < 400; ++i) {
            EXPECT_EQ(rows[size_t(i)][0], QString::number(i));
            EXPECT_EQ(rows[size_t(i)][1], asMdbtoolsReadsIt(kSamples[i % kSamples.size()]))
                << "row " << i << (compress ? " compressed" : " plain");
        }
    }
    EXPECT_LT(sizes[0], sizes[1]);
}
