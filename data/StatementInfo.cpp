#include "data/StatementInfo.h"

#include "data/DbError.h"
#include "data/ReadFailure.h"
#include "data/ResultColumnNames.h"
#include "data/SelectShape.h"

#include <QRegularExpression>

#include <sqlite3.h>

#include <optional>

namespace {

struct Statement {
    sqlite3_stmt* handle = nullptr;
    ~Statement() { sqlite3_finalize(handle); }
};

QString quotedName(const QString& name) {
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

// Integer < Float < Text, as a column widens while its values arrive.
ValueType widened(ValueType have, int sqliteType) {
    switch (sqliteType) {
    case SQLITE_INTEGER:
        return have == ValueType::Null ? ValueType::Integer : have;
    case SQLITE_FLOAT:
        return have == ValueType::Text ? have : ValueType::Float;
    case SQLITE_NULL:
        return have;
    default:
        return ValueType::Text;
    }
}

// The item without its alias: "x.y AS z", "x.y z" and "y z" give x.y and y.
QVector<SqlToken> withoutAlias(QVector<SqlToken> t) {
    const int n = t.size();
    if (n >= 3 && t[n - 2].isWord("AS"))
        return t.mid(0, n - 2);
    const bool bare = n == 2 && t[0].isIdentifier();
    const bool qualified = n == 4 && t[0].isIdentifier() && t[1].isPunct(".") && t[2].isIdentifier();
    if ((bare || qualified) && t[n - 1].isIdentifier() && !isClauseKeyword(t[n - 1]))
        return t.mid(0, n - 1);
    return t;
}

// Per result column, the column reference it comes from as the arm writes it (or a quoted
// "alias"."column" for what * expands to); empty for an expression. An empty list when the
// items do not account for exactly `count` columns.
QStringList armSources(sqlite3* db, const SelectArm& arm, const QString& sql, int count) {
    QStringList sources;
    auto tableOf = [&](const QString& qualifier) {
        for (const TableRef& r : arm.tables)
            if (r.alias.compare(qualifier, Qt::CaseInsensitive) == 0)
                return r.table;
        return qualifier;
    };
    for (const QVector<SqlToken>& item : arm.items) {
        const QVector<SqlToken> t = withoutAlias(withoutEnclosingParens(item));
        if (t.size() == 1 && t[0].isPunct("*")) {
            if (arm.hasJoinConstraintUsing)
                return {};
            for (const TableRef& r : arm.tables)
                for (const QString& c : tableColumns(db, r.table))
                    sources << quotedName(r.alias) + QLatin1Char('.') + quotedName(c);
        } else if (t.size() == 3 && t[0].isIdentifier() && t[1].isPunct(".") && t[2].isPunct("*")) {
            for (const QString& c : tableColumns(db, tableOf(t[0].text)))
                sources << quotedName(t[0].text) + QLatin1Char('.') + quotedName(c);
        } else if ((t.size() == 3 && t[0].isIdentifier() && t[1].isPunct(".") && t[2].isIdentifier()) ||
                   (t.size() == 1 && t[0].isIdentifier() && !isClauseKeyword(t[0]))) {
            sources << sql.mid(t.front().begin, t.back().end - t.front().begin);
        } else {
            sources << QString();
        }
    }
    return sources.size() == count ? sources : QStringList();
}

// The name that reads a table's row number from a statement: its INTEGER PRIMARY KEY column
// when it has one (a table inside a parenthesised join shows no rowid), else rowid.
QString rowKeyOf(sqlite3* db, const QString& table) {
    Statement info;
    const QByteArray text = QStringLiteral("PRAGMA table_info(%1)").arg(quotedName(table)).toUtf8();
    QString key = QStringLiteral("rowid");
    int keys = 0;
    if (sqlite3_prepare_v2(db, text.constData(), text.size(), &info.handle, nullptr) == SQLITE_OK &&
        info.handle) {
        while (sqlite3_step(info.handle) == SQLITE_ROW) {
            if (sqlite3_column_int(info.handle, 5) == 0)
                continue;
            ++keys;
            const QString type =
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(info.handle, 2)));
            if (type.compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0)
                key = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(info.handle, 1)));
        }
    }
    return keys == 1 ? key : QStringLiteral("rowid");
}

