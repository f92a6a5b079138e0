#pragma once
// Everything the search can find, held so that each keystroke is answered at once. Names are
// folded once (SearchText); every word of every name sits in one array sorted by its text, so
// the words that a typed word begins are one binary search away, and a thing is a compact
// record of ids into one pool where each distinct text is stored once.
//
// A thing matches when every typed word begins some word of one of its names. Hits rank:
//   1. the name begins with the typed text (its words in order, the last one perhaps cut short);
//   2. every typed word is a whole word of the name;
//   3. the rest (every typed word begins a word of the name).
// Equal ranks order by kind (lower first), then by the folded name, then the name as written,
// then the key field by field (integers by value). A thing with two names ranks by the better.

#include "data/StringPool.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

/// One thing as the index is given it.
struct SearchItem {
    uint8_t kind = 0;  ///< groups the hits; lower kinds come first among equal ranks
    QString name;      ///< the name the user knows it by
    QString otherName; ///< a second name it is found by (may be empty)
    QString detail;    ///< shown beside the name: a level, a grade (may be empty)
    QString icon;      ///< icon value of its picture (may be empty)
    QStringList key;   ///< what opens it: the texts of its key fields
};

struct SearchHit {
    enum Rank : uint8_t { Begins = 0, WholeWords = 1, WordStarts = 2 };
    uint32_t entry = 0;       ///< the thing, for the index's readers
    Rank rank = WordStarts;
    bool byOtherName = false; ///< found by its other name only
};

struct SearchGroup {
    uint8_t kind = 0;
    int total = 0;                ///< every hit of the kind
    std::vector<SearchHit> hits;  ///< the first ones, best first
};

class SearchIndex {
public:
    /// How many hits a kind asked for whole keeps at most.
    static constexpr int kWholeKindLimit = 500;

    SearchIndex() = default;
    explicit SearchIndex(const std::vector<SearchItem>& items);

    size_t size() const { return m_entries.size(); }

    /// The things matching the typed text, by kind: the groups ordered by their best hit (rank,
    /// then kind), each holding its first perKind hits, best first, and the count of all of
    /// them; the kind wholeKind keeps up to kWholeKindLimit. Text without a letter or digit
    /// matches nothing.
    std::vector<SearchGroup> find(const QString& text, int perKind, int wholeKind = -1) const;

    uint8_t kind(uint32_t entry) const { return m_entries[entry].kind; }
    QString name(uint32_t entry) const { return text(m_entries[entry].name); }
    QString otherName(uint32_t entry) const { return text(m_entries[entry].otherName); }
    QString detail(uint32_t entry) const { return text(m_entries[entry].detail); }
    QString icon(uint32_t entry) const { return text(m_entries[entry].icon); }
    QStringList key(uint32_t entry) const;

    /// Heap bytes held.
    size_t bytesUsed() const;

private:
    // Up to this many typed words are matched by marking; more are checked name by name.
    static constexpr size_t kMaskedWords = 8;

    struct Entry {
        uint32_t name, otherName, folded, foldedOther, detail, icon, key;
        uint8_t kind;
    };
    // One word of a folded name: its place in the pool's text, and the thing it names.
    struct Word {
        uint32_t text;   // pool id of the folded name
        uint16_t offset; // where the word begins in it
        uint16_t length;
        uint32_t entry : 30;
        uint32_t first : 1; // the name's first word
        uint32_t other : 1; // a word of the other name
    };

    QString text(uint32_t id) const;
    std::string_view wordText(const Word& w) const;
    void addWords(uint32_t entry, uint32_t folded, bool other);
    int rankOf(const Entry& e, const std::vector<std::string_view>& typed, std::string_view joined,
               bool& byOther) const;

    StringPool m_pool;
    std::vector<Entry> m_entries; // by kind, folded name, name, key: the order of equal ranks
    std::vector<Word> m_words;    // by text, then entry
};
