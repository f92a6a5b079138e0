#include "tools/jetwriter/TableDefinition.h"

#include "tools/jetwriter/Bytes.h"
#include "tools/jetwriter/TextCodec.h"

#include <stdexcept>

namespace jet {

namespace {

constexpr int kPageHeader = 8; // page type, 0x01, free space (Jet 3: "VC"), next page
constexpr quint8 kFixedFlag = 0x01;
constexpr quint8 kNullableFlag = 0x02;
constexpr quint8 kCompressedFlag = 0x01;
constexpr quint8 kUserTable = 0x4e;
constexpr quint8 kSystemTable = 0x53;

// Offsets within the first page of the header fields that follow the definition's length.
struct HeaderOffsets {
    int rowCount, tableType, maxColumns, varColumns, columns, indexes, realIndexes, usageMap, freeMap;
};
HeaderOffsets headerOffsets(const Format& format)
{
    if (format.unicode())
        return {16, 40, 41, 43, 45, 47, 51, 55, 59};
    return {12, 20, 21, 23, 25, 27, 31, 35, 39};
}

QByteArray columnEntry(const ColumnSlot& column, const Format& format)
{
    const bool text = column.type == JetType::Text || column.type == JetType::Memo;
    const quint8 flags = (column.fixed ? kFixedFlag : 0) | kNullableFlag;
    const int length = column.type == JetType::Boolean ? 1 : column.length;
    QByteArray entry(format.tdefColumnEntrySize, '\0');
    bytes::put8(entry, 0, quint8(column.type));
    if (format.unicode()) {
        bytes::put16(entry, 5, quint16(column.number));
        bytes::put16(entry, 7, quint16(column.fixed ? 0 : column.varIndex));
        bytes::put16(entry, 9, quint16(column.number));
        if (text)
            bytes::put16(entry, 11, quint16(format.textSortOrder));
        bytes::put8(entry, 15, flags);
        bytes::put8(entry, 16, column.compressed ? kCompressedFlag : 0);
        bytes::put16(entry, 21, quint16(column.fixed ? column.fixedOffset : 0));
        bytes::put16(entry, 23, quint16(length));
    } else {
        bytes::put16(entry, 1, quint16(column.number));
        bytes::put16(entry, 3, quint16(column.fixed ? 0 : column.varIndex));
        bytes::put16(entry, 5, quint16(column.number));
        if (text) {
            bytes::put16(entry, 7, quint16(format.textSortOrder));
            bytes::put16(entry, 9, quint16(format.codePage));
        }
        bytes::put8(entry, 13, flags);
        bytes::put16(entry, 14, quint16(column.fixed ? column.fixedOffset : 0));
        bytes::put16(entry, 16, quint16(length));
    }
    return entry;
}

QByteArray columnName(const ColumnSlot& column, const Format& format)
{
    const QByteArray name = encodeName(column.name, format);
    QByteArray out;
    if (format.unicode())
        bytes::append16(out, quint16(name.size()));
    else
        bytes::append8(out, quint8(name.size()));
    return out + name;
}

// Everything after the 8-byte page header, as one stream.
QByteArray body(const TableDefinition& def, const TableLayout& layout, const Format& format)
{
    const HeaderOffsets at = headerOffsets(format);
    QByteArray out(format.tdefColumnsOffset, '\0');
    bytes::put32(out, at.rowCount, def.rowCount);
    bytes::put8(out, at.tableType, def.system ? kSystemTable : kUserTable);
    const int columns = int(layout.columns().size());
    bytes::put16(out, at.maxColumns, quint16(columns));
    bytes::put16(out, at.varColumns, quint16(layout.varCount()));
    bytes::put16(out, at.columns, quint16(columns));
    bytes::put32(out, at.indexes, 0);
    bytes::put32(out, at.realIndexes, 0);
    bytes::put32(out, at.usageMap, def.usageMap);
    bytes::put32(out, at.freeMap, def.freeMap);
    for (const ColumnSlot& column : layout.columns())
        out.append(columnEntry(column, format));
    for (const ColumnSlot& column : layout.columns())
        out.append(columnName(column, format));
    bytes::append16(out, 0xffff); // no per-column usage maps follow
    bytes::put32(out, 8, quint32(out.size()));
    return out.mid(kPageHeader);
}

int pagesFor(int bodySize, const Format& format)
{
    const int perPage = format.pageSize - kPageHeader;
    return (bodySize + perPage - 1) / perPage;
}

} // namespace

int TableDefinition::pageCount(const TableLayout& layout, const Format& format)
{
    TableDefinition def;
    def.layout = &layout;
    return pagesFor(body(def, layout, format).size(), format);
}

std::vector<QByteArray> TableDefinition::build(const Format& format, const std::vector<quint32>& pages) const
{
    const QByteArray stream = body(*this, *layout, format);
    if (int(pages.size()) != pagesFor(stream.size(), format))
        throw std::logic_error("a table definition was given the wrong number of pages");
    const int perPage = format.pageSize - kPageHeader;
    std::vector<QByteArray> out;
    for (size_t i = 0; i < pages.size(); ++i) {
        const QByteArray part = stream.mid(int(i) * perPage, perPage);
        QByteArray page(format.pageSize, '\0');
        bytes::put8(page, 0, 0x02);
        bytes::put8(page, 1, 0x01);
        if (format.unicode())
            bytes::put16(page, 2, quint16(perPage - part.size()));
        else
            page.replace(2, 2, "VC");
        bytes::put32(page, 4, i + 1 < pages.size() ? pages[i + 1] : 0);
        page.replace(kPageHeader, part.size(), part);
        out.push_back(page);
    }
    return out;
}

} // namespace jet
