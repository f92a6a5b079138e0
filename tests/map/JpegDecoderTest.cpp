// The JPEG decoder on the embedded map and on damaged copies of it: every damage must come back
// as a JpegError with libjpeg's reason, never as a crash, an exit or a half-decoded picture.

#include "browse/JpegDecoder.h"
#include "browse/JpegError.h"
#include "panes/MapGeometry.h"
#include "tools/mapgen/WorldMapJpeg.h"
#include "tools/world/WorldShape.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QColor>

#include <functional>
#include <ostream>
#include <random>

namespace {

QByteArray embeddedMap()
{
    return QByteArray(reinterpret_cast<const char*>(kWorldMapJpeg), int(kWorldMapJpegSize));
}

// Offset of the first frame header (SOF0, baseline): its height and width follow the marker.
int frameHeaderAt(const QByteArray& jpeg)
{
    for (int i = 0; i + 1 < jpeg.size(); ++i)
        if (uchar(jpeg[i]) == 0xFF && uchar(jpeg[i + 1]) == 0xC0)
            return i;
    return -1;
}

QByteArray withRandomBytes(unsigned seed, double where, int count)
{
    QByteArray bytes = embeddedMap();
    std::mt19937 random(seed);
    const int from = int(bytes.size() * where);
    for (int i = 0; i < count; ++i)
        bytes[from + i] = char(random() & 0xFF);
    return bytes;
}

TEST(EmbeddedMap, DecodesToThePictureSize)
{
    const QImage map = JpegDecoder::decode(kWorldMapJpeg, kWorldMapJpegSize);
    EXPECT_EQ(map.width(), 798);
    EXPECT_EQ(map.height(), 717);
    EXPECT_EQ(map.format(), QImage::Format_RGB888);
}

TEST(EmbeddedMap, ShowsLandWhereTheWorldHasLand)
{
    // A cross drawn for a spawn point on land must sit on land in the picture: sample the world
    // away from coasts, put each point through the cross formula and look at the pixel there.
    // Names, grid lines and the compass cover a few samples, hence the margin.
    const QImage map = JpegDecoder::decode(kWorldMapJpeg, kWorldMapJpegSize);
    int samples = 0, agreeing = 0;
    for (double v = 0.02; v < 1.0; v += 0.021)
        for (double u = 0.02; u < 1.0; u += 0.023) {
            const double h = world::height(u, v);
            if (std::abs(h) < 0.15)
                continue;
            const MapPoint p = MapGeometry::crossCentre(world::xOfU(u), world::yOfV(v), map.width(), map.height());
            const QColor c = map.pixelColor(int(p.x), int(p.y));
            const bool looksLikeSea = c.blue() > c.red() + 30 && c.blue() > c.green();
            ++samples;
            agreeing += (h < 0) == looksLikeSea;
        }
    ASSERT_GT(samples, 1000);
    EXPECT_GT(agreeing, samples * 95 / 100) << agreeing << " of " << samples;
}

struct Damage {
    const char* name;
    std::function<QByteArray()> make;
};

void PrintTo(const Damage& d, std::ostream* os) { *os << d.name; }

class DamagedPicture : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedPicture, GivesAnErrorWithTheReason)
{
    const QByteArray bytes = GetParam().make();
    try {
        const QImage image = JpegDecoder::decode(bytes);
        FAIL() << "decoded to " << image.width() << "x" << image.height();
    } catch (const JpegError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("The JPEG picture cannot be decoded: ")))
            << e.message().toStdString();
        EXPECT_GT(e.message().size(), 40) << "no reason given: " << e.message().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Damage, DamagedPicture,
    ::testing::Values(
        Damage{"empty", [] { return QByteArray(); }},
        Damage{"notAJpeg", [] { return QByteArray("\x89PNG\r\n\x1a\n and then some bytes", 28); }},
        Damage{"badStartMarker", [] { QByteArray b = embeddedMap(); b[0] = 0; b[1] = 0; return b; }},
        Damage{"headerOnly", [] { return embeddedMap().left(frameHeaderAt(embeddedMap()) + 20); }},
        Damage{"truncatedToHalf", [] { return embeddedMap().left(int(kWorldMapJpegSize / 2)); }},
        // Only the end marker missing: libjpeg merely warns of a premature end, which must count.
        Damage{"endMarkerMissing", [] { return embeddedMap().left(int(kWorldMapJpegSize) - 2); }},
        Damage{"zeroHeight", [] {
            QByteArray b = embeddedMap();
            const int sof = frameHeaderAt(b);
            b[sof + 5] = 0;
            b[sof + 6] = 0;
            return b;
        }},
        // A damaged header claiming 65500 x 65500 pixels must not try to allocate 12 GB.
        Damage{"hugeDimensions", [] {
            QByteArray b = embeddedMap();
            const int sof = frameHeaderAt(b);
            for (int i = 5; i < 9; ++i)
                b[sof + i] = char(i % 2 ? 0xFF : 0xDC);
            return b;
        }},
        Damage{"randomBytesInTheMiddle", [] { return withRandomBytes(7, 0.5, 512); }},
        Damage{"randomBytesLate", [] { return withRandomBytes(23, 0.9, 128); }}),
    [](const ::testing::TestParamInfo<Damage>& info) { return std::string(info.param.name); });

TEST(DamagedPicture, NullBufferGivesAnError)
{
    EXPECT_THROW(JpegDecoder::decode(nullptr, 100), JpegError);
}

TEST(DamagedPicture, DecoderStillWorksAfterFailures)
{
    // A failed decode must leave no state behind (the error manager lives per call).
    for (int i = 0; i < 3; ++i)
        EXPECT_THROW(JpegDecoder::decode(embeddedMap().left(1000)), JpegError);
    EXPECT_EQ(JpegDecoder::decode(embeddedMap()).size(), QSize(798, 717));
}

} // namespace
