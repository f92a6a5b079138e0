#include "data/SearchIndex.h"

#include "data/SearchText.h"

#include <algorithm>
#include <numeric>

namespace {
const char kKeySeparator = '\x1f';

std::string_view view(const std::string& s) { return s; }

std::string utf8(const QString& s) { return s.toStdString(); }

bool startsWith(std::string_view s, std::string_view prefix)
{
    return s.size() >= prefix.size() && s.compare(0, prefix.size(), prefix) == 0;
}

// Key fields compare one by one: as integers when both are, as text otherwise.
int compareKeys(const QStringList& a, const QStringList& b)
{
    for (int i = 0; i < a.size() && i < b.size(); ++i) {
        bool aNumber = false;
        bool bNumber = false;
        const qlonglong x = a[i].toLongLong(&aNumber);
        const qlonglong y = b[i].toLongLong(&bNumber);
        if (aNumber && bNumber) {
            if (x != y)
                return x < y ? -1 : 1;
        } else if (const int c = a[i].compare(b[i])) {
            return c;
        }
    }
    return int(a.size()) - int(b.size());
}

// The rank of one folded name for the typed words, or -1 when a typed word begins none of its words.
int rankIn(std::string_view name, const std::vector<std::string_view>& typed, std::string_view joined)
{
    const std::vector<std::string_view> words = foldedWords(name);
    bool allWhole = true;
    for (std::string_view t : typed) {
        bool found = false;
        bool whole = false;
        for (std::string_view w : words)
            if (startsWith(w, t)) {
                found = true;
                whole = whole || w.size() == t.size();
            }
        if (!found)
            return -1;
        allWhole = allWhole && whole;
    }
    if (startsWith(name, joined))
        return SearchHit::Begins;
    return allWhole ? SearchHit::WholeWords : SearchHit::WordStarts;
}
} // namespace

SearchIndex::SearchIndex(const std::vector<SearchItem>& items)
{
    struct Folded {
        std::string name, other;
    };
    std::vector<Folded> folded(items.size());
    for (size_t i = 0; i < items.size(); ++i)
        folded[i] = {foldForSearch(items[i].name), foldForSearch(items[i].otherName)};

    std::vector<uint32_t> order(items.size());
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
        const SearchItem& x = items[a];
        const SearchItem& y = items[b];
        if (x.kind != y.kind)
            return x.kind < y.kind;
        if (const int c = folded[a].name.compare(folded[b].name))
            return c < 0;
        if (const int c = x.name.compare(y.name))
            return c < 0;
        if (const int c = compareKeys(x.key, y.key))
            return c < 0;
        return a < b;
    });

    m_entries.reserve(items.size());
    for (uint32_t i : order) {
        const SearchItem& item = items[i];
        Entry e{};
        e.kind = item.kind;
        e.name = m_pool.intern(utf8(item.name));
        e.otherName = m_pool.intern(utf8(item.otherName));
        e.folded = m_pool.intern(folded[i].name);
        e.foldedOther = m_pool.intern(folded[i].other);
        e.detail = m_pool.intern(utf8(item.detail));
        e.icon = m_pool.intern(utf8(item.icon));
        e.key = m_pool.intern(utf8(item.key.join(QLatin1Char(kKeySeparator))));
        m_entries.push_back(e);
    }
    for (uint32_t i = 0; i < m_entries.size(); ++i) {
        addWords(i, m_entries[i].folded, false);
        // A second name that folds like the first finds nothing new.
        if (m_entries[i].foldedOther != m_entries[i].folded)
            addWords(i, m_entries[i].foldedOther, true);
    }
    std::sort(m_words.begin(), m_words.end(), [this](const Word& a, const Word& b) {
        if (const int c = wordText(a).compare(wordText(b)))
            return c < 0;
        return a.entry != b.entry ? a.entry < b.entry : a.other < b.other;
    });
    m_words.shrink_to_fit();
}

void SearchIndex::addWords(uint32_t entry, uint32_t folded, bool other)
{
    const std::string_view name = m_pool.view(folded);
    bool first = true;
    for (std::string_view w : foldedWords(name)) {
        // Names are short; a word past what a record can address is not searched.
        const size_t offset = size_t(w.data() - name.data());
        if (offset > UINT16_MAX || w.size() > UINT16_MAX)
            break;
        Word word{};
        word.text = folded;
        word.offset = uint16_t(offset);
        word.length = uint16_t(w.size());
        word.entry = entry;
        word.first = first;
        word.other = other;
        m_words.push_back(word);
        first = false;
    }
}

std::string_view SearchIndex::wordText(const Word& w) const
{
    return m_pool.view(w.text).substr(w.offset, w.length);
}

