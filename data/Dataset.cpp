#include "data/Dataset.h"

#include "data/DatasetStore.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/FilterExpression.h"
#include "data/JetSql.h"
#include "data/RowStore.h"
#include "data/SharedRows.h"
#include "data/SortOrder.h"
#include "data/StatementInfo.h"

#include <QPointer>

#include <utility>

namespace {

QString describe(const DatasetStore& s, const QObject& o)
{
    if (!o.objectName().isEmpty())
        return o.objectName();
    if (!s.tableName.isEmpty())
        return QStringLiteral("table %1").arg(s.tableName);
    return QStringLiteral("statement: %1").arg(s.sqlLines.join(QLatin1Char('\n')));
}

// Runs a read of the dataset's rows; a failure of the file names the list that could not be read.
template <typename Read> auto namingList(const Dataset& d, const DatasetStore& s, Read read) -> decltype(read())
{
    try {
        return read();
    } catch (DbError& failure) {
        if (failure.list().isEmpty())
            failure.setList(d.objectName().isEmpty() ? s.tableName : d.objectName());
        throw;
    }
}

} // namespace

Dataset::Dataset(Connection& connection, QObject* parent) : QObject(parent), m_store(std::make_unique<DatasetStore>(connection))
{
}

Dataset::~Dataset()
{
    if (m_store->masterConnection)
        disconnect(m_store->masterConnection);
}

// --- definition ------------------------------------------------------------------------------

void Dataset::setSql(const QString& jetSql)
{
    close();
    m_store->tableName.clear();
    m_store->sqlLines = QStringList{jetSql};
}

QString Dataset::sql() const
{
    return m_store->sqlLines.join(QLatin1Char('\n'));
}

void Dataset::clearSql()
{
    close();
    m_store->tableName.clear();
    m_store->sqlLines.clear();
}

void Dataset::addSql(const QString& line)
{
    close();
    m_store->tableName.clear();
    m_store->sqlLines << line;
}

void Dataset::setTableName(const QString& table)
{
    close();
    m_store->sqlLines.clear();
    m_store->tableName = table;
}

QString Dataset::tableName() const
{
    return m_store->tableName;
}

void Dataset::setParam(const QString& name, const Value& value)
{
    QString key = name.trimmed().toLower();
    if (key.startsWith(QLatin1Char(':')))
        key.remove(0, 1);
    m_store->params.insert(key, value);
}

void Dataset::setSharedRows(bool on)
{
    m_store->shareRows = on;
}

bool Dataset::sharedRows() const
{
    return m_store->shareRows && m_store->tableName.isEmpty();
}

// --- opening ---------------------------------------------------------------------------------

void Dataset::open()
{
    DatasetStore& s = *m_store;
    if (s.open)
        return;
    QString sqlite;
    QString shown;
    const bool isTable = !s.tableName.isEmpty();
    if (isTable) {
        shown = QStringLiteral("table %1").arg(s.tableName);
        sqlite = QStringLiteral("SELECT rowid, * FROM \"%1\"").arg(QString(s.tableName).replace(QLatin1Char('"'), QStringLiteral("\"\"")));
    } else {
        shown = sql();
        if (shown.trimmed().isEmpty())
            throw DbError(QStringLiteral("No statement to open%1").arg(objectName().isEmpty() ? QString() : QStringLiteral(" in ") + objectName()));
        sqlite = translateJetSql(shown);
    }
    std::shared_ptr<const StatementInfo> info =
        namingList(*this, s, [&] { return s.connection.sharedRows().statement(sqlite, isTable, shown); });
    // The sort and the filter name fields of this statement; check them before anything changes.
    std::vector<std::pair<int, bool>> sortColumns;
    for (const SortKey& k : parseSort(s.sortText)) {
        const int c = info->fieldIndex(k.field);
        if (c < 0)
            throw DbError(QStringLiteral("Field '%1' not found in %2").arg(k.field, describe(s, *this)));
        sortColumns.emplace_back(c, k.descending);
    }
    std::swap(s.info, info);
    s.shown = shown;
    s.sortColumns = sortColumns;
    try {
        loadRows(s.filtered ? filterTerms(s.filterText) : QVector<FilterTerm>());
    } catch (...) {
        s.info.reset();
        s.rows.clear();
        s.sortColumns.clear();
        throw;
    }
    s.open = true;
    s.pos = !isEmpty() ? 0 : -1;
    s.bof = true;
    s.eof = s.pos < 0;
    emit rowsChanged();
    emit currentChanged(s.pos);
    if (s.afterOpen)
        s.afterOpen();
    if (s.pos >= 0 && s.afterScroll)
        s.afterScroll();
}

