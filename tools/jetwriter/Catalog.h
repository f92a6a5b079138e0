#pragma once
// The catalog table (MSysObjects, its definition on page 2): one row per object, a table's row
// naming the page of its definition.

#include "tools/jetwriter/ColumnLayout.h"
#include "tools/jetwriter/JetWriter.h"

#include <QDateTime>
#include <QString>
#include <vector>

namespace jet {

struct CatalogEntry {
    QString name;
    qint32 id;        // a table's id is the page of its definition
    qint32 parentId;
    qint16 type;
    qint32 flags;
};

class Catalog {
public:
    static constexpr quint32 kDefinitionPage = 2;
    static const QString& tableName();
    static std::vector<ColumnDeclaration> columns();

    explicit Catalog(const QDateTime& created) : m_created(created) {}
    void addUserTable(const QString& name, quint32 definitionPage);
    // The Tables container's row, the catalog's own row, then the user tables'.
    std::vector<std::vector<Cell>> rows() const;

private:
    std::vector<Cell> row(const CatalogEntry& entry) const;

    QDateTime m_created;
    std::vector<CatalogEntry> m_tables;
};

} // namespace jet
