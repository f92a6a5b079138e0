#include "crafting/RecipeBook.h"

#include "crafting/CraftingStatements.h"
#include "data/Connection.h"
#include "data/ReadFailure.h"

#include <sqlite3.h>

#include <algorithm>

namespace {

QString statementText(int which)
{
    switch (which) {
    case 0: return recipesOfItemSql();
    case 1: return ingredientsOfRecipeSql();
    case 2: return itemFactsSql();
    default: return bestSourceSql();
    }
}

QString text(sqlite3_stmt* stmt, int column)
{
    const auto* utf8 = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return utf8 ? QString::fromUtf8(utf8, sqlite3_column_bytes(stmt, column)) : QString();
}

qint64 atLeastZero(sqlite3_stmt* stmt, int column) { return std::max<qint64>(sqlite3_column_int64(stmt, column), 0); }

// The kept answer for the key, or the one `read` gives, kept from now on.
template <typename Map, typename Read>
const typename Map::mapped_type& remembered(Map& answers, const typename Map::key_type& key, Read read)
{
    auto found = answers.find(key);
    if (found == answers.end())
        found = answers.emplace(key, read()).first;
    return found->second;
}

// Leaves a statement ready for its next key, also when reading throws.
struct Rewind {
    sqlite3_stmt* stmt;
    ~Rewind()
    {
        sqlite3_reset(stmt);
        sqlite3_clear_bindings(stmt);
    }
};

} // namespace

QString ItemFacts::shownName(qint64 id) const
{
    return named ? name : QStringLiteral("Item #%1").arg(id);
}

QString SourceFacts::quantityText() const
{
    return max > 1 ? QStringLiteral("%1-%2").arg(min).arg(max) : QStringLiteral("1");
}

RecipeBook::RecipeBook(Connection& connection) : m_connection(connection) {}

RecipeBook::~RecipeBook()
{
    for (sqlite3_stmt* stmt : m_statements)
        sqlite3_finalize(stmt);
    if (m_inTransaction)
        sqlite3_exec(m_connection.handle(), "COMMIT", nullptr, nullptr, nullptr);
}

sqlite3_stmt* RecipeBook::prepared(Statement which)
{
    if (sqlite3_stmt* stmt = m_statements[which])
        return stmt;
    sqlite3* db = m_connection.handle();
    // Unless a transaction is open already (a write being made), the book's reads share one.
    if (!m_inTransaction && sqlite3_get_autocommit(db))
        m_inTransaction = sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK;
    const QString shown = statementText(which);
    const QByteArray utf8 = shown.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &stmt, nullptr) != SQLITE_OK || !stmt) {
        sqlite3_finalize(stmt);
        throw readFailure(db, shown);
    }
    m_statements[which] = stmt;
    return stmt;
}

template <typename ReadRow>
void RecipeBook::run(Statement which, std::initializer_list<qint64> keys, ReadRow readRow)
{
    sqlite3_stmt* stmt = prepared(which);
    Rewind rewind{stmt};
    int index = 1;
    for (qint64 key : keys)
        sqlite3_bind_int64(stmt, index++, key);
    ++m_reads;
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
        readRow(stmt);
    if (rc != SQLITE_DONE)
        throw readFailure(m_connection.handle(), statementText(which));
}

const std::vector<RecipeFacts>& RecipeBook::recipesOf(qint64 item)
{
    return remembered(m_recipes, item, [&] {
        std::vector<RecipeFacts> recipes;
        run(Recipes, {item}, [&](sqlite3_stmt* stmt) {
            RecipeFacts r;
            r.rate = sqlite3_column_int64(stmt, 0);
            if (sqlite3_column_type(stmt, 1) != SQLITE_NULL)
                r.output = sqlite3_column_int64(stmt, 1);
            r.mp = atLeastZero(stmt, 2);
            r.npcFee = atLeastZero(stmt, 3);
            r.level = sqlite3_column_int64(stmt, 4);
            recipes.push_back(r);
        });
        return recipes;
    });
}

const RecipeFacts* RecipeBook::recipe(qint64 item, qint64 rate)
{
    const std::vector<RecipeFacts>& recipes = recipesOf(item);
    const auto found = std::find_if(recipes.begin(), recipes.end(), [rate](const RecipeFacts& r) { return r.rate == rate; });
    return found == recipes.end() ? nullptr : &*found;
}

const std::vector<IngredientFacts>& RecipeBook::ingredientsOf(qint64 item, qint64 rate)
{
    return remembered(m_ingredients, {item, rate}, [&] {
        std::vector<IngredientFacts> ingredients;
        run(Ingredients, {item, rate}, [&](sqlite3_stmt* stmt) {
            ingredients.push_back({sqlite3_column_int64(stmt, 0), atLeastZero(stmt, 1)});
        });
        return ingredients;
    });
}

const ItemFacts& RecipeBook::item(qint64 id)
{
    return remembered(m_items, id, [&] {
        ItemFacts facts;
        run(Item, {id}, [&](sqlite3_stmt* stmt) {
            facts.name = text(stmt, 0);
            facts.icon = text(stmt, 1);
            facts.named = sqlite3_column_int(stmt, 2) != 0;
        });
        return facts;
    });
}

const std::optional<SourceFacts>& RecipeBook::bestSource(qint64 item)
{
    return remembered(m_sources, item, [&] {
        std::optional<SourceFacts> best;
        run(Source, {item}, [&](sqlite3_stmt* stmt) {
            SourceFacts s;
            s.monster = sqlite3_column_int64(stmt, 0);
            s.name = text(stmt, 1);
            s.level = sqlite3_column_int64(stmt, 2);
            s.spoil = sqlite3_column_int64(stmt, 3) == 1;
            s.chance = sqlite3_column_double(stmt, 4);
            s.min = sqlite3_column_int64(stmt, 5);
            s.max = sqlite3_column_int64(stmt, 6);
            best = s;
        });
        return best;
    });
}