void Dataset::close()
{
    DatasetStore& s = *m_store;
    if (!s.open)
        return;
    // A row still being edited is not written.
    dropEditing();
    s.shapeRead = false;
    s.open = false;
    s.info.reset();
    s.rows.clear();
    s.pending = false;
    s.keyColumns.clear();
    s.keys.clear();
    s.terms.clear();
    s.filterConditions.clear();
    s.sortColumns.clear();
    s.pos = -1;
    s.bof = s.eof = true;
    emit rowsChanged();
    emit currentChanged(-1);
}

bool Dataset::isOpen() const
{
    return m_store->open;
}

bool Dataset::rowsPending() const
{
    const bool pending = m_store->open && m_store->pending;
    m_store->pendingSeen = m_store->pendingSeen || pending;
    return pending;
}

void Dataset::fetchRows()
{
    ensureRows();
}

void Dataset::readAhead()
{
    const DatasetStore& s = *m_store;
    if (s.open && s.pending && s.keyColumns.isEmpty() && sharedRows())
        s.connection.sharedRows().readAhead(*s.info, s.params, s.shown);
}

void Dataset::setViewShowing(bool showing)
{
    m_store->showingViews += showing ? 1 : -1;
}

// --- what is fetched ---------------------------------------------------------------------------

QVector<FilterTerm> Dataset::filterTerms(const QString& text) const
{
    const QVector<FilterTerm> terms = parseFilter(text);
    for (const FilterTerm& t : terms)
        if (m_store->info->fieldIndex(t.field) < 0)
            throw DbError(QStringLiteral("Filter \"%1\" names an unknown field '%2' in %3").arg(text, t.field, describe(*m_store, *this)));
    return terms;
}

void Dataset::loadRows(const QVector<FilterTerm>& terms)
{
    DatasetStore& s = *m_store;
    const StatementInfo& info = *s.info;
    SharedRows& shared = s.connection.sharedRows();
    const bool share = sharedRows();

    // Every integer term on a keyable field goes into the statement; the filter itself still
    // applies to what comes back, so the rows are exactly those of the whole result.
    QVector<int> keyColumns;
    QVector<qint64> keys;
    if (share) {
        for (const FilterTerm& t : terms) {
            const int c = info.fieldIndex(t.field);
            qint64 key = 0;
            if (info.keyable(c) && integerFilterValue(t.value, key)) {
                keyColumns << c;
                keys << key;
            }
        }
    }
    // Rows may wait for their first reader when a probe can tell whether there is a first row
    // (no filter beyond the key, no master link) and no visible view would read them at once.
    const bool wait = !s.master && s.showingViews == 0 && keyColumns.size() == terms.size() &&
                      (!terms.isEmpty() || info.deferrable());
    SharedRowSet rows;
    bool hasRows = false;
    // The whole result does not change while open: once fetched, every later filter only
    // re-restricts it.
    const bool sameRows = s.open && !s.pending && s.keyColumns.isEmpty();
    namingList(*this, s, [&] {
        if (sameRows) {
            rows = s.rows.rows();
            keyColumns.clear();
            keys.clear();
        } else if (!keyColumns.isEmpty()) {
            rows = shared.cachedKeyRows(info, keyColumns, keys);
            if (!rows && wait)
                hasRows = shared.keyHasRows(info, keyColumns, keys, s.shown);
            else if (!rows)
                rows = shared.keyRows(info, keyColumns, keys, s.shown);
        } else if (wait) {
            hasRows = info.hasRows();
        } else {
            rows = shared.allRows(info, s.params, share, s.shown);
        }
    });

    if (!sameRows)
        s.rows.setRows(rows);
    s.keyColumns = keyColumns;
    s.keys = keys;
    s.terms = terms;
    s.pending = !rows;
    s.pendingHasRows = hasRows;
    s.pendingSeen = false;
    showFetched(!sameRows);
}

