// Editing of a dataset's current row: the state, the edit buffer, and the writes to the file.
// Every post and delete goes to the file at once (RowWriter); afterwards the dataset fetches its
// own rows again, so it shows the file as it is now, while other datasets keep what they fetched.

#include "data/Dataset.h"

#include "data/Connection.h"
#include "data/DatasetStore.h"
#include "data/DbError.h"
#include "data/FieldValue.h"
#include "data/RowWriter.h"
#include "data/SharedRows.h"

namespace {

QString listName(const Dataset& d, const QString& table)
{
    return d.objectName().isEmpty() ? table : d.objectName();
}

// A read ahead holds the file while it runs: it gives way to the write, whose rows it would
// not show anyway.
sqlite3* writeHandle(const DatasetStore& s)
{
    s.connection.sharedRows().stopReadsAhead();
    return s.connection.handle();
}

} // namespace

void Dataset::setUpdateTable(const QString& table)
{
    m_store->updateTable = table;
    m_store->shapeRead = false;
    // Edited rows are this dataset's own; another window must never see them half-made.
    m_store->shareRows = false;
}

DatasetState Dataset::state() const
{
    return m_store->edit.state;
}

bool Dataset::modified() const
{
    return m_store->edit.modified();
}

QString Dataset::writeTable() const
{
    DatasetStore& s = *m_store;
    const QString table = !s.tableName.isEmpty() ? s.tableName : s.updateTable;
    if (table.isEmpty())
        throw DbError(QStringLiteral("%1 cannot be edited: it reads a statement, not a table").arg(listName(*this, QStringLiteral("The list"))));
    if (!s.shapeRead) {
        s.shape = TableShape::read(s.connection.handle(), table);
        s.shapeRead = true;
    }
    return table;
}

namespace {

// A connection over a copy that must not be edited refuses every write with its reason.
void refuseWhenReadOnly(const DatasetStore& s)
{
    if (s.connection.isReadOnly())
        throw DbError(s.connection.readOnlyReason());
}

} // namespace

bool Dataset::readOnly() const
{
    return m_store->connection.isReadOnly();
}

bool Dataset::fieldReadOnly(int column) const
{
    const DatasetStore& s = *m_store;
    if (readOnly())
        return true;
    if (column < 0 || column >= fieldCount() || (s.tableName.isEmpty() && s.updateTable.isEmpty()))
        return true;
    writeTable();
    const int c = s.shape.columnIndex(fieldNames()[column]);
    return c < 0 || (c == s.shape.keyColumn() && s.shape.keyNumberedByDatabase());
}

int Dataset::storedCount() const
{
    return m_store->rows.visibleCount();
}

bool Dataset::isEditRow(int position) const
{
    const DatasetStore& s = *m_store;
    return s.edit.state != DatasetState::Browse && position == s.pos && position >= 0;
}

namespace {

// The row key of the row at a stored position: the table's rowid, or the key field a statement
// over one table shows.
bool rowKeyAt(const DatasetStore& s, const Dataset& d, int position, int64_t& key)
{
    if (position < 0 || position >= s.rows.visibleCount())
        return false;
    const uint32_t base = s.rows.baseRowAt(position);
    if (s.rows.rows()->hasRowids()) {
        key = s.rows.rows()->rowidAt(base);
        return true;
    }
    if (!s.shapeRead || s.shape.keyColumn() < 0)
        return false;
    const int field = d.fieldIndex(s.shape.columns()[s.shape.keyColumn()].name);
    if (field < 0 || s.rows.column(field).isNull(base))
        return false;
    key = s.rows.column(field).valueAt(base).toInteger();
    return true;
}

int basePositionOfKey(const DatasetStore& s, const Dataset& d, int64_t key)
{
    const RowSet& set = *s.rows.rows();
    int field = -1;
    if (!set.hasRowids()) {
        if (!s.shapeRead || s.shape.keyColumn() < 0)
            return -1;
        field = d.fieldIndex(s.shape.columns()[s.shape.keyColumn()].name);
        if (field < 0)
            return -1;
    }
    for (uint32_t row = 0; row < set.rowCount(); ++row) {
        const bool same = field < 0 ? set.rowidAt(row) == key
                                    : (!set.column(field).isNull(row) && set.column(field).valueAt(row).toInteger() == key);
        if (same)
            return s.rows.positionOf(row);
    }
    return -1;
}

} // namespace

void Dataset::startEditing(DatasetState state)
{
    DatasetStore& s = *m_store;
    s.edit.clear();
    s.edit.state = state;
    s.edit.values.fill(Value(), fieldCount());
    s.edit.changed.fill(false, fieldCount());
}

