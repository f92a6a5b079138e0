// JPEG pictures: any bytes decode to a picture of the claimed size or give a JpegError.

#include "browse/JpegDecoder.h"
#include "browse/JpegError.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        const QImage image = JpegDecoder::decode(data, size);
        if (image.isNull() || qint64(image.width()) * image.height() > JpegDecoder::kMaxPixels)
            std::abort();
    } catch (const JpegError&) {
    }
    return 0;
}