void Dataset::showFetched(bool newRows) const
{
    DatasetStore& s = *m_store;
    s.filterConditions.clear();
    if (s.pending)
        return;
    for (const FilterTerm& t : s.terms)
        s.filterConditions.push_back(s.rows.condition(s.info->fieldIndex(t.field), t.value));
    if (newRows)
        s.rows.sortBy(s.sortColumns);
    applyView();
}

void Dataset::ensureRows() const
{
    DatasetStore& s = *m_store;
    if (!s.open || !s.pending)
        return;
    SharedRows& shared = s.connection.sharedRows();
    s.rows.setRows(namingList(*this, s, [&] {
        return s.keyColumns.isEmpty() ? shared.allRows(*s.info, s.params, sharedRows(), s.shown)
                                      : shared.keyRows(*s.info, s.keyColumns, s.keys, s.shown);
    }));
    s.pending = false;
    showFetched(true);
    // The probe that let the fetch wait saw a first row; the file may have changed since.
    if (s.pos >= s.rows.visibleCount()) {
        s.pos = -1;
        s.bof = s.eof = true;
    }
    // Only a view that was told the rows are pending needs telling that they came.
    if (std::exchange(s.pendingSeen, false))
        emit const_cast<Dataset*>(this)->rowsChanged();
}

// --- fields ----------------------------------------------------------------------------------

QStringList Dataset::fieldNames() const
{
    return m_store->info ? m_store->info->names() : QStringList();
}

int Dataset::fieldCount() const
{
    return m_store->info ? int(m_store->info->names().size()) : 0;
}

int Dataset::fieldIndex(const QString& name) const
{
    return m_store->info ? m_store->info->fieldIndex(name) : -1;
}

int Dataset::fieldIndexOrThrow(const QString& name) const
{
    const int i = fieldIndex(name);
    if (i < 0)
        throw DbError(QStringLiteral("Field '%1' not found in %2").arg(name, describe(*m_store, *this)));
    return i;
}

ValueType Dataset::fieldType(int column) const
{
    if (column < 0 || column >= fieldCount())
        return ValueType::Null;
    ensureRows();
    return m_store->rows.column(column).type();
}

// --- rows ------------------------------------------------------------------------------------

int Dataset::recordCount() const
{
    if (!m_store->open)
        return 0;
    ensureRows();
    return m_store->rows.visibleCount() + (m_store->edit.state == DatasetState::Insert ? 1 : 0);
}

bool Dataset::isEmpty() const
{
    if (m_store->open && m_store->pending)
        return !m_store->pendingHasRows;
    return recordCount() == 0;
}

int Dataset::recNo() const
{
    return m_store->pos;
}

bool Dataset::bof() const
{
    return m_store->bof;
}

bool Dataset::eof() const
{
    return m_store->eof;
}

void Dataset::scrolled()
{
    emit currentChanged(m_store->pos);
    if (m_store->afterScroll)
        m_store->afterScroll();
}

void Dataset::first()
{
    leaveEditing();
    DatasetStore& s = *m_store;
    s.bof = true;
    s.eof = isEmpty();
    if (s.eof)
        return;
    s.pos = 0;
    scrolled();
}

