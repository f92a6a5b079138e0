#include "data/SearchSource.h"

#include "data/DbError.h"
#include "data/JetSql.h"
#include "data/ReadConnection.h"
#include "data/ReadFailure.h"
#include "data/ResultColumnNames.h"

#include <QSet>

#include <sqlite3.h>

namespace {

class Statement {
public:
    Statement(sqlite3* db, const QString& sql, const QString& shown)
    {
        if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &m_stmt, nullptr) != SQLITE_OK)
            throw readFailure(db, shown);
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    sqlite3_stmt* get() const { return m_stmt; }

private:
    sqlite3_stmt* m_stmt = nullptr;
};

QString textAt(sqlite3_stmt* stmt, int column)
{
    if (column < 0)
        return QString();
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return text ? QString::fromUtf8(text, sqlite3_column_bytes(stmt, column)) : QString();
}

int columnOf(const QStringList& names, const QString& field, const SearchList& list)
{
    if (field.isEmpty())
        return -1;
    const int at = int(names.indexOf(field));
    if (at < 0)
        throw DbError(QStringLiteral("The search's list %1 has no field %2")
                          .arg(list.table.isEmpty() ? list.statement.section(QLatin1Char('\n'), 0, 0) : list.table, field));
    return at;
}

void readList(sqlite3* db, const SearchList& list, std::vector<SearchItem>& items, ReadStop* stop)
{
    const QString shown = list.table.isEmpty() ? list.statement : QStringLiteral("table %1").arg(list.table);
    const QString sql = list.table.isEmpty() ? translateJetSql(list.statement)
                                             : QStringLiteral("SELECT * FROM \"%1\"").arg(list.table);
    Statement statement(db, sql, shown);
    sqlite3_stmt* stmt = statement.get();
    const QStringList names = resultColumnNames(db, stmt, sql);
    QVector<int> keys;
    for (const QString& field : list.keyFields)
        keys.append(columnOf(names, field, list));
    const int name = columnOf(names, list.nameField, list);
    const int otherName = columnOf(names, list.otherNameField, list);
    const int detail = columnOf(names, list.detailField, list);
    const int icon = columnOf(names, list.iconField, list);

    QSet<QString> keysRead;
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        if (stop && stop->stopped())
            return;
        SearchItem item;
        item.kind = list.kind;
        for (int column : keys)
            item.key.append(textAt(stmt, column));
        if (list.onePerKey) {
            const QString joined = item.key.join(QLatin1Char('\n'));
            if (keysRead.contains(joined))
                continue;
            keysRead.insert(joined);
        }
        item.name = textAt(stmt, name);
        item.otherName = textAt(stmt, otherName);
        const QString value = textAt(stmt, detail);
        if (!value.isEmpty() && value.compare(list.noDetail, Qt::CaseInsensitive) != 0)
            item.detail = list.detailFormat.arg(value);
        item.icon = textAt(stmt, icon);
        items.push_back(std::move(item));
    }
    if (rc != SQLITE_DONE && !(stop && stop->stopped()))
        throw readFailure(db, shown);
}
} // namespace

std::vector<SearchItem> readSearchItems(const QString& databaseFile, const QVector<SearchList>& lists,
                                        ReadStop* stop)
{
    std::vector<SearchItem> items;
    if (stop && stop->stopped())
        return items;
    ReadConnection connection(databaseFile, stop);
    for (const SearchList& list : lists) {
        if (stop && stop->stopped())
            break;
        readList(connection.db(), list, items, stop);
    }
    return items;
}
