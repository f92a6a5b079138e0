#include "data/RowStore.h"

#include "data/FilterExpression.h"

#include <algorithm>
#include <cmath>

namespace {

// Below this many visible rows a locate scans them directly instead of walking the index.
const size_t kScanVisibleLimit = 4096;

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

namespace {
const SharedRowSet& noRows()
{
    static const SharedRowSet none = std::make_shared<RowSet>();
    return none;
}
} // namespace

RowStore::RowStore() : m_set(noRows()) {}

void RowStore::setRows(SharedRowSet rows)
{
    m_set = rows ? std::move(rows) : noRows();
    m_rowCount = m_set->rowCount();
    m_sorted = false;
    m_perm.clear();
    m_rank.clear();
    m_restricted = false;
    m_visible.clear();
}

void RowStore::clear()
{
    setRows(noRows());
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

RowCondition RowStore::condition(int column, const QString& valueText) const
{
    RowCondition rc;
    rc.column = column;
    rc.matchesNothing = true;
    const Column& col = m_set->column(column);
    const QString v = valueText.trimmed();
    bool ok = false;
    switch (col.type()) {
    case ValueType::Integer: {
        qint64 x = 0;
        if (integerFilterValue(v, x)) {
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
    const Column& col = m_set->column(c.column);
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
            orders.push_back(m_set->column(k.first).type() == ValueType::Text ? &textOrder(k.first) : nullptr);
        m_perm.resize(m_rowCount);
        for (uint32_t r = 0; r < m_rowCount; ++r)
            m_perm[r] = r;
        std::stable_sort(m_perm.begin(), m_perm.end(), [&](uint32_t a, uint32_t b) {
            for (size_t i = 0; i < keys.size(); ++i) {
                const int c = compareCells(m_set->column(keys[i].first), orders[i], a, b);
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
    const Column& col = m_set->column(column);
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
    const Column& col = m_set->column(column);
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
