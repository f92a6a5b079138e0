#include "windows/RecipesStatements.h"

#include <QStringList>

QString recipeListSql()
{
    return QStringList{
        QStringLiteral("SELECT itemnames.name, recipes.*"),
        QStringLiteral("FROM itemnames INNER JOIN recipes ON itemnames.id = recipes.item_id"),
        QStringLiteral("ORDER BY itemnames.name ASC;"),
    }.join(QLatin1Char('\n'));
}

QString recipeIngredientsSql()
{
    return QStringList{
        QStringLiteral("SELECT itemnames.name, ingredients.*, items.icon"),
        QStringLiteral("FROM (ingredients INNER JOIN itemnames ON ingredients.material = itemnames.id) INNER JOIN items "
                       "ON ingredients.material = items.id"),
        QStringLiteral("ORDER BY ingredients.quantity DESC;"),
    }.join(QLatin1Char('\n'));
}

QString recipeSearchSql()
{
    return QStringList{
        QStringLiteral("SELECT itemnames.name, recipes.item_id, recipes.rate, items.icon"),
        QStringLiteral("FROM (itemnames INNER JOIN recipes ON itemnames.id = recipes.item_id) LEFT JOIN items ON "
                       "items.id = recipes.item_id;"),
    }.join(QLatin1Char('\n'));
}
