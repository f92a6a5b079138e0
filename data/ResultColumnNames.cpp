#include "data/ResultColumnNames.h"

#include "data/SqlTokens.h"

#include <QHash>
#include <QSet>

#include <sqlite3.h>

namespace {

struct TableRef {
    QString table;
    QString alias; // the name the statement qualifies columns with
};

struct NamedItem {
    QString bare;
    QString qualifier; // empty for aliases, expressions and unqualified columns
};

bool isKeyword(const SqlToken& t)
{
    static const char* const words[] = {"INNER", "LEFT", "RIGHT", "OUTER", "FULL", "CROSS", "NATURAL", "JOIN", "ON",
                                        "AS", "USING", "WHERE", "GROUP", "ORDER", "UNION", "HAVING", "LIMIT",
                                        "EXCEPT", "INTERSECT"};
    for (const char* w : words)
        if (t.isWord(w))
            return true;
    return false;
}

QStringList tableColumns(sqlite3* db, const QString& table)
{
    QStringList cols;
    sqlite3_stmt* st = nullptr;
    const QString sql = QStringLiteral("PRAGMA table_info(\"%1\")").arg(QString(table).replace(QLatin1Char('"'), QStringLiteral("\"\"")));
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr) == SQLITE_OK) {
        while (sqlite3_step(st) == SQLITE_ROW)
            cols << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 1)));
    }
    sqlite3_finalize(st);
    return cols;
}

QVector<TableRef> parseFrom(const QVector<SqlToken>& t)
{
    QVector<TableRef> refs;
    bool expectTable = true;
    bool inOn = false;
    for (int i = 0; i < t.size(); ++i) {
        const SqlToken& k = t[i];
        if (k.isWord("JOIN") || k.isPunct(",")) {
            expectTable = true;
            inOn = false;
        } else if (k.isWord("ON") || k.isWord("USING")) {
            inOn = true;
            expectTable = false;
        } else if (inOn) {
            continue;
        } else if (k.isPunct("(")) {
            // A nested join or a sub-select; names inside a sub-select are not ours.
            if (i + 1 < t.size() && t[i + 1].isWord("SELECT")) {
                int depth = k.depth;
                while (i + 1 < t.size() && !(t[i + 1].isPunct(")") && t[i + 1].depth == depth))
                    ++i;
                expectTable = false;
            }
        } else if (expectTable && k.isIdentifier() && !isKeyword(k)) {
            TableRef ref;
            ref.table = k.text;
            int j = i + 1;
            // schema.table
            if (j + 1 < t.size() && t[j].isPunct(".") && t[j + 1].isIdentifier()) {
                ref.table = t[j + 1].text;
                j += 2;
            }
            if (j < t.size() && t[j].isWord("AS") && j + 1 < t.size()) {
                ref.alias = t[j + 1].text;
                j += 2;
            } else if (j < t.size() && t[j].isIdentifier() && !isKeyword(t[j])) {
                ref.alias = t[j].text;
                ++j;
            }
            if (ref.alias.isEmpty())
                ref.alias = ref.table;
            refs.push_back(ref);
            i = j - 1;
            expectTable = false;
        }
    }
    return refs;
}

// Removes parentheses that enclose the whole item: DISTINCT(weapons.weapon_type).
QVector<SqlToken> stripParens(QVector<SqlToken> t)
{
    while (t.size() >= 2 && t.front().isPunct("(") && t.back().isPunct(")")) {
        const int depth = t.front().depth;
        bool whole = true;
        for (int i = 1; i + 1 < t.size(); ++i)
            if (t[i].isPunct(")") && t[i].depth == depth) {
                whole = false;
                break;
            }
        if (!whole)
            break;
        t = t.mid(1, t.size() - 2);
    }
    return t;
}

} // namespace