void Dataset::last()
{
    leaveEditing();
    DatasetStore& s = *m_store;
    const int n = recordCount();
    s.eof = true;
    s.bof = n == 0;
    if (n == 0)
        return;
    s.pos = n - 1;
    scrolled();
}

void Dataset::next()
{
    DatasetStore& s = *m_store;
    if (s.pos < 0 || s.pos + 1 >= recordCount()) {
        s.eof = true;
        return;
    }
    leaveEditing();
    if (s.pos < 0 || s.pos + 1 >= recordCount()) {
        s.eof = true;
        return;
    }
    ++s.pos;
    s.bof = s.eof = false;
    scrolled();
}

void Dataset::prior()
{
    DatasetStore& s = *m_store;
    if (s.pos <= 0) {
        s.bof = true;
        return;
    }
    leaveEditing();
    if (s.pos <= 0) {
        s.bof = true;
        return;
    }
    --s.pos;
    s.bof = s.eof = false;
    scrolled();
}

void Dataset::moveTo(int position)
{
    DatasetStore& s = *m_store;
    int n = recordCount();
    if (n == 0)
        return;
    int p = qBound(0, position, n - 1);
    if (p == s.pos) {
        s.bof = s.eof = false;
        return;
    }
    // Leaving a changed row posts it first; a refused post keeps the row current.
    leaveEditing();
    n = recordCount();
    if (n == 0)
        return;
    p = qBound(0, position, n - 1);
    s.bof = s.eof = false;
    if (p == s.pos)
        return;
    s.pos = p;
    scrolled();
}

Value Dataset::value(int position, int column) const
{
    ensureRows();
    if (position < 0 || position >= recordCount() || column < 0 || column >= fieldCount())
        return Value();
    if (isEditRow(position))
        return m_store->edit.values.value(column);
    return m_store->rows.column(column).valueAt(m_store->rows.baseRowAt(position));
}

QString Dataset::displayText(int position, int column) const
{
    ensureRows();
    if (position < 0 || position >= recordCount() || column < 0 || column >= fieldCount())
        return QString();
    if (isEditRow(position))
        return m_store->edit.values.value(column).toText();
    return m_store->rows.column(column).displayAt(m_store->rows.baseRowAt(position));
}

// --- current row -----------------------------------------------------------------------------

QString Dataset::asText(const QString& field) const
{
    if (!m_store->open)
        return QString();
    const int c = fieldIndexOrThrow(field);
    return displayText(m_store->pos, c);
}

qint64 Dataset::asInteger(const QString& field) const
{
    if (!m_store->open)
        return 0;
    const int c = fieldIndexOrThrow(field);
    return value(m_store->pos, c).toInteger();
}

double Dataset::asFloat(const QString& field) const
{
    if (!m_store->open)
        return 0.0;
    const int c = fieldIndexOrThrow(field);
    return value(m_store->pos, c).toFloat();
}

// --- filter ----------------------------------------------------------------------------------

void Dataset::setFilter(const QString& text)
{
    DatasetStore& s = *m_store;
    if (s.open && s.filtered) {
        leaveEditing();
        loadRows(filterTerms(text)); // throws before anything changes
        s.filterText = text;
        switched();
        return;
    }
    s.filterText = text;
}

QString Dataset::filter() const
{
    return m_store->filterText;
}

void Dataset::setFiltered(bool on)
{
    DatasetStore& s = *m_store;
    if (on == s.filtered)
        return;
    if (!s.open) {
        s.filtered = on;
        return;
    }
    leaveEditing();
    loadRows(on ? filterTerms(s.filterText) : QVector<FilterTerm>());
    s.filtered = on;
    switched();
}

bool Dataset::filtered() const
{
    return m_store->filtered;
}

