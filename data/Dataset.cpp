#include "data/Dataset.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/FilterExpression.h"
#include "data/JetSql.h"
#include "data/RowStore.h"
#include "data/SortOrder.h"

#include <QPointer>

// Everything a dataset keeps between calls: its definition, its fetched rows and its view.
class DatasetStore {
public:
    explicit DatasetStore(Connection& c) : connection(c) {}

    Connection& connection;
    QStringList sqlLines;
    QString tableName;
    QHash<QString, Value> params; // lower-cased names

    bool open = false;
    RowStore rows;

    QString filterText;
    bool filtered = false;
    std::vector<RowCondition> filterConditions; // resolved while filtered and open
    QString sortText;

    int pos = -1;
    bool bof = true;
    bool eof = true;

    std::function<void()> afterScroll;
    std::function<void()> afterOpen;

    QPointer<Dataset> master;
    QStringList masterFields;
    QStringList detailFields;
    QMetaObject::Connection masterConnection;
};

namespace {

QString describe(const DatasetStore& s, const QObject& o)
{
    if (!o.objectName().isEmpty())
        return o.objectName();
    if (!s.tableName.isEmpty())
        return QStringLiteral("table %1").arg(s.tableName);
    return QStringLiteral("statement: %1").arg(s.sqlLines.join(QLatin1Char('\n')));
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
    sqlite3* db = s.connection.handle();
    try {
        s.rows.fetch(db, sqlite, s.params, shown, isTable);
    } catch (DbError& failure) {
        failure.setList(objectName().isEmpty() ? s.tableName : objectName());
        throw;
    }
    try {
        s.filterConditions.clear();
        if (s.filtered) {
            for (const FilterTerm& t : parseFilter(s.filterText))
                s.filterConditions.push_back(s.rows.condition(fieldIndexOrThrow(t.field), t.value));
        }
        std::vector<std::pair<int, bool>> keys;
        for (const SortKey& k : parseSort(s.sortText))
            keys.emplace_back(fieldIndexOrThrow(k.field), k.descending);
        s.rows.sortBy(keys);
    } catch (...) {
        s.rows.clear();
        throw;
    }
    s.open = true;
    applyView();
    s.pos = s.rows.visibleCount() > 0 ? 0 : -1;
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
    s.open = false;
    s.rows.clear();
    s.filterConditions.clear();
    s.pos = -1;
    s.bof = s.eof = true;
    emit rowsChanged();
    emit currentChanged(-1);
}

bool Dataset::isOpen() const
{
    return m_store->open;
}

// --- fields ----------------------------------------------------------------------------------

QStringList Dataset::fieldNames() const
{
    return m_store->rows.names();
}

int Dataset::fieldCount() const
{
    return m_store->rows.columnCount();
}

int Dataset::fieldIndex(const QString& name) const
{
    return m_store->rows.fieldIndex(name);
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
    return m_store->rows.column(column).type();
}

// --- rows ------------------------------------------------------------------------------------

int Dataset::recordCount() const
{
    return m_store->open ? m_store->rows.visibleCount() : 0;
}

bool Dataset::isEmpty() const
{
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
    DatasetStore& s = *m_store;
    s.bof = true;
    s.eof = recordCount() == 0;
    if (s.eof)
        return;
    s.pos = 0;
    scrolled();
}

void Dataset::last()
{
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
    --s.pos;
    s.bof = s.eof = false;
    scrolled();
}

void Dataset::moveTo(int position)
{
    DatasetStore& s = *m_store;
    const int n = recordCount();
    if (n == 0)
        return;
    const int p = qBound(0, position, n - 1);
    s.bof = s.eof = false;
    if (p == s.pos)
        return;
    s.pos = p;
    scrolled();
}

Value Dataset::value(int position, int column) const
{
    if (position < 0 || position >= recordCount() || column < 0 || column >= fieldCount())
        return Value();
    return m_store->rows.column(column).valueAt(m_store->rows.baseRowAt(position));
}

QString Dataset::displayText(int position, int column) const
{
    if (position < 0 || position >= recordCount() || column < 0 || column >= fieldCount())
        return QString();
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

std::vector<RowCondition> Dataset::resolveFilter(const QString& text) const
{
    std::vector<RowCondition> conditions;
    for (const FilterTerm& t : parseFilter(text)) {
        const int c = fieldIndex(t.field);
        if (c < 0)
            throw DbError(QStringLiteral("Filter \"%1\" names an unknown field '%2' in %3").arg(text, t.field, describe(*m_store, *this)));
        conditions.push_back(m_store->rows.condition(c, t.value));
    }
    return conditions;
}

void Dataset::setFilter(const QString& text)
{
    DatasetStore& s = *m_store;
    if (s.open && s.filtered) {
        s.filterConditions = resolveFilter(text); // throws before anything changes
        s.filterText = text;
        applyView();
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
    s.filterConditions = on ? resolveFilter(s.filterText) : std::vector<RowCondition>();
    s.filtered = on;
    applyView();
    switched();
}

bool Dataset::filtered() const
{
    return m_store->filtered;
}

void Dataset::applyView()
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
    s.pos = s.rows.visibleCount() > 0 ? 0 : -1;
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
    const int oldPos = s.pos;
    const uint32_t current = oldPos >= 0 ? s.rows.baseRowAt(oldPos) : 0;
    s.rows.sortBy(columns);
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
        s.masterConnection = connect(master, &Dataset::currentChanged, this, [this] {
            if (m_store->open) {
                applyView();
                switched();
            }
        });
    }
    if (s.open) {
        applyView();
        switched();
    }
}

// --- cost ------------------------------------------------------------------------------------

size_t Dataset::cellBytes() const
{
    return m_store->rows.cellBytes();
}

int Dataset::fetchedRowCount() const
{
    return static_cast<int>(m_store->rows.baseRowCount());
}
