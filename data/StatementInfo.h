#pragma once
// What one statement is, learnt once by preparing it: its result names, and whether it can be
// fetched a part at a time. A filter "column = integer" on a result column that every arm of
// the statement takes straight from a table column declared INTEGER can be written into each
// arm as a WHERE condition, so SQLite fetches only the rows of that key through the table's
// index, provided the whole result's order is known to be total (then the key's rows come in
// the order they have there, ties included); and a statement whose arms can be probed for a
// first row may open without fetching.

#include "data/Value.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

struct sqlite3;

class StatementInfo {
public:
    /// Prepares the SQLite text and every arm's probe. Throws DbError naming `shownStatement`
    /// when SQLite rejects the text, when it holds no statement or more than one.
    StatementInfo(sqlite3* db, const QString& sqliteSql, bool withRowid, const QString& shownStatement);

    const QString& sql() const { return m_sql; }
    /// The statement's first column is the row key of a table and no field.
    bool withRowid() const { return m_withRowid; }
    /// Result names of the fields (without the row key).
    const QStringList& names() const { return m_names; }
    /// Index of the first field of that name (case-insensitive), or -1.
    int fieldIndex(const QString& name) const;

    /// Whether a condition "field = integer" can be written into every arm for this field.
    bool keyable(int column) const;
    /// The statement with "<source> = :tavrin_key<i>" written into every arm for columns[i],
    /// ordered as the whole result orders those rows.
    QString keyedSql(const QVector<int>& columns) const;
    /// One row holding 1 when the keyed statement has a row, 0 when not; no sort, no join
    /// beyond the first match.
    QString keyedProbeSql(const QVector<int>& columns) const;
    /// A column of a part of the result is never narrower than this (from the arms' first rows),
    /// so a key's few rows are typed like the whole result.
    const QVector<ValueType>& typeFloor() const { return m_typeFloor; }

    /// Whether the statement's rows may be fetched when first needed: its arms were probed.
    bool deferrable() const { return m_deferrable; }
    /// Whether the probes found a row (valid when deferrable).
    bool hasRows() const { return m_hasRows; }

private:
    void probeArms(sqlite3* db);
    QString keyCondition(int arm, const QVector<int>& columns) const;
    /// Writes the key condition into one arm of text that starts `shift` characters into the statement.
    void insertCondition(QString& text, int shift, int arm, const QVector<int>& columns) const;

    QString m_sql;
    bool m_withRowid = false;
    QStringList m_names;
    QHash<QString, int> m_nameIndex; // lower-cased name -> first field of that name
    QVector<QStringList> m_sources; // per arm, per field: the column a key condition reads, or empty
    QVector<int> m_armBegin;        // per arm: source offsets of SELECT and past its last token
    QVector<int> m_armEnd;
    QVector<int> m_conditionBegin; // per arm: source offsets where the condition goes
    QVector<int> m_conditionEnd;
    QVector<bool> m_hasWhere;
    QString m_orderSuffix; // what makes a key's rows come in the whole result's order
    int m_orderAt = 0;
    QVector<ValueType> m_typeFloor;
    bool m_deferrable = false;
    bool m_hasRows = false;
};
