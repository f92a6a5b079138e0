#include "data/RowStore.h"

#include "data/DbError.h"
#include "data/ReadFailure.h"
#include "data/ResultColumnNames.h"

#include <algorithm>
#include <cmath>

#include <sqlite3.h>

namespace {

// Below this many visible rows a locate scans them directly instead of walking the index.
const size_t kScanVisibleLimit = 4096;

[[noreturn]] void statementFailed(sqlite3* db, const QString& shownStatement)
{
    throw readFailure(db, shownStatement);
}

void bindParams(sqlite3* db, sqlite3_stmt* stmt, const QHash<QString, Value>& params, const QString& shownStatement)
{
    const int count = sqlite3_bind_parameter_count(stmt);
    for (int i = 1; i <= count; ++i) {
        const char* raw = sqlite3_bind_parameter_name(stmt, i);
        if (!raw)
            throw DbError(QStringLiteral("Unnamed parameter in statement: %1").arg(shownStatement));
        const QString name = QString::fromUtf8(raw + 1).toLower();
        const Value v = params.value(name);
        int rc = SQLITE_OK;
        switch (v.type()) {
        case ValueType::Null:
            rc = sqlite3_bind_null(stmt, i);
            break;
        case ValueType::Integer:
        case ValueType::Bool:
            rc = sqlite3_bind_int64(stmt, i, v.toInteger());
            break;
        case ValueType::Float:
            rc = sqlite3_bind_double(stmt, i, v.toFloat());
            break;
        case ValueType::Text: {
            const QByteArray utf8 = v.toText().toUtf8();
            rc = sqlite3_bind_text(stmt, i, utf8.constData(), utf8.size(), SQLITE_TRANSIENT);
            break;
        }
        }
        if (rc != SQLITE_OK)
            statementFailed(db, shownStatement);
    }
}

int compareCells(const Column& col, const TextOrder* order, uint32_t a, uint32_t b)
{
    const bool na = col.isNull(a);
    const bool nb = col.isNull(b);
    if (na || nb)
        return na == nb ? 0 : (na ? -1 : 1);
    switch (col.type()) {
    case ValueType::Integer:
    case ValueType::Bool: {
        const int64_t x = col.integerAt(a), y = col.integerAt(b);
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    case ValueType::Float: {
        const double x = col.floatAt(a), y = col.floatAt(b);
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    case ValueType::Text: {
        const uint32_t x = order->rankOf(col.textIdAt(a)), y = order->rankOf(col.textIdAt(b));
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    case ValueType::Null:
        break;
    }
    return 0;
}

bool startsWith(const std::string& s, const std::string& prefix)
{
    return s.size() >= prefix.size() && s.compare(0, prefix.size(), prefix) == 0;
}

} // namespace

void RowStore::clear()
{
    m_columns.clear();
    m_names.clear();
    m_nameIndex.clear();
    m_rowids.clear();
    m_hasRowids = false;
    m_rowCount = 0;
    m_sorted = false;
    m_perm.clear();
    m_rank.clear();
    m_restricted = false;
    m_visible.clear();
    m_equality.clear();
    m_textOrder.clear();
}

void RowStore::fetch(sqlite3* db, const QString& sqliteSql, const QHash<QString, Value>& params,
                         const QString& shownStatement, bool withRowid)
{
    clear();
    sqlite3_stmt* stmt = nullptr;
    const QByteArray utf8 = sqliteSql.toUtf8();
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db, utf8.constData(), utf8.size(), &stmt, &tail) != SQLITE_OK)
        statementFailed(db, shownStatement);
    if (!stmt)
        throw DbError(QStringLiteral("The statement is empty: %1").arg(shownStatement));
    struct Finalizer {
        sqlite3_stmt* s;
        ~Finalizer() { sqlite3_finalize(s); }
    } finalizer{stmt};
    for (const char* t = tail; t && *t; ++t)
        if (*t != ';' && !QChar::isSpace(static_cast<unsigned char>(*t)))
            throw DbError(QStringLiteral("More than one statement given: %1").arg(shownStatement));

    bindParams(db, stmt, params, shownStatement);

    const int first = withRowid ? 1 : 0;
    const int count = sqlite3_column_count(stmt) - first;
    if (withRowid) {
        for (int c = 0; c < count; ++c)
            m_names << QString::fromUtf8(sqlite3_column_name(stmt, c + first));
    } else {
        m_names = resultColumnNames(db, stmt, sqliteSql);
    }
    m_columns.reserve(count);
    for (int c = 0; c < count; ++c)
        m_columns.emplace_back(QString::fromUtf8(sqlite3_column_decltype(stmt, c + first)));

    int rc;
    uint32_t rows = 0;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        if (withRowid)
            m_rowids.push_back(sqlite3_column_int64(stmt, 0));
        for (int c = 0; c < count; ++c) {
            Column& col = m_columns[c];
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
                col.appendText(std::string_view(text ? text : "", static_cast<size_t>(sqlite3_column_bytes(stmt, i))));
                break;
            }
            }
        }
        ++rows;
    }
    if (rc != SQLITE_DONE) {
        const DbError failure = readFailure(db, shownStatement);
        clear();
        throw failure;
    }
    for (Column& col : m_columns)
        col.finish();
    m_rowCount = rows;
    m_hasRowids = withRowid;
    for (int c = 0; c < m_names.size(); ++c) {
        const QString key = m_names[c].toLower();
        if (!m_nameIndex.contains(key))
            m_nameIndex.insert(key, c);
    }
    m_equality.resize(m_columns.size());
    m_textOrder.resize(m_columns.size());
}

