#include "data/TableShape.h"

#include "data/BoundValue.h"
#include "data/DbError.h"

#include <sqlite3.h>


namespace {

StatementPtr prepare(sqlite3* db, const char* sql)
{
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &raw, nullptr) != SQLITE_OK)
        throw DbError(QStringLiteral("Cannot read the table's declaration: %1").arg(QString::fromUtf8(sqlite3_errmsg(db))));
    return StatementPtr(raw);
}

QString textAt(sqlite3_stmt* s, int column)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, column)));
}

} // namespace

TableShape TableShape::read(sqlite3* db, const QString& table)
{
    TableShape shape;
    shape.m_table = table;
    StatementPtr info = prepare(db, "SELECT name, type, \"notnull\", pk FROM pragma_table_info(?1)");
    const QByteArray name = table.toUtf8();
    sqlite3_bind_text(info.get(), 1, name.constData(), name.size(), SQLITE_TRANSIENT);
    int keyParts = 0;
    int keyAt = -1;
    while (sqlite3_step(info.get()) == SQLITE_ROW) {
        TableColumn c;
        c.name = textAt(info.get(), 0);
        c.declaredType = textAt(info.get(), 1);
        c.notNull = sqlite3_column_int(info.get(), 2) != 0;
        c.keyPosition = sqlite3_column_int(info.get(), 3);
        const char* collation = nullptr;
        if (sqlite3_table_column_metadata(db, nullptr, name.constData(), c.name.toUtf8().constData(), nullptr, &collation,
                                          nullptr, nullptr, nullptr) == SQLITE_OK && collation)
            c.collation = QString::fromUtf8(collation);
        if (c.keyPosition > 0) {
            ++keyParts;
            keyAt = shape.m_columns.size();
        }
        shape.m_columns << c;
    }
    if (shape.m_columns.isEmpty())
        throw DbError(QStringLiteral("Table '%1' not found in the database").arg(table));
    // Only a lone INTEGER PRIMARY KEY is the row key itself.
    if (keyParts == 1 && shape.m_columns[keyAt].declaredType.compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0)
        shape.m_keyColumn = keyAt;

    StatementPtr declaration = prepare(db, "SELECT sql FROM sqlite_schema WHERE type = 'table' AND name = ?1 COLLATE NOCASE");
    sqlite3_bind_text(declaration.get(), 1, name.constData(), name.size(), SQLITE_TRANSIENT);
    if (sqlite3_step(declaration.get()) == SQLITE_ROW)
        shape.m_autoIncrement = textAt(declaration.get(), 0).contains(QLatin1String("AUTOINCREMENT"), Qt::CaseInsensitive);
    return shape;
}

int TableShape::columnIndex(const QString& name) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}
