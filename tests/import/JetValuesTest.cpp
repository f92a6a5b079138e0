// The rules that turn Jet's bytes into the copy's values.

#include "import/JetValues.h"

#include <QByteArray>

#include <gtest/gtest.h>

namespace {

QString text(const QByteArray& bytes)
{
    return jet4Text(bytes.constData(), int(bytes.size()));
}

} // namespace

TEST(JetValues, Jet4TextPlainAndCompressed)
{
    // UTF-16LE as it is, surrogate pairs included.
    EXPECT_EQ(text(QByteArray("A\0\xe9\0", 4)), QString::fromUtf8("Aé"));
    EXPECT_EQ(text(QByteArray("\x35\xd8\x04\xdd", 4)), QString::fromUtf8("𝔄"));
    EXPECT_EQ(text(QByteArray()), QString());
    // A trailing odd byte is dropped, not read past.
    EXPECT_EQ(text(QByteArray("A\0B", 3)), "A");
    // Compressed: FF FE, one byte per Latin-1 character...
    EXPECT_EQ(text(QByteArray("\xff\xfe" "Sword", 7)), "Sword");
    EXPECT_EQ(text(QByteArray("\xff\xfe" "caf\xe9", 6)), QString::fromUtf8("café"));
    // ...a zero switches to two-byte units and back.
    EXPECT_EQ(text(QByteArray("\xff\xfe" "ab\0\x14\x20\0cd", 11)), QString::fromUtf8("ab—cd"));
    EXPECT_EQ(text(QByteArray("\xff\xfe", 2)), QString());
    // An odd byte left in a two-byte run is dropped.
    EXPECT_EQ(text(QByteArray("\xff\xfe" "a\0\x14", 5)), "a");
}

TEST(JetValues, DatesAsIsoText)
{
    EXPECT_EQ(jetDateText(0.0), "1899-12-30T00:00:00");
    EXPECT_EQ(jetDateText(38047.5208333333), "2004-03-01T12:30:00");
    EXPECT_EQ(jetDateText(1.25), "1899-12-31T06:00:00");
    // Before 1899-12-30 the whole part counts back, the fraction still forward.
    EXPECT_EQ(jetDateText(-1.25), "1899-12-29T06:00:00");
    // A time a hair before midnight rounds to the next day.
    EXPECT_EQ(jetDateText(2.9999999), "1900-01-02T00:00:00");
    EXPECT_EQ(jetDateText(-1.9999999), "1899-12-30T00:00:00");
    EXPECT_EQ(jetDateText(2958465.99998843), "9999-12-31T23:59:59");
    // Nothing a calendar shows.
    EXPECT_EQ(jetDateText(1e300), QString());
    EXPECT_EQ(jetDateText(std::nan("")), QString());
    EXPECT_EQ(jetDateText(-700000.0), QString());
}

TEST(JetValues, SinglesKeepTheirDecimalText)
{
    EXPECT_EQ(singleAsDouble(0.1f), 0.1);
    EXPECT_EQ(singleAsDouble(12.75f), 12.75);
    EXPECT_EQ(singleAsDouble(-3.3f), -3.3);
    EXPECT_EQ(singleAsDouble(16777216.0f), 16777216.0);
    EXPECT_TRUE(std::isinf(singleAsDouble(std::numeric_limits<float>::infinity())));
}