QString SearchIndex::text(uint32_t id) const
{
    const std::string_view s = m_pool.view(id);
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QStringList SearchIndex::key(uint32_t entry) const
{
    return text(m_entries[entry].key).split(QLatin1Char(kKeySeparator));
}

int SearchIndex::rankOf(const Entry& e, const std::vector<std::string_view>& typed, std::string_view joined,
                        bool& byOther) const
{
    const int byName = rankIn(m_pool.view(e.folded), typed, joined);
    const int other = e.foldedOther == e.folded ? -1 : rankIn(m_pool.view(e.foldedOther), typed, joined);
    byOther = other >= 0 && (byName < 0 || other < byName);
    return byOther ? other : byName;
}

std::vector<SearchGroup> SearchIndex::find(const QString& text, int perKind, int wholeKind) const
{
    const std::string joined = foldForSearch(text);
    const std::vector<std::string_view> typed = foldedWords(view(joined));
    if (typed.empty() || m_entries.empty())
        return {};

    // The words each typed word begins lie side by side; the fewest of them drive the search.
    struct Range {
        const Word* begin;
        const Word* end;
    };
    std::vector<Range> ranges;
    size_t driver = 0;
    for (std::string_view t : typed) {
        const Word* begin = std::lower_bound(m_words.data(), m_words.data() + m_words.size(), t,
                                             [this](const Word& w, std::string_view s) { return wordText(w) < s; });
        const Word* end = std::partition_point(begin, m_words.data() + m_words.size(),
                                               [this, t](const Word& w) { return startsWith(wordText(w), t); });
        if (begin == end)
            return {};
        ranges.push_back({begin, end});
        if (end - begin < ranges[driver].end - ranges[driver].begin)
            driver = ranges.size() - 1;
    }

    // Per thing: 0 not seen yet, 255 seen and not matching, else 1 + 2 * rank + byOther.
    std::vector<uint8_t> seen(m_entries.size(), 0);
    std::vector<uint32_t> touched;
    if (typed.size() == 1) {
        for (const Word* w = ranges[0].begin; w != ranges[0].end; ++w) {
            // The word alone tells the rank: the first word begins the name, an equal one is whole.
            const int rank = w->first                           ? SearchHit::Begins
                             : w->length == typed.front().size() ? SearchHit::WholeWords
                                                                 : SearchHit::WordStarts;
            const uint8_t code = uint8_t(1 + 2 * rank + w->other);
            uint8_t& mark = seen[w->entry];
            if (mark == 0)
                touched.push_back(w->entry);
            if (mark == 0 || code < mark)
                mark = code;
        }
    } else if (typed.size() <= kMaskedWords) {
        // Each typed word marks the things whose name (low half) or other name (high half) has
        // a word it begins (low byte) or equals (high byte); a thing all words marked matches.
        std::vector<uint32_t> masks(m_entries.size(), 0);
        for (size_t i = 0; i < ranges.size(); ++i)
            for (const Word* w = ranges[i].begin; w != ranges[i].end; ++w) {
                const uint32_t bit = 1u << (i + (w->other ? 16 : 0));
                masks[w->entry] |= w->length == typed[i].size() ? bit | bit << 8 : bit;
            }
        const uint32_t all = (1u << typed.size()) - 1;
        for (const Word* w = ranges[driver].begin; w != ranges[driver].end; ++w) {
            uint8_t& mark = seen[w->entry];
            if (mark != 0)
                continue;
            const Entry& e = m_entries[w->entry];
            int best = -1;
            bool byOther = false;
            for (int side = 0; side < 2; ++side) {
                const uint32_t m = masks[w->entry] >> (16 * side);
                if ((m & all) != all)
                    continue;
                const std::string_view name = m_pool.view(side ? e.foldedOther : e.folded);
                const int rank = startsWith(name, joined)       ? SearchHit::Begins
                                 : ((m >> 8) & all) == all ? SearchHit::WholeWords
                                                           : SearchHit::WordStarts;
                if (best < 0 || rank < best) {
                    best = rank;
                    byOther = side == 1;
                }
            }
            mark = best < 0 ? 255 : uint8_t(1 + 2 * best + byOther);
            if (best >= 0)
                touched.push_back(w->entry);
        }
    } else {
        for (const Word* w = ranges[driver].begin; w != ranges[driver].end; ++w) {
            uint8_t& mark = seen[w->entry];
            if (mark != 0)
                continue;
            bool byOther = false;
            const int rank = rankOf(m_entries[w->entry], typed, joined, byOther);
            mark = rank < 0 ? 255 : uint8_t(1 + 2 * rank + byOther);
            if (rank >= 0)
                touched.push_back(w->entry);
        }
    }

    // Rank in the high half, the thing's place (kind, name, key) in the low: one number orders.
    std::vector<std::vector<uint64_t>> byKind(256);
    for (uint32_t entry : touched)
        byKind[m_entries[entry].kind].push_back((uint64_t((seen[entry] - 1) / 2) << 32) | entry);

    std::vector<std::pair<uint64_t, SearchGroup>> ranked; // best rank of the group, the group
    for (int kind = 0; kind < 256; ++kind) {
        std::vector<uint64_t>& hits = byKind[kind];
        if (hits.empty())
            continue;
        const uint64_t bestRank = *std::min_element(hits.begin(), hits.end()) >> 32;
        const int limit = kind == wholeKind ? kWholeKindLimit : perKind;
        const size_t shown = std::min(hits.size(), size_t(std::max(limit, 0)));
        std::partial_sort(hits.begin(), hits.begin() + shown, hits.end());
        SearchGroup group;
        group.kind = uint8_t(kind);
        group.total = int(hits.size());
        group.hits.reserve(shown);
        for (size_t i = 0; i < shown; ++i) {
            const uint32_t entry = uint32_t(hits[i]);
            group.hits.push_back({entry, SearchHit::Rank(hits[i] >> 32), bool((seen[entry] - 1) & 1)});
        }
        ranked.emplace_back(bestRank, std::move(group));
    }
    // The group with the best hit first; among equals the lower kind (they come in kind order).
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<SearchGroup> groups;
    groups.reserve(ranked.size());
    for (auto& r : ranked)
        groups.push_back(std::move(r.second));
    return groups;
}

size_t SearchIndex::bytesUsed() const
{
    return m_pool.bytesUsed() + m_entries.capacity() * sizeof(Entry) + m_words.capacity() * sizeof(Word);
}
