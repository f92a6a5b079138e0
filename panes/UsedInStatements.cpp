#include "panes/UsedInStatements.h"

#include <QStringList>

QString usedInSql()
{
    // Joined as the ingredient lists are (the made item needs its items and itemnames rows), so
    // one material's rows come by its key through the ingredients' index on material.
    return QStringList{
        QStringLiteral("SELECT ingredients.material, ingredients.quantity, ingredients.item_id, ingredients.rate, "
                       "itemnames.name, items.icon"),
        QStringLiteral("FROM (ingredients INNER JOIN itemnames ON ingredients.item_id = itemnames.id) INNER JOIN items "
                       "ON ingredients.item_id = items.id"),
        QStringLiteral("ORDER BY ingredients.quantity DESC, itemnames.name;"),
    }.join(QLatin1Char('\n'));
}
