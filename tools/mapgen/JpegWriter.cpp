#include "tools/mapgen/JpegWriter.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <jpeglib.h>

namespace {

// libjpeg's own error_exit ends the process; jump back to encodeJpeg instead.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char text[JMSG_LENGTH_MAX];
};

void errorExit(j_common_ptr cinfo)
{
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->text);
    std::longjmp(err->jump, 1);
}

} // namespace

QByteArray encodeJpeg(const QImage& image, int quality, QString* error)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct cinfo;
    ErrorManager err;
    cinfo.err = jpeg_std_error(&err.base);
    err.base.error_exit = errorExit;
    err.text[0] = '\0';
    // libjpeg writes the output pointer during compression; kept off the stack so its value is
    // still defined after a longjmp.
    struct Output {
        unsigned char* data = nullptr;
        unsigned long size = 0;
    };
    const std::unique_ptr<Output> out(new Output);

    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&cinfo);
        std::free(out->data);
        if (error)
            *error = QString::fromLatin1(err.text);
        return {};
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &out->data, &out->size);
    cinfo.image_width = JDIMENSION(rgb.width());
    cinfo.image_height = JDIMENSION(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    // The memory destination may have grown its buffer: take the final pointer.
    QByteArray bytes(reinterpret_cast<const char*>(out->data), int(out->size));
    jpeg_destroy_compress(&cinfo);
    std::free(out->data);
    return bytes;
}