int RowStore::fieldIndex(const QString& name) const
{
    const auto it = m_nameIndex.constFind(name.trimmed().toLower());
    return it == m_nameIndex.constEnd() ? -1 : it.value();
}

int RowStore::visibleCount() const
{
    return m_restricted ? static_cast<int>(m_visible.size()) : static_cast<int>(m_rowCount);
}

uint32_t RowStore::baseRowAt(int position) const
{
    if (m_restricted)
        return m_visible[position];
    return m_sorted ? m_perm[position] : static_cast<uint32_t>(position);
}

int RowStore::positionOf(uint32_t baseRow) const
{
    if (baseRow >= m_rowCount)
        return -1;
    if (!m_restricted)
        return static_cast<int>(rankOf(baseRow));
    const uint32_t rank = rankOf(baseRow);
    const auto it = std::lower_bound(m_visible.begin(), m_visible.end(), rank,
                                     [this](uint32_t row, uint32_t r) { return rankOf(row) < r; });
    if (it == m_visible.end() || *it != baseRow)
        return -1;
    return static_cast<int>(it - m_visible.begin());
}

const EqualityIndex& RowStore::equalityIndex(int column) const
{
    if (!m_equality[column])
        m_equality[column] = std::make_unique<EqualityIndex>(m_columns[column]);
    return *m_equality[column];
}

const TextOrder& RowStore::textOrder(int column) const
{
    if (!m_textOrder[column])
        m_textOrder[column] = std::make_unique<TextOrder>(m_columns[column]);
    return *m_textOrder[column];
}