void Dataset::applyView() const
{
    DatasetStore& s = *m_store;
    std::vector<RowCondition> all = s.filterConditions;
    if (s.master) {
        for (int i = 0; i < s.detailFields.size() && i < s.masterFields.size(); ++i) {
            const int c = fieldIndexOrThrow(s.detailFields[i]);
            if (!s.master->isOpen() || s.master->recNo() < 0) {
                RowCondition none;
                none.column = c;
                none.matchesNothing = true;
                all.push_back(none);
            } else {
                all.push_back(s.rows.condition(c, s.master->asText(s.masterFields[i])));
            }
        }
    }
    s.rows.restrict(all);
}

void Dataset::switched()
{
    DatasetStore& s = *m_store;
    s.pos = !isEmpty() ? 0 : -1;
    s.bof = true;
    s.eof = s.pos < 0;
    emit rowsChanged();
    emit currentChanged(s.pos);
    // Runs on an empty result too: detail handlers rely on it to empty their own panes.
    if (s.afterScroll)
        s.afterScroll();
}

// --- sort ------------------------------------------------------------------------------------

void Dataset::setSort(const QString& text)
{
    DatasetStore& s = *m_store;
    const QVector<SortKey> keys = parseSort(text);
    if (!s.open) {
        s.sortText = text;
        return;
    }
    std::vector<std::pair<int, bool>> columns;
    for (const SortKey& k : keys)
        columns.emplace_back(fieldIndexOrThrow(k.field), k.descending);
    leaveEditing();
    ensureRows();
    const int oldPos = s.pos;
    const uint32_t current = oldPos >= 0 ? s.rows.baseRowAt(oldPos) : 0;
    s.rows.sortBy(columns);
    s.sortColumns = columns;
    s.sortText = text;
    s.pos = oldPos >= 0 ? s.rows.positionOf(current) : -1;
    emit rowsChanged();
    emit currentChanged(s.pos);
}

QString Dataset::sort() const
{
    return m_store->sortText;
}

// --- locate ----------------------------------------------------------------------------------

bool Dataset::locate(const QString& field, const QString& value, int options)
{
    DatasetStore& s = *m_store;
    if (!s.open)
        return false;
    const int c = fieldIndexOrThrow(field);
    leaveEditing();
    ensureRows();
    const int p = s.rows.locate(c, value, options & CaseInsensitive, options & PartialKey);
    if (p < 0)
        return false;
    s.pos = p;
    s.bof = s.eof = false;
    scrolled();
    return true;
}

// --- notifications ---------------------------------------------------------------------------

void Dataset::setAfterScroll(std::function<void()> handler)
{
    m_store->afterScroll = std::move(handler);
}

void Dataset::setAfterOpen(std::function<void()> handler)
{
    m_store->afterOpen = std::move(handler);
}

// --- detail link -----------------------------------------------------------------------------

void Dataset::setMasterLink(Dataset* master, const QString& masterFields, const QString& detailFields)
{
    DatasetStore& s = *m_store;
    if (s.masterConnection)
        disconnect(s.masterConnection);
    s.master = master;
    s.masterFields = masterFields.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    s.detailFields = detailFields.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& f : s.masterFields)
        f = f.trimmed();
    for (QString& f : s.detailFields)
        f = f.trimmed();
    if (master) {
        master->addDependent(*this);
        s.masterConnection = connect(master, &Dataset::currentChanged, this, [this] {
            if (m_store->open) {
                // The master posts its details before it moves; whatever is left is not its row's.
                if (m_store->edit.state != DatasetState::Browse)
                    dropEditing();
                ensureRows();
                applyView();
                switched();
            }
        });
    }
    if (s.open) {
        ensureRows();
        applyView();
        switched();
    }
}

// --- cost ------------------------------------------------------------------------------------

size_t Dataset::cellBytes() const
{
    return m_store->rows.rows()->cellBytes();
}

int Dataset::fetchedRowCount() const
{
    return static_cast<int>(m_store->rows.baseRowCount());
}
