#include "browse/JpegDecoder.h"

#include "browse/JpegError.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// libjpeg's default error_exit ends the process, and a C++ exception must not cross its C frames:
// errors (and warnings) jump back to decodeInto() instead.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char text[JMSG_LENGTH_MAX];
};

[[noreturn]] void failWithMessage(j_common_ptr cinfo)
{
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->text);
    std::longjmp(err->jump, 1);
}

void errorExit(j_common_ptr cinfo) { failWithMessage(cinfo); }

// Level -1 is a warning about damaged data (premature end, bad Huffman code, stray marker);
// higher levels are trace messages.
void emitMessage(j_common_ptr cinfo, int level)
{
    if (level < 0)
        failWithMessage(cinfo);
}

// Only trivially destructible locals live here, so the longjmp skips no destructor. The image
// belongs to the caller. Returns false with the reason in err->text.
bool decodeInto(const unsigned char* data, size_t size, QImage* image, ErrorManager* err)
{
    jpeg_decompress_struct cinfo;
    cinfo.err = jpeg_std_error(&err->base);
    err->base.error_exit = errorExit;
    err->base.emit_message = emitMessage;
    err->text[0] = '\0';
    if (setjmp(err->jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    // The size the header claims is checked before jpeg_start_decompress, which for a
    // progressive picture reserves memory for all of its pixels at once.
    const qint64 pixels = qint64(cinfo.image_width) * qint64(cinfo.image_height);
    if (pixels > JpegDecoder::kMaxPixels) {
        std::snprintf(err->text, sizeof err->text, "Unsupported picture: %u x %u pixels, more than %lld",
                      cinfo.image_width, cinfo.image_height, static_cast<long long>(JpegDecoder::kMaxPixels));
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    if (cinfo.output_components != 3) {
        std::snprintf(err->text, sizeof err->text, "Unsupported picture: %u x %u pixels, %d components",
                      cinfo.output_width, cinfo.output_height, cinfo.output_components);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    *image = QImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB888);
    if (image->isNull()) {
        std::snprintf(err->text, sizeof err->text, "Out of memory for a picture of %u x %u pixels",
                      cinfo.output_width, cinfo.output_height);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = image->scanLine(int(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

} // namespace

QImage JpegDecoder::decode(const unsigned char* data, size_t size)
{
    if (data == nullptr || size == 0)
        throw JpegError(QStringLiteral("The JPEG picture cannot be decoded: it holds no data."));
    QImage image;
    ErrorManager err;
    if (!decodeInto(data, size, &image, &err))
        throw JpegError(QStringLiteral("The JPEG picture cannot be decoded: %1.")
                            .arg(QString::fromLatin1(err.text)));
    return image;
}

QImage JpegDecoder::decode(const QByteArray& bytes)
{
    return decode(reinterpret_cast<const unsigned char*>(bytes.constData()), size_t(bytes.size()));
}
