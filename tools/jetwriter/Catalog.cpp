#include "tools/jetwriter/Catalog.h"

namespace jet {

namespace {
constexpr qint16 kTableType = 1;
constexpr qint16 kContainerType = 3;
constexpr qint32 kTablesContainerId = 0x0f000001;
constexpr qint32 kRootId = 0x0f000000;
constexpr qint32 kSystemObject = qint32(0x80000002u);
constexpr qint32 kContainerFlags = qint32(0x80000000u);
} // namespace

const QString& Catalog::tableName()
{
    static const QString name("MSysObjects");
    return name;
}

std::vector<ColumnDeclaration> Catalog::columns()
{
    return {{"Id", JetType::Long},          {"ParentId", JetType::Long},      {"Name", JetType::Text, 255},
            {"Type", JetType::Integer},     {"DateCreate", JetType::DateTime}, {"DateUpdate", JetType::DateTime},
            {"Flags", JetType::Long},       {"Database", JetType::Memo},      {"Connect", JetType::Memo},
            {"ForeignName", JetType::Text, 255}, {"Lv", JetType::Ole},         {"LvProp", JetType::Ole},
            {"LvModule", JetType::Ole},     {"LvExtra", JetType::Ole}};
}

void Catalog::addUserTable(const QString& name, quint32 definitionPage)
{
    m_tables.push_back({name, qint32(definitionPage), kTablesContainerId, kTableType, 0});
}

std::vector<Cell> Catalog::row(const CatalogEntry& entry) const
{
    const std::monostate null;
    return {qint64(entry.id), qint64(entry.parentId), entry.name, qint64(entry.type), m_created, m_created,
            qint64(entry.flags), null, null, null, null, null, null, null};
}

std::vector<std::vector<Cell>> Catalog::rows() const
{
    std::vector<std::vector<Cell>> out;
    out.push_back(row({"Tables", kTablesContainerId, kRootId, kContainerType, kContainerFlags}));
    out.push_back(row({tableName(), qint32(kDefinitionPage), kTablesContainerId, kTableType, kSystemObject}));
    for (const CatalogEntry& table : m_tables)
        out.push_back(row(table));
    return out;
}

} // namespace jet
