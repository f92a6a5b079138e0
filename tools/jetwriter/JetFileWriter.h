#pragma once
// A whole Jet file, written as its tables come: the header page, each table's definition, data
// and long values, then the catalog and the usage-map pages. Rows stream through; only the
// page being filled is held.

#include "tools/jetwriter/Catalog.h"
#include "tools/jetwriter/JetWriter.h"
#include "tools/jetwriter/MapStore.h"
#include "tools/jetwriter/PageFile.h"
#include "tools/jetwriter/TableWriter.h"

#include <QSet>
#include <memory>

namespace jet {

class JetFileWriter {
public:
    // Nothing appears at path until commit() succeeds.
    JetFileWriter(const QString& path, const WriteOptions& options);
    ~JetFileWriter();

    void beginTable(const QString& name, const std::vector<Column>& columns);
    void addRow(const std::vector<Cell>& row);
    void endTable();
    void commit();

private:
    const Format& m_format;
    WriteOptions m_options;
    QDateTime m_created;
    PageFile m_file;
    MapStore m_maps;
    Catalog m_catalog;
    QSet<QString> m_names;
    QString m_tableName;
    std::unique_ptr<TableWriter> m_table;
};

} // namespace jet