// The order a key's rows must come in to stand where they stand in the whole result, written
// as what to add to the statement's end: "" when its order is already total (a UNION, EXCEPT or
// INTERSECT with ORDER BY is ordered by every column after its own terms); else, for one
// SELECT read by scanning one table in row order, joining one row of each other table by its
// key and sorting afterwards (a sort that keeps ties in the order they came), ties go in that
// table's row order. Null when the whole result's order is not known this way.
std::optional<QString> totalOrder(sqlite3* db, const QString& sql, const SelectShape& shape) {
    if (shape.arms.size() > 1) {
        if (!shape.ordered || shape.operators.join(QLatin1Char(' ')).contains(QLatin1String("ALL")))
            return std::nullopt;
        return QString();
    }
    Statement plan;
    const QByteArray text = (QStringLiteral("EXPLAIN QUERY PLAN ") + sql).toUtf8();
    if (sqlite3_prepare_v2(db, text.constData(), text.size(), &plan.handle, nullptr) != SQLITE_OK ||
        !plan.handle)
        return std::nullopt;
    static const QRegularExpression scan(QStringLiteral("^SCAN (\\w+)$"));
    static const QRegularExpression byKey(
        QStringLiteral("^SEARCH \\w+ USING INTEGER PRIMARY KEY \\(rowid=\\?\\)$"));
    QString driver;
    bool sorted = false;
    while (sqlite3_step(plan.handle) == SQLITE_ROW) {
        const QString step =
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(plan.handle, 3)));
        const QRegularExpressionMatch m = scan.match(step);
        if (driver.isEmpty() && m.hasMatch())
            driver = m.captured(1);
        else if (!driver.isEmpty() && !sorted && byKey.match(step).hasMatch())
            continue;
        else if (!driver.isEmpty() && !sorted && shape.ordered &&
                 step == QLatin1String("USE TEMP B-TREE FOR ORDER BY"))
            sorted = true;
        else
            return std::nullopt;
    }
    if (driver.isEmpty() || shape.ordered != sorted)
        return std::nullopt;
    QString table = driver;
    for (const TableRef& r : shape.arms.front().tables)
        if (r.alias.compare(driver, Qt::CaseInsensitive) == 0)
            table = r.table;
    return (shape.ordered ? QStringLiteral(", ") : QStringLiteral(" ORDER BY ")) + driver + QLatin1Char('.') +
           rowKeyOf(db, table);
}

} // namespace

StatementInfo::StatementInfo(sqlite3* db, const QString& sqliteSql, bool withRowid,
                             const QString& shownStatement)
    : m_sql(sqliteSql), m_withRowid(withRowid) {
    Statement stmt;
    const QByteArray utf8 = sqliteSql.toUtf8();
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db, utf8.constData(), utf8.size(), &stmt.handle, &tail) != SQLITE_OK)
        throw readFailure(db, shownStatement);
    if (!stmt.handle)
        throw DbError(QStringLiteral("The statement is empty: %1").arg(shownStatement));
    for (const char* t = tail; t && *t; ++t)
        if (*t != ';' && !QChar::isSpace(static_cast<unsigned char>(*t)))
            throw DbError(QStringLiteral("More than one statement given: %1").arg(shownStatement));

    const bool hasParams = sqlite3_bind_parameter_count(stmt.handle) > 0;
    if (withRowid) {
        for (int c = 1; c < sqlite3_column_count(stmt.handle); ++c)
            m_names << QString::fromUtf8(sqlite3_column_name(stmt.handle, c));
    } else {
        m_names = resultColumnNames(db, stmt.handle, sqliteSql);
    }
    for (int c = 0; c < m_names.size(); ++c)
        if (!m_nameIndex.contains(m_names[c].toLower()))
            m_nameIndex.insert(m_names[c].toLower(), c);
    m_typeFloor.fill(ValueType::Null, m_names.size());
    // A statement with parameters is fetched whole each time it opens with new values.
    if (!hasParams)
        probeArms(db);
}

