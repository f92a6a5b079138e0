#include "browse/NamedQuery.h"

#include "data/Dataset.h"

Dataset* namedQuery(Connection& connection, const QString& name, const QString& jetSql, QObject* parent)
{
    auto* dataset = new Dataset(connection, parent);
    dataset->setObjectName(name);
    dataset->setSql(jetSql);
    return dataset;
}

Dataset* namedTable(Connection& connection, const QString& name, const QString& table, QObject* parent)
{
    auto* dataset = new Dataset(connection, parent);
    dataset->setObjectName(name);
    dataset->setTableName(table);
    return dataset;
}
