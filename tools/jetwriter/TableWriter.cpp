#include "tools/jetwriter/TableWriter.h"

#include "tools/jetwriter/RowPacker.h"
#include "tools/jetwriter/TableDefinition.h"
#include "tools/jetwriter/TextCodec.h"
#include "tools/jetwriter/UsageMap.h"

#include <stdexcept>

namespace jet {

namespace {
// Access compresses a memo only up to this many characters.
constexpr int kMaxCompressedMemo = 1024;
} // namespace

TableWriter::TableWriter(PageFile& file, MapStore& maps, TableLayout layout, bool system,
                         std::optional<quint32> definitionPage)
    : m_file(file), m_maps(maps), m_layout(std::move(layout)), m_system(system), m_longValues(file)
{
    const int pages = TableDefinition::pageCount(m_layout, file.format());
    if (definitionPage)
        m_definitionPages.push_back(*definitionPage);
    while (int(m_definitionPages.size()) < pages)
        m_definitionPages.push_back(file.allocate());
}

Field TableWriter::encodeCell(const ColumnSlot& column, const Cell& cell)
{
    const Format& format = m_file.format();
    if (column.fixed)
        return encodeFixedCell(column, cell);
    Field field;
    if (column.type == JetType::Ole) {
        if (!std::holds_alternative<std::monostate>(cell))
            throw std::runtime_error("column \"" + column.name.toStdString() + "\" only takes NULL here");
        return field;
    }
    const std::optional<QString> text = cellText(cell);
    if (!text)
        return field;
    field.null = false;
    if (column.type == JetType::Text) {
        if (text->size() > column.textLength)
            throw std::runtime_error("column \"" + column.name.toStdString() + "\" holds at most " +
                                     std::to_string(column.textLength) + " characters, the value has " +
                                     std::to_string(text->size()));
        field.bytes = encodeText(*text, format, column.compressed);
    } else {
        const bool compress = column.compressed && text->size() <= kMaxCompressedMemo;
        field.bytes = m_longValues.field(encodeText(*text, format, compress));
    }
    return field;
}

void TableWriter::addRow(const std::vector<Cell>& row)
{
    const auto& columns = m_layout.columns();
    if (row.size() != columns.size())
        throw std::runtime_error("the row has " + std::to_string(row.size()) + " values for " +
                                 std::to_string(columns.size()) + " columns");
    std::vector<Field> fields;
    fields.reserve(columns.size());
    for (const ColumnSlot& column : columns)
        fields.push_back(encodeCell(column, row[size_t(column.number)]));
    const QByteArray packed = packRow(m_layout, fields, m_file.format());
    if (packed.size() > m_file.format().maxRowSize())
        throw std::runtime_error("the row takes " + std::to_string(packed.size()) + " bytes, a page holds " +
                                 std::to_string(m_file.format().maxRowSize()));
    if (!m_page || !m_page->fits(packed.size())) {
        if (m_page)
            m_file.write(m_page->number(), m_page->bytes());
        m_page.emplace(m_file.format(), m_file.allocate(), definitionPage());
        m_dataPages.push_back(m_page->number());
    }
    m_page->add(packed);
    ++m_rows;
}

void TableWriter::finish()
{
    if (m_page)
        m_file.write(m_page->number(), m_page->bytes());
    m_page.reset();
    m_longValues.finish();

    TableDefinition definition;
    definition.layout = &m_layout;
    definition.system = m_system;
    definition.rowCount = m_rows;
    definition.usageMap = m_maps.add(buildUsageMap(m_dataPages, m_file));
    definition.freeMap = m_maps.add(buildUsageMap({}, m_file));
    const std::vector<QByteArray> pages = definition.build(m_file.format(), m_definitionPages);
    for (size_t i = 0; i < pages.size(); ++i)
        m_file.write(m_definitionPages[i], pages[i]);
}

} // namespace jet
