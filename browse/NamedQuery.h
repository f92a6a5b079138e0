#pragma once
// Creating a window's query: a dataset named as the design names it, over the connection.

#include <QString>

class Connection;
class Dataset;
class QObject;

/// A dataset over connection (which must outlive it) with this object name and Jet statement,
/// owned by parent; not opened yet.
Dataset* namedQuery(Connection& connection, const QString& name, const QString& jetSql, QObject* parent);

/// The same over a whole table in its natural order.
Dataset* namedTable(Connection& connection, const QString& name, const QString& table, QObject* parent);
