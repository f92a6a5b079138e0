#include "crafting/CraftingStatements.h"

QString recipesOfItemSql()
{
    return QStringLiteral("SELECT rate, output, mp, npc_fee, level FROM recipes WHERE item_id = ?1 ORDER BY rate DESC");
}

QString ingredientsOfRecipeSql()
{
    return QStringLiteral(
        "SELECT material, quantity FROM ingredients WHERE item_id = ?1 AND rate = ?2 ORDER BY quantity DESC, id");
}

QString itemFactsSql()
{
    return QStringLiteral("SELECT (SELECT name FROM itemnames WHERE id = ?1), (SELECT icon FROM items WHERE id = ?1), "
                          "EXISTS (SELECT 1 FROM itemnames WHERE id = ?1)");
}

QString bestSourceSql()
{
    return QStringLiteral(
        "SELECT d.npc_id, n.name, m.level, d.sweep, d.percentage, d.\"min\", d.\"max\" "
        "FROM drops d JOIN monsters m ON m.id = d.npc_id JOIN npcnames n ON n.id = m.id "
        "WHERE d.item_id = ?1 AND d.sweep IN (0, 1) AND d.\"max\" >= 1 "
        "ORDER BY d.percentage DESC, d.sweep, m.level, d.npc_id LIMIT 1");
}
