#pragma once
// Decodes a JPEG file held in memory through libjpeg's decompression API.

#include <QByteArray>
#include <QImage>

#include <cstddef>

class JpegDecoder {
public:
    /// Largest picture accepted, in pixels: a damaged header must not make us allocate gigabytes.
    static constexpr qint64 kMaxPixels = qint64(64) * 1024 * 1024;

    /// The picture as an RGB888 image (grey pictures come out grey in RGB). Throws JpegError with
    /// libjpeg's own text for an empty, truncated or corrupt buffer; libjpeg's warnings (such as a
    /// premature end of data) count as errors, so a damaged picture never shows half decoded.
    static QImage decode(const unsigned char* data, size_t size);
    static QImage decode(const QByteArray& bytes);
};
