#pragma once
// The top-level shape of an SQLite SELECT statement, read from its tokens: the arms of a
// compound (UNION, ...), each with its item list, its FROM tables and where its WHERE clause
// starts and ends, and the compound's ORDER BY. Enough to name the result columns and to write
// a condition into every arm; anything it does not follow is reported as not understood.

#include "data/SqlTokens.h"

#include <QString>
#include <QVector>

/// One table of a FROM clause and the name the statement qualifies its columns with.
struct TableRef {
    QString table;
    QString alias; ///< the table's own name when no alias is written
};

struct SelectArm {
    QVector<QVector<SqlToken>> items; ///< the item list, split at top-level commas
    QVector<TableRef> tables;
    /// A WHERE condition may be added without changing what the arm means: no GROUP BY,
    /// HAVING, WINDOW, LIMIT or aggregate function.
    bool filterable = true;
    bool hasWhere = false;
    bool hasJoinConstraintUsing = false; ///< NATURAL or USING: "*" does not expand table by table
    int selectBegin = 0;                 ///< source offset of SELECT
    int conditionBegin = 0;              ///< source offset of the WHERE condition (hasWhere)
    int conditionEnd = 0;                ///< source offset after the WHERE condition, or after FROM when none
    int end = 0;                         ///< source offset after the arm's last token
};

struct SelectShape {
    bool understood = false;
    QVector<SelectArm> arms;
    QStringList operators; ///< between the arms: "UNION", "UNION ALL", "EXCEPT", "INTERSECT"
    bool ordered = false;  ///< the statement ends in ORDER BY
    bool limited = false;  ///< a LIMIT applies to the whole statement
    int end = 0;           ///< source offset after the last token before a closing ';'
};

/// Reads the shape of a statement's SQLite text. A statement that does not start with SELECT
/// (WITH, VALUES, PRAGMA) or has text after its ';' is not understood.
SelectShape parseSelectShape(const QString& sqliteSql);

/// An item with the parentheses that enclose all of it removed: DISTINCT(weapons.weapon_type).
QVector<SqlToken> withoutEnclosingParens(QVector<SqlToken> item);

/// Whether a word is one of the keywords a FROM clause or a select list can hold.
bool isClauseKeyword(const SqlToken& t);
