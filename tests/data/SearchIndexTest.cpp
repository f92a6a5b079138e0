// The search index on hand-made things: which names a typed text finds (any word, several words,
// letter case and accents), how hits rank and break ties, how they group by kind and where a
// kind's list is cut.

#include "data/SearchIndex.h"
#include "data/SearchText.h"

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << '{' << l.join(QStringLiteral(", ")).toStdString() << '}'; }

namespace {

SearchItem item(uint8_t kind, const char* name, QStringList key, const char* other = "", const char* detail = "")
{
    SearchItem i;
    i.kind = kind;
    i.name = QString::fromUtf8(name);
    i.otherName = QString::fromUtf8(other);
    i.detail = QString::fromUtf8(detail);
    i.icon = QStringLiteral("icon_%1").arg(key.value(0));
    i.key = std::move(key);
    return i;
}

// Every hit as "kind:name", groups in order, hits in order.
QStringList hits(const SearchIndex& index, const char* text, int perKind = 50, int wholeKind = -1)
{
    QStringList out;
    for (const SearchGroup& g : index.find(QString::fromUtf8(text), perKind, wholeKind))
        for (const SearchHit& h : g.hits)
            out << QStringLiteral("%1:%2").arg(g.kind).arg(index.name(h.entry));
    return out;
}

QStringList names(const SearchIndex& index, const char* text)
{
    QStringList out;
    for (const QString& hit : hits(index, text))
        out << hit.section(QLatin1Char(':'), 1);
    return out;
}

} // namespace

TEST(SearchText, FoldsCaseAccentsAndApostrophesIntoWords)
{
    EXPECT_EQ(foldForSearch(QStringLiteral("Épée du ROI")), "epee du roi");
    EXPECT_EQ(foldForSearch(QStringLiteral("  Hunter's  Bow--of  the\tNorth ")), "hunters bow of the north");
    EXPECT_EQ(foldForSearch(QStringLiteral("Straße ǅemal ﬁre")), "straße dzemal fire");
    EXPECT_EQ(foldForSearch(QStringLiteral("Ørn Ångström")), "ørn angstrom");
    EXPECT_EQ(foldForSearch(QStringLiteral("'quoted' -- !")), "quoted");
    EXPECT_EQ(foldForSearch(QStringLiteral("level 20 (C)")), "level 20 c");
    EXPECT_EQ(foldForSearch(QString()), "");
    const std::vector<std::string_view> words = foldedWords("ice  bear x");
    EXPECT_EQ(words, (std::vector<std::string_view>{"ice", "bear", "x"}));
}

TEST(SearchIndex, FindsByAnyWordBeginningWithWhatIsTyped)
{
    const SearchIndex index({item(0, "Iron Ore", {"1"}), item(0, "Core of Flame", {"2"}), item(0, "Elder Oak Staff", {"3"}),
                             item(0, "Oaken Shield", {"4"}), item(0, "Dragon's Fang", {"5"})});
    EXPECT_EQ(names(index, "ore"), QStringList({"Iron Ore"})) << "a word's middle is not a match";
    EXPECT_EQ(names(index, "oak"), QStringList({"Oaken Shield", "Elder Oak Staff"}));
    EXPECT_EQ(names(index, "oak st"), QStringList({"Elder Oak Staff"})) << "every typed word must match";
    EXPECT_EQ(names(index, "st oak"), QStringList({"Elder Oak Staff"})) << "in any order";
    EXPECT_TRUE(names(index, "oak sh st").isEmpty());
    EXPECT_EQ(names(index, "dragons"), QStringList({"Dragon's Fang"}));
    EXPECT_EQ(names(index, "dragon's f"), QStringList({"Dragon's Fang"}));
    EXPECT_TRUE(names(index, "  ").isEmpty());
    EXPECT_TRUE(names(index, "--").isEmpty());
    EXPECT_TRUE(names(index, "x").isEmpty());
    EXPECT_TRUE(names(SearchIndex(), "ore").isEmpty());
}

TEST(SearchIndex, IgnoresCaseAndAccentsOnBothSides)
{
    const SearchIndex index({item(0, "Épée du Roi", {"1"}), item(0, "CAFÉ Sign", {"2"}), item(0, "Naïve Bow", {"3"})});
    EXPECT_EQ(names(index, "epee"), QStringList({"Épée du Roi"}));
    EXPECT_EQ(names(index, "ÉPÉE"), QStringList({"Épée du Roi"}));
    EXPECT_EQ(names(index, "roi"), QStringList({"Épée du Roi"}));
    EXPECT_EQ(names(index, "café"), QStringList({"CAFÉ Sign"}));
    EXPECT_EQ(names(index, "cafe SIGN"), QStringList({"CAFÉ Sign"}));
    EXPECT_EQ(names(index, "naive"), QStringList({"Naïve Bow"}));
}

