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

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <random>
#include <vector>

#include <jpeglib.h>
#include <sys/resource.h>

// AddressSanitizer reserves terabytes of address space for itself.
#if defined(__SANITIZE_ADDRESS__)
#define UNDER_ADDRESS_SANITIZER
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define UNDER_ADDRESS_SANITIZER
#endif
#endif

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

// A small progressive picture, made here so that its frame header (SOF2) can be rewritten.
QByteArray progressiveJpeg(int width, int height)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* out = nullptr;
    unsigned long outSize = 0;
    jpeg_mem_dest(&cinfo, &out, &outSize);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row(size_t(width) * 3, 0x80);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&cinfo, &r, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    const QByteArray bytes(reinterpret_cast<const char*>(out), int(outSize));
    std::free(out);
    return bytes;
}

// The same picture with a frame header that claims width x height pixels.
QByteArray claimingSize(QByteArray jpeg, int width, int height)
{
    const int sof = jpeg.indexOf(QByteArray("\xFF\xC2", 2));
    jpeg[sof + 5] = char(height >> 8);
    jpeg[sof + 6] = char(height & 0xFF);
    jpeg[sof + 7] = char(width >> 8);
    jpeg[sof + 8] = char(width & 0xFF);
    return jpeg;
}

// Run in a child process: decodes with at most `bytes` of address space and exits with 0 when
// the picture was refused for its size, 1 for any other failure, 2 when it decoded.
[[noreturn]] void decodeWithinAddressSpace(const QByteArray& jpeg, rlim_t bytes)
{
    const rlimit limit{bytes, bytes};
    setrlimit(RLIMIT_AS, &limit);
    try {
        JpegDecoder::decode(jpeg);
    } catch (const JpegError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        std::exit(e.message().contains(QStringLiteral("more than")) ? 0 : 1);
    }
    std::exit(2);
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

TEST(DamagedPicture, SizeClaimIsRefusedBeforeAnyMemoryIsReserved)
{
    const QByteArray small = progressiveJpeg(16, 16);
    ASSERT_EQ(JpegDecoder::decode(small).size(), QSize(16, 16));
    const QByteArray huge = claimingSize(small, 65476, 65496);
    ASSERT_LT(huge.size(), 1000);
    try {
        JpegDecoder::decode(huge);
        FAIL() << "decoded";
    } catch (const JpegError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("65476 x 65496 pixels, more than"))) << e.message().toStdString();
    }
#ifdef UNDER_ADDRESS_SANITIZER
    GTEST_SKIP() << "an address-space limit cannot be set under AddressSanitizer";
#endif
    // Refused from the header alone: even with 4 GB of address space (a progressive decode of
    // that size reserves about 26 GB) the refusal names the size, not a lack of memory.
    EXPECT_EXIT(decodeWithinAddressSpace(huge, rlim_t(4) << 30), ::testing::ExitedWithCode(0), "65476 x 65496");
}

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
