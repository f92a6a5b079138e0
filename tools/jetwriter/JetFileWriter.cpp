#include "tools/jetwriter/JetFileWriter.h"

#include "tools/jetwriter/HeaderPage.h"

#include <stdexcept>

namespace jet {

namespace {

// Every file carries the same creation date, so the same tables give the same bytes.
const QDateTime kCreated(QDate(2024, 1, 15), QTime(9, 30));
constexpr quint32 kHeaderPage = 0;
constexpr quint32 kFirstMapPage = 1;

JetType jetType(ColumnType type)
{
    switch (type) {
    case ColumnType::Boolean: return JetType::Boolean;
    case ColumnType::Byte: return JetType::Byte;
    case ColumnType::Integer: return JetType::Integer;
    case ColumnType::Long: return JetType::Long;
    case ColumnType::Double: return JetType::Double;
    case ColumnType::Text: return JetType::Text;
    case ColumnType::Memo: return JetType::Memo;
    case ColumnType::DateTime: return JetType::DateTime;
    }
    throw std::logic_error("unknown column type");
}

// Pages 0, 1 and 2 come first in every file, whatever is allocated after them.
PageFile& reserveFixedPages(PageFile& file)
{
    file.allocate();
    file.allocate();
    file.allocate();
    return file;
}

} // namespace

JetFileWriter::JetFileWriter(const QString& path, const WriteOptions& options)
    : m_format(Format::of(options.version)), m_options(options), m_created(kCreated), m_file(path, m_format),
      m_maps(reserveFixedPages(m_file), kFirstMapPage), m_catalog(m_created)
{
    m_names.insert(Catalog::tableName().toCaseFolded());
    m_file.write(kHeaderPage, headerPage(m_format, m_created, m_options.password));
}

JetFileWriter::~JetFileWriter() = default;

void JetFileWriter::beginTable(const QString& name, const std::vector<Column>& columns)
{
    if (m_table)
        throw std::logic_error("a table was begun before the last one ended");
    checkObjectName(name, "table");
    if (m_names.contains(name.toCaseFolded()))
        throw std::runtime_error("table \"" + name.toStdString() + "\" appears twice");
    m_names.insert(name.toCaseFolded());
    std::vector<ColumnDeclaration> declared;
    for (const Column& column : columns)
        declared.push_back({column.name, jetType(column.type), column.textLength});
    try {
        m_table = std::make_unique<TableWriter>(m_file, m_maps, TableLayout(declared, m_format, m_options.compressText),
                                                false);
    } catch (const std::runtime_error& e) {
        throw std::runtime_error("table \"" + name.toStdString() + "\": " + e.what());
    }
    m_tableName = name;
}

void JetFileWriter::addRow(const std::vector<Cell>& row)
{
    if (!m_table)
        throw std::logic_error("a row was added outside a table");
    try {
        m_table->addRow(row);
    } catch (const std::runtime_error& e) {
        throw std::runtime_error("table \"" + m_tableName.toStdString() + "\", row " +
                                 std::to_string(m_table->rowCount() + 1) + ": " + e.what());
    }
}

void JetFileWriter::endTable()
{
    if (!m_table)
        throw std::logic_error("a table was ended that was never begun");
    m_table->finish();
    m_catalog.addUserTable(m_tableName, m_table->definitionPage());
    m_table.reset();
}

void JetFileWriter::commit()
{
    if (m_table)
        throw std::logic_error("the file was committed with a table still open");
    TableWriter catalog(m_file, m_maps, TableLayout(Catalog::columns(), m_format, m_options.compressText), true,
                        Catalog::kDefinitionPage);
    for (const std::vector<Cell>& row : m_catalog.rows())
        catalog.addRow(row);
    catalog.finish();
    m_maps.finish();
    m_file.commit();
}

} // namespace jet
