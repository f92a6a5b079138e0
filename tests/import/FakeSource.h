#pragma once
// A source of tables held in memory, for testing the import without a Jet file: tables of named
// columns and rows of values, and a table that fails after some rows.

#include "data/DbError.h"
#include "import/SourceTable.h"

#include <QHash>

#include <deque>
#include <functional>

struct FakeTable {
    QString name;
    QVector<SourceColumn> columns;
    QVector<QVector<Value>> rows;
    /// Throws DbError instead of the row at this place; -1 never.
    int failAt = -1;
};

class FakeSource : public TableSource {
public:
    FakeTable& add(const QString& name, const QVector<SourceColumn>& columns)
    {
        m_tables.push_back(FakeTable{name, columns, {}, -1});
        return m_tables.back();
    }
    FakeTable& table(const QString& name)
    {
        for (FakeTable& t : m_tables)
            if (t.name == name)
                return t;
        throw DbError(QStringLiteral("no fake table %1").arg(name));
    }
    /// Called before each row is handed out (rows read so far in all tables).
    std::function<void(qint64)> beforeRow;

    QStringList tableNames() override
    {
        QStringList names;
        for (const FakeTable& t : m_tables)
            names << t.name;
        return names;
    }
    QVector<SourceColumn> columns(const QString& name) override { return table(name).columns; }
    qint64 rowCount(const QString& name) override { return table(name).rows.size(); }
    std::unique_ptr<SourceRows> rows(const QString& name) override { return std::make_unique<Rows>(table(name), *this); }

    qint64 rowsRead = 0;

private:
    class Rows : public SourceRows {
    public:
        Rows(const FakeTable& t, FakeSource& s) : m_table(t), m_source(s) {}
        bool next(QVector<Value>& row) override
        {
            if (m_at >= m_table.rows.size())
                return false;
            if (m_source.beforeRow)
                m_source.beforeRow(m_source.rowsRead);
            if (m_at == m_table.failAt)
                throw DbError(QStringLiteral("fake table %1 is damaged at row %2").arg(m_table.name).arg(m_at + 1));
            row = m_table.rows[m_at++];
            ++m_source.rowsRead;
            return true;
        }

    private:
        const FakeTable& m_table;
        FakeSource& m_source;
        int m_at = 0;
    };

    std::deque<FakeTable> m_tables;
};

inline SourceColumn column(const char* name, SourceKind kind)
{
    return SourceColumn{QString::fromUtf8(name), kind, QString()};
}

/// Every table of the game's schema with every column (kinds after the declared types), no rows.
FakeSource gameShapedSource();