TEST(SearchIndex, RanksBeginningThenWholeWordsThenTheRestAndBreaksTiesByKindNameAndKey)
{
    const SearchIndex index({
        item(0, "Black Icefang", {"1"}),    // weapons: "ice" begins a later word only
        item(0, "Blue Ice", {"2"}),         // weapons: "ice" is a whole later word
        item(0, "Ice Wolf", {"10"}),        // weapons: begins; ties with key 2 below
        item(0, "Ice Wolf", {"2"}),
        item(0, "ice wolf", {"3"}),         // folds alike: the name as written decides
        item(6, "Icebound Wolf", {"4"}),    // monsters: begins, a kind later
        item(6, "Wolf of Ice", {"5"}),      // monsters: whole word
        item(3, "Rime Iceshard", {"6"}),    // accessories: the rest
    });
    // Kinds in order of their best hit; in a kind, rank then name then key (as numbers: 2 before 10).
    EXPECT_EQ(hits(index, "ice"), QStringList({"0:Ice Wolf", "0:Ice Wolf", "0:ice wolf", "0:Blue Ice", "0:Black Icefang",
                                               "6:Icebound Wolf", "6:Wolf of Ice", "3:Rime Iceshard"}));
    const std::vector<SearchGroup> groups = index.find(QStringLiteral("ice"), 50);
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(index.key(groups[0].hits[0].entry), QStringList({"2"}));
    EXPECT_EQ(index.key(groups[0].hits[1].entry), QStringList({"10"}));
    EXPECT_EQ(groups[0].hits[0].rank, SearchHit::Begins);
    EXPECT_EQ(groups[0].hits[3].rank, SearchHit::WholeWords);
    EXPECT_EQ(groups[0].hits[4].rank, SearchHit::WordStarts);

    // The kind with the best hit leads, whatever its number.
    EXPECT_EQ(hits(index, "wolf"), QStringList({"6:Wolf of Ice", "6:Icebound Wolf", "0:Ice Wolf", "0:Ice Wolf",
                                                "0:ice wolf"}));
    // Two kinds whose best hits rank alike keep their order.
    EXPECT_EQ(hits(index, "wolf ice"), QStringList({"0:Ice Wolf", "0:Ice Wolf", "0:ice wolf", "6:Wolf of Ice",
                                                    "6:Icebound Wolf"}));
    // Whole words in any order beat word starts, within a kind.
    const SearchIndex two({item(1, "Frost Bear Cub", {"1"}), item(1, "Bearded Frostling", {"2"})});
    EXPECT_EQ(names(two, "frost bear"), QStringList({"Frost Bear Cub", "Bearded Frostling"}));
    EXPECT_EQ(names(two, "bear frost"), QStringList({"Frost Bear Cub", "Bearded Frostling"}));
    EXPECT_EQ(names(two, "bear"), QStringList({"Bearded Frostling", "Frost Bear Cub"}));
}

TEST(SearchIndex, RanksLongTextsAlike)
{
    // Past eight typed words the index checks each name in turn; the ranks are the same.
    const SearchIndex index({item(0, "one two three four five six seven eight nine ten", {"1"}),
                             item(0, "ten nine eight seven six five four three two one", {"2"}),
                             item(0, "onefold twofold threefold fourfold fivefold sixfold sevenfold eightfold ninefold", {"3"}),
                             item(0, "one two three four five six seven eight", {"4"}, "eight seven six five four three two one")});
    EXPECT_EQ(names(index, "one two three four five six seven eight nine"),
              QStringList({"one two three four five six seven eight nine ten", "ten nine eight seven six five four three two one",
                           "onefold twofold threefold fourfold fivefold sixfold sevenfold eightfold ninefold"}));
    EXPECT_EQ(names(index, "one two three four five six seven eight"),
              QStringList({"one two three four five six seven eight", "one two three four five six seven eight nine ten",
                           "ten nine eight seven six five four three two one",
                           "onefold twofold threefold fourfold fivefold sixfold sevenfold eightfold ninefold"}));
    EXPECT_TRUE(names(index, "one two three four five six seven eight nine eleven").isEmpty());
    const std::vector<SearchGroup> other = index.find(QStringLiteral("eight seven six five four three two one"), 10);
    ASSERT_EQ(other[0].hits.size(), 4u);
    EXPECT_EQ(index.name(other[0].hits[0].entry), QStringLiteral("one two three four five six seven eight"));
    EXPECT_TRUE(other[0].hits[0].byOtherName) << "its other name begins with the text";
    EXPECT_EQ(other[0].hits[0].rank, SearchHit::Begins);
}