void StatementInfo::probeArms(sqlite3* db) {
    const SelectShape shape = parseSelectShape(m_sql);
    if (!shape.understood || shape.limited)
        return;
    const int first = m_withRowid ? 1 : 0;
    const int count = m_names.size();
    QVector<QStringList> sources;
    bool keyable = true;
    bool anyRow = false;
    QVector<ValueType> floor(count, ValueType::Null);
    for (const SelectArm& arm : shape.arms) {
        // Each arm's first row in whatever order is cheapest: no ORDER BY, no sort.
        Statement probe;
        const QByteArray text =
            (m_sql.mid(arm.selectBegin, arm.end - arm.selectBegin) + QStringLiteral(" LIMIT 1")).toUtf8();
        if (sqlite3_prepare_v2(db, text.constData(), text.size(), &probe.handle, nullptr) != SQLITE_OK ||
            !probe.handle || sqlite3_column_count(probe.handle) != count + first)
            return;
        const int rc = sqlite3_step(probe.handle);
        if (rc == SQLITE_ROW) {
            anyRow = true;
            for (int c = 0; c < count; ++c)
                floor[c] = widened(floor[c], sqlite3_column_type(probe.handle, c + first));
        } else if (rc != SQLITE_DONE) {
            return;
        }
        QStringList armKeys = arm.filterable ? armSources(db, arm, m_sql, count + first) : QStringList();
        keyable = keyable && !armKeys.isEmpty();
        // Only a column declared INTEGER holds the integers a key condition compares with.
        for (int c = 0; c < armKeys.size(); ++c) {
            const char* declared = sqlite3_column_decltype(probe.handle, c);
            if (!declared || !QString::fromUtf8(declared).contains(QLatin1String("INT"), Qt::CaseInsensitive))
                armKeys[c].clear();
        }
        sources.push_back(armKeys.mid(first));
        m_armBegin.push_back(arm.selectBegin);
        m_armEnd.push_back(arm.end);
        m_conditionBegin.push_back(arm.conditionBegin);
        m_conditionEnd.push_back(arm.conditionEnd);
        m_hasWhere.push_back(arm.hasWhere);
    }
    // A key's rows are fetched in a total order that the whole result has too, or not at all.
    const std::optional<QString> order = keyable ? totalOrder(db, m_sql, shape) : std::nullopt;
    if (order) {
        Statement check;
        const QByteArray text = (QString(m_sql).insert(shape.end, *order)).toUtf8();
        if (sqlite3_prepare_v2(db, text.constData(), text.size(), &check.handle, nullptr) == SQLITE_OK &&
            check.handle) {
            m_sources = sources;
            m_orderSuffix = *order;
            m_orderAt = shape.end;
        }
    }
    m_typeFloor = floor;
    // EXCEPT and INTERSECT may take away every row the probes found.
    bool unionOnly = true;
    for (const QString& op : shape.operators)
        unionOnly = unionOnly && op.startsWith(QLatin1String("UNION"));
    m_deferrable = unionOnly;
    m_hasRows = anyRow;
}

int StatementInfo::fieldIndex(const QString& name) const {
    return m_nameIndex.value(name.trimmed().toLower(), -1);
}

bool StatementInfo::keyable(int column) const {
    if (m_sources.isEmpty() || column < 0 || column >= m_names.size())
        return false;
    for (const QStringList& arm : m_sources)
        if (arm[column].isEmpty())
            return false;
    return true;
}

QString StatementInfo::keyCondition(int arm, const QVector<int>& columns) const {
    QStringList conditions;
    for (int i = 0; i < columns.size(); ++i)
        conditions << m_sources[arm][columns[i]] + QStringLiteral(" = :tavrin_key") + QString::number(i);
    return conditions.join(QStringLiteral(" AND "));
}

void StatementInfo::insertCondition(QString& text, int shift, int arm, const QVector<int>& columns) const {
    const QString condition = keyCondition(arm, columns);
    if (m_hasWhere[arm]) {
        text.insert(m_conditionEnd[arm] - shift, QStringLiteral(") AND ") + condition);
        text.insert(m_conditionBegin[arm] - shift, QLatin1Char('('));
    } else {
        text.insert(m_conditionEnd[arm] - shift, QStringLiteral(" WHERE ") + condition);
    }
}

QString StatementInfo::keyedSql(const QVector<int>& columns) const {
    QString out = QString(m_sql).insert(m_orderAt, m_orderSuffix);
    // From the last arm back, so the offsets of the earlier ones still hold.
    for (int a = m_sources.size() - 1; a >= 0; --a)
        insertCondition(out, 0, a, columns);
    return out;
}

QString StatementInfo::keyedProbeSql(const QVector<int>& columns) const {
    QStringList arms;
    for (int a = 0; a < m_sources.size(); ++a) {
        QString arm = m_sql.mid(m_armBegin[a], m_armEnd[a] - m_armBegin[a]);
        insertCondition(arm, m_armBegin[a], a, columns);
        arms << QStringLiteral("EXISTS (") + arm + QLatin1Char(')');
    }
    return QStringLiteral("SELECT ") + arms.join(QStringLiteral(" OR "));
}
