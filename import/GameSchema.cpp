#include "import/GameSchema.h"

#include "data/DbError.h"
#include "data/SchemaText.h"

#include <sqlite3.h>

#include <algorithm>
#include <memory>

namespace {

struct CloseDb {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
using DbHandle = std::unique_ptr<sqlite3, CloseDb>;

struct FinalizeStmt {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Statement = std::unique_ptr<sqlite3_stmt, FinalizeStmt>;

Statement prepare(sqlite3* db, const QString& sql)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK)
        throw DbError(QStringLiteral("The game schema cannot be read: %1").arg(QString::fromUtf8(sqlite3_errmsg(db))));
    return Statement(stmt);
}

QString textAt(sqlite3_stmt* stmt, int column)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return text ? QString::fromUtf8(text) : QString();
}

// The table's declaration as SQLite reads it; a copy needs every collation.
TableShape readShape(sqlite3* db, const QString& table)
{
    TableShape shape = TableShape::read(db, table);
    for (const TableColumn& c : shape.columns())
        if (c.collation.isEmpty())
            throw DbError(QStringLiteral("The game schema cannot be read: SQLite tells no collation of %1.%2").arg(table, c.name));
    return shape;
}

QVector<SchemaIndex> readIndexes(sqlite3* db, const QString& table)
{
    QVector<SchemaIndex> indexes;
    // Only the indexes the schema creates by name; those behind a key come with the table.
    Statement list = prepare(db, QStringLiteral("SELECT name, sql FROM sqlite_master WHERE type = 'index' AND "
                                                "tbl_name = ?1 AND sql IS NOT NULL ORDER BY rowid"));
    sqlite3_bind_text(list.get(), 1, table.toUtf8().constData(), -1, SQLITE_TRANSIENT);
    while (sqlite3_step(list.get()) == SQLITE_ROW) {
        SchemaIndex index;
        index.name = textAt(list.get(), 0);
        index.sql = textAt(list.get(), 1);
        Statement info = prepare(db, QStringLiteral("PRAGMA index_info(%1)").arg(quotedName(index.name)));
        while (sqlite3_step(info.get()) == SQLITE_ROW)
            index.columns << textAt(info.get(), 2);
        indexes << index;
    }
    return indexes;
}

} // namespace

QString quotedName(const QString& name)
{
    QString inner = name;
    inner.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

QString SchemaTable::createStatement(const QVector<int>& present) const
{
    const QVector<TableColumn>& columns = shape.columns();
    QVector<int> key;
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].keyPosition > 0)
            key << i;
    std::sort(key.begin(), key.end(), [&](int a, int b) { return columns[a].keyPosition < columns[b].keyPosition; });
    bool wholeKey = !key.isEmpty();
    for (int k : key)
        wholeKey = wholeKey && present.contains(k);

    QStringList parts;
    for (int i : present) {
        const TableColumn& c = columns[i];
        QString part = quotedName(c.name) + QLatin1Char(' ') + c.declaredType;
        if (c.collation.compare(QLatin1String("BINARY"), Qt::CaseInsensitive) != 0)
            part += QStringLiteral(" COLLATE ") + c.collation;
        if (c.notNull)
            part += QStringLiteral(" NOT NULL");
        // A single-column key stays on its column: an INTEGER one is then the row id, as declared.
        if (wholeKey && key.size() == 1 && key.first() == i)
            part += i == shape.keyColumn() && shape.keyNumberedByDatabase() ? QStringLiteral(" PRIMARY KEY AUTOINCREMENT")
                                                                            : QStringLiteral(" PRIMARY KEY");
        parts << part;
    }
    if (wholeKey && key.size() > 1) {
        QStringList names;
        for (int k : key)
            names << quotedName(columns[k].name);
        parts << QStringLiteral("PRIMARY KEY (%1)").arg(names.join(QStringLiteral(", ")));
    }
    return QStringLiteral("CREATE TABLE %1 (\n    %2\n)").arg(quotedName(name), parts.join(QStringLiteral(",\n    ")));
}

GameSchema GameSchema::fromText(const char* sqlText)
{
    sqlite3* raw = nullptr;
    sqlite3_open_v2(":memory:", &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    DbHandle db(raw);
    char* error = nullptr;
    if (!raw || sqlite3_exec(raw, sqlText, nullptr, nullptr, &error) != SQLITE_OK) {
        const QString why = QString::fromUtf8(error ? error : "out of memory");
        sqlite3_free(error);
        throw DbError(QStringLiteral("The game schema does not run: %1").arg(why));
    }
    GameSchema schema;
    Statement tables = prepare(raw, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND "
                                                   "name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY rowid"));
    while (sqlite3_step(tables.get()) == SQLITE_ROW) {
        SchemaTable table;
        table.name = textAt(tables.get(), 0);
        schema.m_tables << table;
    }
    for (SchemaTable& table : schema.m_tables) {
        table.shape = readShape(raw, table.name);
        table.indexes = readIndexes(raw, table.name);
    }
    return schema;
}

const GameSchema& GameSchema::instance()
{
    static const GameSchema schema = fromText(gameSchemaText());
    return schema;
}

int GameSchema::tableIndex(const QString& table) const
{
    for (int i = 0; i < m_tables.size(); ++i)
        if (m_tables[i].name.compare(table, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}