void Dataset::edit()
{
    DatasetStore& s = *m_store;
    if (!s.open || s.pos < 0 || s.edit.state != DatasetState::Browse)
        return;
    refuseWhenReadOnly(s);
    writeTable();
    ensureRows();
    int64_t key = 0;
    if (!rowKeyAt(s, *this, s.pos, key))
        throw DbError(QStringLiteral("%1 cannot be edited: the row shows no key of %2").arg(listName(*this, writeTable()), writeTable()));
    QVector<Value> values;
    for (int c = 0; c < fieldCount(); ++c)
        values << value(s.pos, c);
    startEditing(DatasetState::Edit);
    s.edit.values = values;
    s.edit.hasRowKey = true;
    s.edit.rowKey = key;
    emit stateChanged(DatasetState::Edit);
}

void Dataset::insert()
{
    DatasetStore& s = *m_store;
    if (!s.open)
        throw DbError(QStringLiteral("%1 is not open").arg(listName(*this, s.tableName)));
    refuseWhenReadOnly(s);
    leaveEditing();
    const QString table = writeTable();
    ensureRows();
    startEditing(DatasetState::Insert);
    // A detail row belongs to its master's current row.
    QStringList linked;
    if (s.master && s.master->isOpen() && s.master->recNo() >= 0) {
        for (int i = 0; i < s.detailFields.size() && i < s.masterFields.size(); ++i) {
            const int c = fieldIndex(s.detailFields[i]);
            const int m = s.master->fieldIndex(s.masterFields[i]);
            if (c >= 0 && m >= 0)
                s.edit.values[c] = s.master->value(s.master->recNo(), m);
            linked << s.detailFields[i].toLower();
        }
    }
    // A table whose ids are typed gets the next free one as a default.
    const int key = s.shape.keyColumn();
    if (key >= 0 && !s.shape.keyNumberedByDatabase()) {
        const QString keyName = s.shape.columns()[key].name;
        const int c = fieldIndex(keyName);
        if (c >= 0 && !linked.contains(keyName.toLower()))
            s.edit.values[c] = Value::integer(nextFreeValue(s.connection.handle(), table, keyName));
    }
    s.positionBeforeInsert = s.pos;
    s.pos = storedCount();
    s.bof = s.eof = false;
    emit rowsChanged();
    emit stateChanged(DatasetState::Insert);
    scrolled();
}

void Dataset::setFieldValue(int column, const Value& value)
{
    DatasetStore& s = *m_store;
    if (!s.open)
        throw DbError(QStringLiteral("%1 is not open").arg(listName(*this, s.tableName)));
    if (column < 0 || column >= fieldCount())
        throw DbError(QStringLiteral("No field %1 in %2").arg(column).arg(listName(*this, s.tableName)));
    refuseWhenReadOnly(s);
    if (fieldReadOnly(column))
        throw DbError(QStringLiteral("Field '%1' cannot be modified").arg(fieldNames()[column]));
    if (s.edit.state == DatasetState::Browse) {
        if (s.pos < 0)
            insert();
        else
            edit();
    }
    s.edit.values[column] = value;
    s.edit.changed[column] = true;
    emit currentValuesChanged(s.pos);
}

void Dataset::setFieldText(const QString& field, const QString& text)
{
    setFieldValue(fieldIndexOrThrow(field), Value::text(text));
}

void Dataset::post()
{
    DatasetStore& s = *m_store;
    if (s.edit.state == DatasetState::Browse)
        return;
    if (s.edit.state == DatasetState::Edit && !s.edit.modified()) {
        s.edit.clear();
        emit stateChanged(DatasetState::Browse);
        return;
    }
    refuseWhenReadOnly(s);
    // Details first: their rows belong to this row as it is now.
    for (const QPointer<Dataset>& d : std::as_const(s.dependents))
        if (d && d->isOpen())
            d->checkBrowseMode();
    const QString table = writeTable();
    const bool inserting = s.edit.state == DatasetState::Insert;
    const TableShape& shape = s.shape;
    // Every check comes before the write, so a refused row changes nothing in the file.
    ColumnValues values;
    Value keyValue;
    bool keyGiven = false;
    for (int c = 0; c < fieldCount(); ++c) {
        const QString name = fieldNames()[c];
        const int t = shape.columnIndex(name);
        if (t < 0 || fieldReadOnly(c) || (!inserting && !s.edit.changed[c]))
            continue;
        const TableColumn& column = shape.columns()[t];
        const Value v = checkedFieldValue(name, column.declaredType, s.edit.values[c]);
        const bool isKey = t == shape.keyColumn();
        if (v.isNull() && (column.notNull || isKey) && (s.edit.changed[c] || inserting))
            throw DbError(QStringLiteral("Field '%1' must have a value").arg(name));
        if (v.isNull() && inserting)
            continue;
        if (isKey) {
            keyValue = v;
            keyGiven = true;
        }
        values << qMakePair(column.name, v);
    }
    sqlite3* db = writeHandle(s);
    if (keyGiven && valueTaken(db, table, shape.columns()[shape.keyColumn()].name, keyValue, inserting ? -1 : s.edit.rowKey))
        throw DbError(QStringLiteral("Field '%1' value %2 is already used by another row of %3; choose another")
                          .arg(shape.columns()[shape.keyColumn()].name, keyValue.toText(), table));
    const int64_t key = inserting ? insertRow(db, table, values) : updateRow(db, table, s.edit.rowKey, values);
    s.connection.noteWrite();
    s.edit.clear();
    reloadAt(key);
    emit stateChanged(DatasetState::Browse);
}

