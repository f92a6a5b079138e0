#include "panes/ItemDetailPanes.h"

#include "browse/NamedQuery.h"
#include "browse/NameSearch.h"
#include "data/Dataset.h"
#include "panes/ItemDetailStatements.h"

ItemDetailPanes::ItemDetailPanes(Connection& connection, ItemSources sources, QObject* parent) : QObject(parent)
{
    m_itemDrops = namedQuery(connection, QStringLiteral("AlternativeDrops"), dropSourceSql(), this);
    if (sources == ItemDropsAndSpoils)
        m_itemSpoils = namedQuery(connection, QStringLiteral("AlternativeSpoil"), spoilSourceSql(), this);
    m_ingredients = namedQuery(connection, QStringLiteral("ReciepeQuery"), ingredientSql(), this);
    m_recipeInfo = namedQuery(connection, QStringLiteral("InfoRecipes"), recipeHeaderSql(), this);
    m_ingredientDrops = namedQuery(connection, QStringLiteral("AlternativeDrop1"), dropSourceSql(), this);
    m_ingredientSpoils = namedQuery(connection,
                                    sources == ItemDropsAndSpoils ? QStringLiteral("AlternativeSpoil1")
                                                                  : QStringLiteral("AlternativeSpoil"),
                                    spoilSourceSql(), this);
}

Dataset& ItemDetailPanes::itemDrops() const { return *m_itemDrops; }
Dataset* ItemDetailPanes::itemSpoils() const { return m_itemSpoils; }
Dataset& ItemDetailPanes::ingredients() const { return *m_ingredients; }
Dataset& ItemDetailPanes::recipeInfo() const { return *m_recipeInfo; }
Dataset& ItemDetailPanes::ingredientDrops() const { return *m_ingredientDrops; }
Dataset& ItemDetailPanes::ingredientSpoils() const { return *m_ingredientSpoils; }

void ItemDetailPanes::open(const QList<Dataset*>& order)
{
    for (Dataset* dataset : order)
        if (dataset && !dataset->isOpen())
            dataset->open();
    for (Dataset* dataset : {m_itemDrops, m_itemSpoils, m_ingredients, m_recipeInfo, m_ingredientDrops, m_ingredientSpoils})
        if (dataset && !dataset->isOpen())
            dataset->open();
    m_open = true;
    showItem(m_itemId);
}

QString ItemDetailPanes::detailFilter(const QString& id)
{
    // An empty id would give item_id = '' (no integer); the fixed "item_id = 0" empties a pane.
    return id.isEmpty() ? QStringLiteral("item_id = 0") : filterText(QStringLiteral("item_id = "), id);
}

void ItemDetailPanes::showItem(const QString& itemId)
{
    m_itemId = itemId;
    if (!m_open)
        return;
    const QString filter = detailFilter(itemId);
    refilter(*m_itemDrops, filter);
    if (m_itemSpoils)
        refilter(*m_itemSpoils, filter);
    // Moving the ingredient list to its first row runs its after-scroll, which calls
    // showIngredient(); when nothing called it (no handler, or no row to scroll to) the
    // ingredient panes would keep the previous material, so it runs here.
    const int before = m_ingredientRuns;
    refilter(*m_ingredients, filter);
    if (m_ingredientRuns == before)
        showIngredient();
}

void ItemDetailPanes::showIngredient()
{
    if (!m_open)
        return;
    ++m_ingredientRuns;
    const QString material = m_ingredients->asText(QStringLiteral("id"));
    const QString filter = detailFilter(material);
    refilter(*m_ingredientDrops, filter);
    refilter(*m_ingredientSpoils, filter);
    // The header values belong to the recipe of the selected ingredient: its item and rate.
    const QString recipe = material.isEmpty()
        ? detailFilter(QString())
        : detailFilter(m_ingredients->asText(QStringLiteral("item_id"))) + QStringLiteral(" AND ") +
            filterText(QStringLiteral("rate = "), m_ingredients->asText(QStringLiteral("rate")));
    refilter(*m_recipeInfo, recipe);
}
