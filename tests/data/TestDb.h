#pragma once
// A game database built for one test in a temporary folder: the schema plus the rows a test
// writes, and a connection string pointing at it.

#include "data/Connection.h"

#include <QString>
#include <QTemporaryDir>

#include <ostream>

/// Readable QString values in test failure messages.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

class TestDb {
public:
    /// Creates <temp folder>/<subfolder>/gd.mdb from the schema, then runs `rowsSql`.
    explicit TestDb(const QString& rowsSql = QString(), const QString& subfolder = QString());

    /// The folder with its trailing separator, as the executable's folder is given.
    QString folder() const { return m_folder; }
    QString path() const { return m_folder + QStringLiteral("gd.mdb"); }
    /// Runs more SQL on the file through a connection of its own.
    void exec(const QString& sql) const;
    /// Sets the connection string of `c` to this database.
    void point(Connection& c) const { c.setConnectionString(Connection::composeConnectionString(m_folder)); }

private:
    QTemporaryDir m_dir;
    QString m_folder;
};

class Dataset;

/// Every row the dataset shows, its cells' display texts joined by '|', rows by newlines.
QString rowsText(Dataset& d);

/// The hand-made rows most tests share (items, drops, monsters, recipes, skills, quests).
QString standardRows();