void Dataset::dropEditing()
{
    DatasetStore& s = *m_store;
    const bool inserting = s.edit.state == DatasetState::Insert;
    s.edit.clear();
    if (inserting) {
        const int n = storedCount();
        s.pos = n == 0 ? -1 : qBound(0, s.positionBeforeInsert, n - 1);
        s.bof = s.pos <= 0;
        s.eof = s.pos < 0 || s.pos == n - 1;
    }
}

void Dataset::cancel()
{
    DatasetStore& s = *m_store;
    if (s.edit.state == DatasetState::Browse)
        return;
    const bool inserting = s.edit.state == DatasetState::Insert;
    dropEditing();
    if (inserting) {
        emit rowsChanged();
        emit stateChanged(DatasetState::Browse);
        if (s.pos >= 0)
            scrolled();
        else
            emit currentChanged(s.pos);
        return;
    }
    emit currentValuesChanged(s.pos);
    emit stateChanged(DatasetState::Browse);
}

void Dataset::deleteRecord()
{
    DatasetStore& s = *m_store;
    if (s.edit.state == DatasetState::Insert) {
        cancel();
        return;
    }
    if (!s.open || s.pos < 0)
        return;
    refuseWhenReadOnly(s);
    ensureRows();
    for (const QPointer<Dataset>& d : std::as_const(s.dependents))
        if (d && d->isOpen())
            d->checkBrowseMode();
    const QString table = writeTable();
    int64_t key = 0;
    if (!rowKeyAt(s, *this, s.pos, key))
        throw DbError(QStringLiteral("%1 cannot delete this row: it shows no key of %2").arg(listName(*this, table), table));
    deleteRow(writeHandle(s), table, key);
    s.connection.noteWrite();
    const bool wasEditing = s.edit.state != DatasetState::Browse;
    s.edit.clear();
    reloadAt(-1);
    if (wasEditing)
        emit stateChanged(DatasetState::Browse);
    if (s.pos >= 0 && s.afterScroll)
        s.afterScroll();
}

void Dataset::refresh()
{
    DatasetStore& s = *m_store;
    if (!s.open)
        return;
    ensureRows();
    const bool wasEditing = s.edit.state != DatasetState::Browse;
    dropEditing();
    int64_t key = -1;
    if (!(s.tableName.isEmpty() && s.updateTable.isEmpty()))
        writeTable();
    if (!rowKeyAt(s, *this, s.pos, key))
        key = -1;
    reloadAt(key);
    if (wasEditing)
        emit stateChanged(DatasetState::Browse);
}

void Dataset::reloadAt(int64_t rowKey)
{
    DatasetStore& s = *m_store;
    const int oldPos = s.pos;
    SharedRows& shared = s.connection.sharedRows();
    s.rows.setRows(shared.allRows(*s.info, s.params, sharedRows(), s.shown));
    s.keyColumns.clear();
    s.keys.clear();
    s.pending = false;
    showFetched(true);
    const int n = storedCount();
    const int found = rowKey >= 0 ? basePositionOfKey(s, *this, rowKey) : -1;
    s.pos = found >= 0 ? found : (n == 0 ? -1 : qBound(0, oldPos, n - 1));
    s.bof = s.pos <= 0;
    s.eof = s.pos < 0 || s.pos == n - 1;
    emit rowsChanged();
    emit currentChanged(s.pos);
}

void Dataset::checkBrowseMode()
{
    DatasetStore& s = *m_store;
    switch (s.edit.state) {
    case DatasetState::Browse:
        return;
    case DatasetState::Insert:
        if (!s.edit.modified()) {
            dropEditing();
            emit rowsChanged();
            emit currentChanged(s.pos);
            emit stateChanged(DatasetState::Browse);
            return;
        }
        break;
    case DatasetState::Edit:
        if (!s.edit.modified()) {
            s.edit.clear();
            emit stateChanged(DatasetState::Browse);
            return;
        }
        break;
    }
    post();
}

void Dataset::leaveEditing()
{
    DatasetStore& s = *m_store;
    for (const QPointer<Dataset>& d : std::as_const(s.dependents))
        if (d && d->isOpen())
            d->checkBrowseMode();
    checkBrowseMode();
}

void Dataset::addDependent(Dataset& dependent)
{
    for (const QPointer<Dataset>& d : std::as_const(m_store->dependents))
        if (d == &dependent)
            return;
    m_store->dependents << &dependent;
}
