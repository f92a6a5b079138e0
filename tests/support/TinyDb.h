#pragma once
// A small database made for one test in a temporary folder, and datasets over it.

#include "data/Connection.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>

class Dataset;

class TinyDb {
public:
    /// Creates gd.mdb in a fresh temporary folder and runs the statements in it.
    explicit TinyDb(const char* sql);
    Connection& connection() { return m_connection; }
    QString folder() const { return m_dir.path() + QLatin1Char('/'); }
    /// An open dataset over a Jet statement.
    std::unique_ptr<Dataset> query(const QString& jetSql);

private:
    QTemporaryDir m_dir;
    Connection m_connection;
};

/// Rows of "things" used by the grid, model and search tests. Ordered by price they read:
/// Zircon Wand, apple pie, Axe of Dawn, Broad Axe, axe handle, O'Brien's Hat, Cellar Key.
inline const char* const kThingsSql = R"(
CREATE TABLE things (id INTEGER, name TEXT, kind TEXT, price REAL, icon TEXT);
INSERT INTO things VALUES (1, 'Zircon Wand', 'Wand', 1.5, 'wand');
INSERT INTO things VALUES (2, 'apple pie', 'Food', 2, NULL);
INSERT INTO things VALUES (3, 'Axe of Dawn', 'Axe', 3.25, 'axe.gif');
INSERT INTO things VALUES (4, 'Broad Axe', 'Axe', 4, 'axe');
INSERT INTO things VALUES (5, 'axe handle', 'Part', 5, '');
INSERT INTO things VALUES (6, 'O''Brien''s Hat', 'Hunter''s Gear', 6, 'hat');
INSERT INTO things VALUES (7, 'Cellar Key', 'Key', 7, 'missing');
)";
inline const char* const kThingsQuery = "SELECT id, name, kind, price, icon FROM things ORDER BY price";
