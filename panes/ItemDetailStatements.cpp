#include "panes/ItemDetailStatements.h"

#include "panes/SourceStatement.h"

#include <QStringList>

QString dropSourceSql() { return sourceStatement(0, QStringLiteral(" "), QString()); }

QString spoilSourceSql() { return sourceStatement(1, QStringLiteral(" "), QString()); }

QString ingredientSql()
{
    return QStringList{
        QStringLiteral("SELECT ingredients.material, ingredients.rate, ingredients.quantity, itemnames_1.name, "
                       "items_1.icon, items_1.id, ingredients.item_id"),
        QStringLiteral("FROM items AS items_1 INNER JOIN (itemnames AS itemnames_1 INNER JOIN ingredients ON "
                       "itemnames_1.id = ingredients.material) ON items_1.id = itemnames_1.id"),
        QStringLiteral("ORDER BY ingredients.rate DESC, ingredients.quantity  ASC;"),
    }.join(QLatin1Char('\n'));
}

QString recipeHeaderSql() { return QStringLiteral("SELECT * FROM recipes ORDER BY rate DESC;"); }
