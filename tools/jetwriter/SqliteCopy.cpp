#include "tools/jetwriter/SqliteCopy.h"

#include "tools/jetwriter/JetFileWriter.h"
#include "tools/jetwriter/SqliteReader.h"

#include <algorithm>

namespace jet {

namespace {

// The longest text in each of these columns, in UTF-16 units as Jet counts them.
std::vector<int> longestTexts(const SqliteReader& db, const QString& table, const QStringList& columns)
{
    std::vector<int> longest(size_t(columns.size()), 0);
    db.forEachRow(table, columns, [&](const std::vector<Cell>& row) {
        for (size_t c = 0; c < row.size(); ++c) {
            if (const QString* s = std::get_if<QString>(&row[c]))
                longest[c] = std::max(longest[c], int(s->size()));
            else if (!std::holds_alternative<std::monostate>(row[c]))
                longest[c] = std::max(longest[c], 24); // a number written as text
        }
    });
    return longest;
}

std::vector<Column> jetColumns(const SqliteReader& db, const QString& table, QStringList& names)
{
    std::vector<Column> columns;
    QStringList textColumns;
    for (const SqliteColumn& column : db.columns(table)) {
        names << column.name;
        columns.push_back({column.name, jetTypeForDeclared(column.declaredType)});
        if (columns.back().type == ColumnType::Text)
            textColumns << column.name;
    }
    if (!textColumns.isEmpty()) {
        const std::vector<int> longest = longestTexts(db, table, textColumns);
        int t = 0;
        for (Column& column : columns) {
            if (column.type == ColumnType::Text && longest[size_t(t++)] > kLongestText)
                column.type = ColumnType::Memo;
        }
    }
    return columns;
}

} // namespace

ColumnType jetTypeForDeclared(const QString& declaredType)
{
    const QString type = declaredType.toUpper();
    if (type.contains("BOOL"))
        return ColumnType::Boolean;
    if (type.contains("INT"))
        return ColumnType::Long;
    if (type.contains("CHAR") || type.contains("CLOB") || type.contains("TEXT"))
        return ColumnType::Text;
    if (type.contains("REAL") || type.contains("FLOA") || type.contains("DOUB"))
        return ColumnType::Double;
    if (type.contains("DATE") || type.contains("TIME"))
        return ColumnType::DateTime;
    return ColumnType::Text;
}

void writeJetCopyOfSqlite(const QString& sqlitePath, const QString& mdbPath, const WriteOptions& options)
{
    const SqliteReader db(sqlitePath);
    JetFileWriter file(mdbPath, options);
    for (const QString& table : db.tables()) {
        QStringList names;
        file.beginTable(table, jetColumns(db, table, names));
        db.forEachRow(table, names, [&](const std::vector<Cell>& row) { file.addRow(row); });
        file.endTable();
    }
    file.commit();
}

} // namespace jet
