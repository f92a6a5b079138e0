#include "data/ResultColumnNames.h"

#include "data/SelectShape.h"

#include <QHash>
#include <QSet>

#include <sqlite3.h>

namespace {

struct NamedItem {
    QString bare;
    QString qualifier; // empty for aliases, expressions and unqualified columns
};

} // namespace

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

QStringList resultColumnNames(sqlite3* db, sqlite3_stmt* stmt, const QString& sqliteSql)
{
    const int count = sqlite3_column_count(stmt);
    QStringList fallback;
    for (int i = 0; i < count; ++i)
        fallback << QString::fromUtf8(sqlite3_column_name(stmt, i));

    const SelectShape shape = parseSelectShape(sqliteSql);
    if (shape.arms.isEmpty())
        return fallback;
    const SelectArm& first = shape.arms.front();
    const QVector<TableRef>& refs = first.tables;
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
    for (const QVector<SqlToken>& raw : first.items) {
        const QVector<SqlToken> t = withoutEnclosingParens(raw);
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