QStringList resultColumnNames(sqlite3* db, sqlite3_stmt* stmt, const QString& sqliteSql)
{
    const int count = sqlite3_column_count(stmt);
    QStringList fallback;
    for (int i = 0; i < count; ++i)
        fallback << QString::fromUtf8(sqlite3_column_name(stmt, i));

    const QVector<SqlToken> tokens = tokenizeSql(sqliteSql);
    int i = 0;
    while (i < tokens.size() && !tokens[i].isWord("SELECT"))
        ++i;
    if (i == tokens.size())
        return fallback;
    const int selectDepth = tokens[i].depth;
    ++i;
    if (i < tokens.size() && (tokens[i].isWord("DISTINCT") || tokens[i].isWord("ALL") || tokens[i].isWord("DISTINCTROW")))
        ++i;

    QVector<QVector<SqlToken>> items(1);
    for (; i < tokens.size(); ++i) {
        const SqlToken& k = tokens[i];
        if (k.depth == selectDepth && k.isWord("FROM"))
            break;
        if (k.depth == selectDepth && k.isPunct(",")) {
            items.push_back({});
            continue;
        }
        items.back().push_back(k);
    }
    QVector<SqlToken> fromTokens;
    if (i < tokens.size()) {
        for (++i; i < tokens.size(); ++i) {
            const SqlToken& k = tokens[i];
            if (k.depth == selectDepth &&
                (k.isWord("WHERE") || k.isWord("GROUP") || k.isWord("ORDER") || k.isWord("UNION") || k.isWord("HAVING") ||
                 k.isWord("LIMIT") || k.isWord("EXCEPT") || k.isWord("INTERSECT") || k.isPunct(";")))
                break;
            fromTokens.push_back(k);
        }
    }
    const QVector<TableRef> refs = parseFrom(fromTokens);
    auto tableOf = [&](const QString& qualifier) -> QString {
        for (const TableRef& r : refs)
            if (r.alias.compare(qualifier, Qt::CaseInsensitive) == 0)
                return r.table;
        for (const TableRef& r : refs)
            if (r.table.compare(qualifier, Qt::CaseInsensitive) == 0)
                return r.table;
        return qualifier;
    };

    QVector<NamedItem> named;
    for (const QVector<SqlToken>& raw : items) {
        QVector<SqlToken> t = stripParens(raw);
        if (t.size() >= 3 && t[t.size() - 2].isWord("AS") && t.back().isIdentifier()) {
            named.push_back({t.back().text, QString()});
            continue;
        }
        if (t.size() == 1 && t[0].isPunct("*")) {
            for (const TableRef& r : refs)
                for (const QString& c : tableColumns(db, r.table))
                    named.push_back({c, r.alias});
        } else if (t.size() == 3 && t[0].isIdentifier() && t[1].isPunct(".") && t[2].isPunct("*")) {
            for (const QString& c : tableColumns(db, tableOf(t[0].text)))
                named.push_back({c, t[0].text});
        } else if (t.size() == 3 && t[0].isIdentifier() && t[1].isPunct(".") && t[2].isIdentifier()) {
            named.push_back({t[2].text, t[0].text});
        } else if (t.size() == 1 && t[0].isIdentifier()) {
            named.push_back({t[0].text, QString()});
        } else {
            named.push_back({QString(), QString()}); // an expression: SQLite names it
        }
    }
    if (named.size() != count)
        return fallback;

    // A bare name shared by columns of different tables takes each column's qualifier.
    QHash<QString, QSet<QString>> tablesByName;
    for (const NamedItem& n : named)
        if (!n.qualifier.isEmpty())
            tablesByName[n.bare.toLower()].insert(n.qualifier.toLower());
    QStringList names;
    for (int c = 0; c < count; ++c) {
        const NamedItem& n = named[c];
        if (n.bare.isEmpty())
            names << fallback[c];
        else if (!n.qualifier.isEmpty() && tablesByName.value(n.bare.toLower()).size() > 1)
            names << n.qualifier + QLatin1Char('.') + n.bare;
        else
            names << n.bare;
    }
    return names;
}
