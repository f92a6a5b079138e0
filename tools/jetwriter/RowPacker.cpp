#include "tools/jetwriter/RowPacker.h"

#include "tools/jetwriter/Bytes.h"

#include <stdexcept>

namespace jet {

namespace {

QByteArray nullMask(const TableLayout& layout, const std::vector<Field>& fields)
{
    QByteArray mask((int(layout.columns().size()) + 7) / 8, '\0');
    for (const ColumnSlot& column : layout.columns()) {
        const Field& field = fields[size_t(column.number)];
        const bool bit = column.type == JetType::Boolean ? !field.null && field.flag : !field.null;
        if (bit)
            mask[column.number / 8] = char(quint8(mask[column.number / 8]) | (1u << (column.number % 8)));
    }
    return mask;
}

// The fixed area after the column count; var offsets are then relative to the row's start.
QByteArray fixedPart(const TableLayout& layout, const std::vector<Field>& fields, int countSize)
{
    QByteArray row(countSize + layout.fixedLength(), '\0');
    if (countSize == 2)
        bytes::put16(row, 0, quint16(layout.columns().size()));
    else
        bytes::put8(row, 0, quint8(layout.columns().size()));
    for (const ColumnSlot& column : layout.columns()) {
        const Field& field = fields[size_t(column.number)];
        if (column.fixed && !field.null && column.length > 0)
            row.replace(countSize + column.fixedOffset, column.length, field.bytes);
    }
    return row;
}

// Appends the variable-length values; returns where each begins, the end of data last.
std::vector<int> appendVarValues(QByteArray& row, const TableLayout& layout, const std::vector<Field>& fields)
{
    std::vector<int> offsets(size_t(layout.varCount()) + 1, 0);
    std::vector<const Field*> byIndex(size_t(layout.varCount()), nullptr);
    for (const ColumnSlot& column : layout.columns()) {
        if (!column.fixed)
            byIndex[size_t(column.varIndex)] = &fields[size_t(column.number)];
    }
    for (size_t v = 0; v < byIndex.size(); ++v) {
        offsets[v] = row.size();
        if (!byIndex[v]->null)
            row.append(byIndex[v]->bytes);
    }
    offsets.back() = row.size();
    return offsets;
}

QByteArray packRow4(const TableLayout& layout, const std::vector<Field>& fields)
{
    QByteArray row = fixedPart(layout, fields, 2);
    if (layout.varCount() > 0) {
        const std::vector<int> offsets = appendVarValues(row, layout, fields);
        bytes::append16(row, quint16(offsets.back())); // end of data
        for (int v = layout.varCount() - 1; v >= 0; --v)
            bytes::append16(row, quint16(offsets[size_t(v)]));
        bytes::append16(row, quint16(layout.varCount()));
    }
    row.append(nullMask(layout, fields));
    return row;
}

// Jet 3 stores each offset in one byte. A jump table (its entries nearest the end first) names,
// for each multiple of 256, the first offset at or beyond it. A reader counts one jump entry per
// 256 bytes of the whole row and drops the last one when the end of data does not reach it, so the
// table may end (at its low end) with such a spare entry.
QByteArray packRow3(const TableLayout& layout, const std::vector<Field>& fields)
{
    QByteArray row = fixedPart(layout, fields, 1);
    const QByteArray mask = nullMask(layout, fields);
    if (layout.varCount() == 0)
        return row + mask;
    const std::vector<int> offsets = appendVarValues(row, layout, fields);
    const int count = layout.varCount();
    const int end = offsets.back();
    const int needed = end >> 8;
    const int withoutJumps = end + (count + 1) + 1 + int(mask.size());
    int jumps = needed;
    if ((withoutJumps + jumps - 1) / 256 != jumps)
        ++jumps;
    if ((withoutJumps + jumps - 1) / 256 != jumps)
        throw std::runtime_error("the row's offset table is too long for a Jet 3 row");

    bytes::append8(row, quint8(end & 0xff));
    for (int v = count - 1; v >= 0; --v)
        bytes::append8(row, quint8(offsets[size_t(v)] & 0xff));
    std::vector<quint8> table(size_t(jumps), 0xff);
    for (int k = 0; k < needed; ++k) {
        int first = 0;
        while ((offsets[size_t(first)] >> 8) < k + 1)
            ++first;
        table[size_t(k)] = quint8(first);
    }
    for (int k = jumps - 1; k >= 0; --k)
        bytes::append8(row, table[size_t(k)]);
    bytes::append8(row, quint8(count));
    return row + mask;
}

} // namespace

QByteArray packRow(const TableLayout& layout, const std::vector<Field>& fields, const Format& format)
{
    return format.unicode() ? packRow4(layout, fields) : packRow3(layout, fields);
}

} // namespace jet
