#include "data/RowSet.h"

#include "data/DbError.h"
#include "data/ReadFailure.h"

#include <sqlite3.h>

std::shared_ptr<const RowSet> RowSet::fetch(sqlite3* db, sqlite3_stmt* stmt, const QStringList& names,
                                            bool withRowid, const QVector<ValueType>& typeFloor,
                                            const QString& shownStatement) {
    auto set = std::make_shared<RowSet>();
    const int first = withRowid ? 1 : 0;
    const int count = sqlite3_column_count(stmt) - first;
    set->m_names = names;
    set->m_columns.reserve(count);
    for (int c = 0; c < count; ++c)
        set->m_columns.emplace_back(QString::fromUtf8(sqlite3_column_decltype(stmt, c + first)));

    int rc;
    uint32_t rows = 0;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        if (withRowid)
            set->m_rowids.push_back(sqlite3_column_int64(stmt, 0));
        for (int c = 0; c < count; ++c) {
            Column& col = set->m_columns[c];
            const int i = c + first;
            switch (sqlite3_column_type(stmt, i)) {
            case SQLITE_INTEGER:
                col.appendInteger(sqlite3_column_int64(stmt, i));
                break;
            case SQLITE_FLOAT:
                col.appendFloat(sqlite3_column_double(stmt, i));
                break;
            case SQLITE_NULL:
                col.appendNull();
                break;
            default: {
                const char* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
                col.appendText(
                    std::string_view(text ? text : "", static_cast<size_t>(sqlite3_column_bytes(stmt, i))));
                break;
            }
            }
        }
        ++rows;
    }
    if (rc != SQLITE_DONE)
        throw readFailure(db, shownStatement);
    for (int c = 0; c < count; ++c)
        set->m_columns[c].finish(c < typeFloor.size() ? typeFloor[c] : ValueType::Null);
    set->m_rowCount = rows;
    set->m_hasRowids = withRowid;
    for (int c = 0; c < set->m_names.size(); ++c) {
        const QString key = set->m_names[c].toLower();
        if (!set->m_nameIndex.contains(key))
            set->m_nameIndex.insert(key, c);
    }
    set->m_equality.resize(set->m_columns.size());
    set->m_textOrder.resize(set->m_columns.size());
    return set;
}

int RowSet::fieldIndex(const QString& name) const {
    const auto it = m_nameIndex.constFind(name.trimmed().toLower());
    return it == m_nameIndex.constEnd() ? -1 : it.value();
}

const EqualityIndex& RowSet::equalityIndex(int column) const {
    if (!m_equality[column])
        m_equality[column] = std::make_unique<EqualityIndex>(m_columns[column]);
    return *m_equality[column];
}

const TextOrder& RowSet::textOrder(int column) const {
    if (!m_textOrder[column])
        m_textOrder[column] = std::make_unique<TextOrder>(m_columns[column]);
    return *m_textOrder[column];
}

size_t RowSet::cellBytes() const {
    size_t bytes = 0;
    for (const Column& c : m_columns)
        bytes += c.bytesUsed();
    return bytes;
}