RowCondition RowStore::condition(int column, const QString& valueText) const
{
    RowCondition rc;
    rc.column = column;
    rc.matchesNothing = true;
    const Column& col = m_columns[column];
    const QString v = valueText.trimmed();
    bool ok = false;
    switch (col.type()) {
    case ValueType::Integer: {
        qint64 x = v.toLongLong(&ok);
        if (!ok) {
            const double d = v.toDouble(&ok);
            ok = ok && std::floor(d) == d && std::fabs(d) < 9.0e18;
            x = ok ? static_cast<qint64>(d) : 0;
        }
        if (ok) {
            rc.key = x;
            rc.matchesNothing = false;
        }
        break;
    }
    case ValueType::Bool: {
        const QString l = v.toLower();
        if (l == QLatin1String("true") || l == QLatin1String("yes") || l == QLatin1String("on")) {
            rc.key = 1;
            rc.matchesNothing = false;
        } else if (l == QLatin1String("false") || l == QLatin1String("no") || l == QLatin1String("off")) {
            rc.key = 0;
            rc.matchesNothing = false;
        } else {
            const double d = v.toDouble(&ok);
            if (ok) {
                rc.key = d != 0.0 ? 1 : 0;
                rc.matchesNothing = false;
            }
        }
        break;
    }
    case ValueType::Float: {
        const double d = v.toDouble(&ok);
        if (ok) {
            rc.key = EqualityIndex::floatKey(d);
            rc.matchesNothing = false;
        }
        break;
    }
    case ValueType::Text: {
        // Text compares exactly, untrimmed.
        const QByteArray utf8 = valueText.toUtf8();
        const uint32_t id = col.pool().find(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
        if (id != StringPool::kNone) {
            rc.key = id;
            rc.matchesNothing = false;
        }
        break;
    }
    case ValueType::Null:
        break;
    }
    return rc;
}

bool RowStore::meets(uint32_t row, const RowCondition& c) const
{
    const Column& col = m_columns[c.column];
    return !c.matchesNothing && !col.isNull(row) && EqualityIndex::keyOf(col, row) == c.key;
}

void RowStore::restrict(const std::vector<RowCondition>& conditions)
{
    m_visible.clear();
    m_restricted = !conditions.empty();
    if (!m_restricted)
        return;
    for (const RowCondition& c : conditions)
        if (c.matchesNothing)
            return;
    // Start from the condition with the fewest rows; test the others cell by cell.
    size_t best = 0;
    std::pair<const uint32_t*, const uint32_t*> range{nullptr, nullptr};
    for (size_t i = 0; i < conditions.size(); ++i) {
        const auto r = equalityIndex(conditions[i].column).rows(conditions[i].key);
        if (i == 0 || r.second - r.first < range.second - range.first) {
            range = r;
            best = i;
        }
    }
    for (const uint32_t* p = range.first; p != range.second; ++p) {
        bool all = true;
        for (size_t i = 0; i < conditions.size() && all; ++i)
            if (i != best)
                all = meets(*p, conditions[i]);
        if (all)
            m_visible.push_back(*p);
    }
    if (m_sorted)
        std::sort(m_visible.begin(), m_visible.end(), [this](uint32_t a, uint32_t b) { return m_rank[a] < m_rank[b]; });
}

void RowStore::sortBy(const std::vector<std::pair<int, bool>>& keys)
{
    if (keys.empty()) {
        m_sorted = false;
        m_perm.clear();
        m_rank.clear();
    } else {
        std::vector<const TextOrder*> orders;
        for (const auto& k : keys)
            orders.push_back(m_columns[k.first].type() == ValueType::Text ? &textOrder(k.first) : nullptr);
        m_perm.resize(m_rowCount);
        for (uint32_t r = 0; r < m_rowCount; ++r)
            m_perm[r] = r;
        std::stable_sort(m_perm.begin(), m_perm.end(), [&](uint32_t a, uint32_t b) {
            for (size_t i = 0; i < keys.size(); ++i) {
                const int c = compareCells(m_columns[keys[i].first], orders[i], a, b);
                if (c != 0)
                    return keys[i].second ? c > 0 : c < 0;
            }
            return false;
        });
        m_rank.resize(m_rowCount);
        for (uint32_t p = 0; p < m_rowCount; ++p)
            m_rank[m_perm[p]] = p;
        m_sorted = true;
    }
    if (m_restricted)
        std::sort(m_visible.begin(), m_visible.end(), [this](uint32_t a, uint32_t b) { return rankOf(a) < rankOf(b); });
}

int RowStore::bestPosition(const uint32_t* first, const uint32_t* last, int best) const
{
    if (first == last)
        return best;
    if (!m_restricted && !m_sorted) {
        // Rows of one key are in base order, which is the visible order here.
        const int p = static_cast<int>(*first);
        return best < 0 || p < best ? p : best;
    }
    for (const uint32_t* r = first; r != last; ++r) {
        const int p = positionOf(*r);
        if (p >= 0 && (best < 0 || p < best))
            best = p;
    }
    return best;
}

int RowStore::locate(int column, const QString& value, bool caseInsensitive, bool partialKey) const
{
    if (column < 0 || column >= columnCount() || value.isEmpty() || visibleCount() == 0)
        return -1;
    const Column& col = m_columns[column];
    if (col.type() == ValueType::Text)
        return locateText(column, value, caseInsensitive, partialKey);
    const RowCondition c = condition(column, value);
    if (c.matchesNothing)
        return -1;
    const auto rows = equalityIndex(column).rows(c.key);
    return bestPosition(rows.first, rows.second, -1);
}

int RowStore::locateText(int column, const QString& value, bool caseInsensitive, bool partialKey) const
{
    const Column& col = m_columns[column];
    const int visible = visibleCount();
    if (!caseInsensitive) {
        // Exact-case matching is not used by the windows; a plain scan serves it.
        const std::string wanted = value.toStdString();
        int best = -1;
        std::string_view bestText;
        for (int p = 0; p < visible; ++p) {
            const uint32_t row = baseRowAt(p);
            if (col.isNull(row))
                continue;
            const std::string_view t = col.textAt(row);
            const bool match = partialKey ? t.substr(0, wanted.size()) == wanted : t == wanted;
            if (match && (best < 0 || t < bestText)) {
                best = p;
                bestText = t;
            }
        }
        return best;
    }

    const TextOrder& order = textOrder(column);
    const std::string folded = TextOrder::fold(value);
    auto matches = [&](uint32_t id) {
        const std::string& f = order.folded(id);
        return partialKey ? startsWith(f, folded) : f == folded;
    };
    if (m_restricted && m_visible.size() <= kScanVisibleLimit) {
        int best = -1;
        uint32_t bestRank = 0;
        for (int p = 0; p < visible; ++p) {
            const uint32_t row = m_visible[p];
            if (col.isNull(row))
                continue;
            const uint32_t id = col.textIdAt(row);
            if (!matches(id))
                continue;
            const uint32_t rank = order.rankOf(id);
            if (best < 0 || rank < bestRank) {
                best = p;
                bestRank = rank;
            }
        }
        return best;
    }

    const std::vector<uint32_t>& ids = order.ids();
    const EqualityIndex& index = equalityIndex(column);
    int best = -1;
    uint32_t bestRank = 0;
    for (size_t i = order.lowerBound(folded); i < ids.size(); ++i) {
        const uint32_t id = ids[i];
        if (!matches(id))
            break;
        const uint32_t rank = order.rankOf(id);
        if (best >= 0 && rank > bestRank)
            break;
        const auto rows = index.rows(id);
        const int p = bestPosition(rows.first, rows.second, best);
        if (p >= 0) {
            best = p;
            bestRank = rank;
        }
    }
    return best;
}

size_t RowStore::cellBytes() const
{
    size_t bytes = 0;
    for (const Column& c : m_columns)
        bytes += c.bytesUsed();
    return bytes;
}
