#pragma once
// What the crafting planner reads about recipes, items and their best sources, one key at a
// time from the open database: each question is one indexed statement, prepared once per book.
// Every answer is kept for the book's life, so an item met twice in a tree is read once. A book
// serves one computation and is dropped after it: what it answers is what the file holds now,
// and no statement outlives it (the connection may close between two computations). Its reads
// share one read transaction, so the file is locked once, not once per key.

#include <QString>
#include <QtGlobal>

#include <array>
#include <map>
#include <optional>
#include <utility>
#include <vector>

class Connection;
struct sqlite3_stmt;

struct RecipeFacts {
    qint64 rate = 0;
    std::optional<qint64> output;  ///< quantity one craft makes; none when the row leaves it empty
    qint64 mp = 0;                 ///< per craft, never below 0
    qint64 npcFee = 0;             ///< per craft, never below 0
    qint64 level = 0;

    /// A recipe without a usable output quantity makes one a craft.
    bool outputMissing() const { return !output || *output < 1; }
    qint64 perCraft() const { return outputMissing() ? 1 : *output; }
};

struct IngredientFacts {
    qint64 material = 0;
    qint64 quantity = 0;  ///< per craft; an empty or negative quantity reads as 0
};

struct ItemFacts {
    bool named = false;  ///< the item has an itemnames row (every list joins it)
    QString name;
    QString icon;
    /// The name, or "Item #id" for an item without a name row.
    QString shownName(qint64 id) const;
};

struct SourceFacts {
    qint64 monster = 0;
    QString name;
    qint64 level = 0;
    bool spoil = false;
    double chance = 0;
    qint64 min = 0;
    qint64 max = 0;
    /// The quantity as the source panes show it: "min-max", or "1" when max is 1.
    QString quantityText() const;
};

class RecipeBook {
public:
    /// Reads through the connection, which must outlive the book (opened when it is closed).
    explicit RecipeBook(Connection& connection);
    ~RecipeBook();
    RecipeBook(const RecipeBook&) = delete;
    RecipeBook& operator=(const RecipeBook&) = delete;

    /// The recipes that make the item, highest rate first; empty when none does. Each question
    /// throws DbError naming the statement when the file cannot answer it.
    const std::vector<RecipeFacts>& recipesOf(qint64 item);
    /// The recipe of the item at this rate, or null.
    const RecipeFacts* recipe(qint64 item, qint64 rate);
    /// The ingredients of one recipe, largest quantity first.
    const std::vector<IngredientFacts>& ingredientsOf(qint64 item, qint64 rate);
    const ItemFacts& item(qint64 id);
    /// Where the item is most likely to come from (see bestSourceSql()); none without a source.
    const std::optional<SourceFacts>& bestSource(qint64 item);

    /// Statements run so far (each key once).
    int reads() const { return m_reads; }

private:
    enum Statement { Recipes, Ingredients, Item, Source, StatementCount };
    sqlite3_stmt* prepared(Statement which);
    /// Binds the keys, steps through every row calling readRow, and leaves the statement reset.
    template <typename ReadRow> void run(Statement which, std::initializer_list<qint64> keys, ReadRow readRow);

    Connection& m_connection;
    bool m_inTransaction = false;  // begun by the book, ended when it goes
    std::array<sqlite3_stmt*, StatementCount> m_statements{};
    // Maps, whose entries stay where they are: callers hold answers while asking more.
    std::map<qint64, std::vector<RecipeFacts>> m_recipes;
    std::map<std::pair<qint64, qint64>, std::vector<IngredientFacts>> m_ingredients;
    std::map<qint64, ItemFacts> m_items;
    std::map<qint64, std::optional<SourceFacts>> m_sources;
    int m_reads = 0;
};