TEST(SearchIndex, FindsAThingByItsOtherNameAndSaysSo)
{
    const SearchIndex index({item(6, "Ice Bear", {"1"}, "frost_bear_01", "Lv 20"), item(6, "Frost Giant", {"2"}, "giant_a"),
                             item(6, "Cave Rat", {"3"}, "Cave Rat")});
    const std::vector<SearchGroup> frost = index.find(QStringLiteral("frost"), 10);
    ASSERT_EQ(frost.size(), 1u);
    ASSERT_EQ(frost[0].hits.size(), 2u);
    // Both begin with the text: the name decides the order; only the bear was found by its other name.
    EXPECT_EQ(index.name(frost[0].hits[0].entry), QStringLiteral("Frost Giant"));
    EXPECT_FALSE(frost[0].hits[0].byOtherName);
    EXPECT_EQ(index.name(frost[0].hits[1].entry), QStringLiteral("Ice Bear"));
    EXPECT_TRUE(frost[0].hits[1].byOtherName);
    EXPECT_EQ(index.otherName(frost[0].hits[1].entry), QStringLiteral("frost_bear_01"));
    EXPECT_EQ(index.detail(frost[0].hits[1].entry), QStringLiteral("Lv 20"));
    EXPECT_EQ(index.icon(frost[0].hits[1].entry), QStringLiteral("icon_1"));
    // The words of one name must all match within that name.
    EXPECT_TRUE(names(index, "ice 01").isEmpty());
    EXPECT_EQ(names(index, "bear 01"), QStringList({"Ice Bear"}));
    const std::vector<SearchGroup> bear = index.find(QStringLiteral("bear"), 10);
    EXPECT_FALSE(bear[0].hits[0].byOtherName) << "the shown name is preferred when both match alike";
    EXPECT_EQ(names(index, "rat"), QStringList({"Cave Rat"})) << "a second name like the first finds it once";
}

TEST(SearchIndex, CutsEachKindAndCountsWhatItCut)
{
    std::vector<SearchItem> items;
    for (int i = 0; i < 12; ++i)
        items.push_back(item(0, qPrintable(QStringLiteral("Ring %1").arg(i, 2, 10, QLatin1Char('0'))), {QString::number(i)}));
    for (int i = 0; i < 3; ++i)
        items.push_back(item(2, qPrintable(QStringLiteral("Ring Set %1").arg(i)), {QString::number(i)}));
    const SearchIndex index(items);
    std::vector<SearchGroup> groups = index.find(QStringLiteral("ring"), 5);
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0].total, 12);
    EXPECT_EQ(groups[0].hits.size(), 5u);
    EXPECT_EQ(index.name(groups[0].hits[4].entry), QStringLiteral("Ring 04"));
    EXPECT_EQ(groups[1].total, 3);
    EXPECT_EQ(groups[1].hits.size(), 3u);
    groups = index.find(QStringLiteral("ring"), 5, 0);
    EXPECT_EQ(groups[0].hits.size(), 12u) << "the kind asked for whole keeps every hit";
    EXPECT_EQ(groups[1].hits.size(), 3u);
    groups = index.find(QStringLiteral("ring"), 0);
    ASSERT_EQ(groups.size(), 2u) << "a kind showing none still counts";
    EXPECT_EQ(groups[0].total, 12);
    EXPECT_TRUE(groups[0].hits.empty());
}

TEST(SearchIndex, KeepsKeysWithEmptyFieldsAndStoresEachTextOnce)
{
    const SearchIndex index({item(8, "Power Strike", {"", "4", ""}), item(5, "Staff", {"58", "100"}),
                             item(5, "Staff", {"58", "60"})});
    const std::vector<SearchGroup> groups = index.find(QStringLiteral("power"), 5);
    EXPECT_EQ(index.key(groups[0].hits[0].entry), QStringList({"", "4", ""}));
    const std::vector<SearchGroup> staff = index.find(QStringLiteral("staff"), 5);
    EXPECT_EQ(index.key(staff[0].hits[0].entry), QStringList({"58", "60"}));
    EXPECT_EQ(index.key(staff[0].hits[1].entry), QStringList({"58", "100"}));
    EXPECT_EQ(index.size(), 3u);
    EXPECT_GT(index.bytesUsed(), 0u);
}
