#include "tools/jetwriter/RowPacker.h"

#include "tools/jetwriter/Bytes.h"

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

} // namespace

QByteArray packRow(const TableLayout& layout, const std::vector<Field>& fields, const Format& format)
{
    (void)format;
    return packRow4(layout, fields);
}

} // namespace jet
