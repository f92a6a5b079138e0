#include "tools/jetwriter/UsageMap.h"

#include "tools/jetwriter/Bytes.h"

#include <map>
#include <stdexcept>

namespace jet {

namespace {

constexpr int kInlineBitmapOffset = 5;    // type, start page
constexpr int kBitmapPageOffset = 4;      // page type, 0x01, two unknown bytes

void setBit(QByteArray& bytes, int at, quint32 bit)
{
    const int byte = at + int(bit / 8);
    bytes[byte] = char(quint8(bytes[byte]) | (1u << (bit % 8)));
}

QByteArray inlineMap(const std::vector<quint32>& pages, const Format& format)
{
    QByteArray row(format.usageMapRowSize, '\0');
    bytes::put8(row, 0, 0x00);
    const quint32 start = pages.empty() ? 0 : pages.front();
    bytes::put32(row, 1, start);
    for (quint32 page : pages)
        setBit(row, kInlineBitmapOffset, page - start);
    return row;
}

QByteArray referenceMap(const std::vector<quint32>& pages, PageFile& file)
{
    const Format& format = file.format();
    const quint32 pagesPerBitmap = quint32(format.pageSize - kBitmapPageOffset) * 8;
    std::map<quint32, QByteArray> bitmaps; // by entry: entry i covers pages from i * pagesPerBitmap
    for (quint32 page : pages) {
        QByteArray& bitmap = bitmaps[page / pagesPerBitmap];
        if (bitmap.isEmpty()) {
            bitmap = QByteArray(format.pageSize, '\0');
            bytes::put8(bitmap, 0, 0x05);
            bytes::put8(bitmap, 1, 0x01);
        }
        setBit(bitmap, kBitmapPageOffset, page % pagesPerBitmap);
    }
    QByteArray row(format.usageMapRowSize, '\0');
    bytes::put8(row, 0, 0x01);
    const quint32 entries = quint32(format.usageMapRowSize - 1) / 4;
    for (const auto& [entry, bitmap] : bitmaps) {
        if (entry >= entries)
            throw std::runtime_error("the file is larger than a usage map can describe");
        const quint32 number = file.allocate();
        file.write(number, bitmap);
        bytes::put32(row, 1 + 4 * int(entry), number);
    }
    return row;
}

} // namespace

QByteArray buildUsageMap(const std::vector<quint32>& pages, PageFile& file)
{
    const Format& format = file.format();
    const quint32 inlineSpan = quint32(format.usageMapRowSize - kInlineBitmapOffset) * 8;
    if (pages.empty() || pages.back() - pages.front() < inlineSpan)
        return inlineMap(pages, format);
    return referenceMap(pages, file);
}

} // namespace jet
