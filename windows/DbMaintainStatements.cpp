#include "windows/DbMaintainStatements.h"

#include <QStringList>

namespace dbmaintain {

QString itemNamesTable() { return QStringLiteral("itemnames"); }
QString itemsTable() { return QStringLiteral("items"); }
QString setsTable() { return QStringLiteral("sets"); }
QString setItemsTable() { return QStringLiteral("setitems"); }
QString npcNamesTable() { return QStringLiteral("npcnames"); }
QString monstersTable() { return QStringLiteral("monsters"); }
QString maintainDropsSql() { return QStringLiteral("select * from drops"); }
QString dropsTable() { return QStringLiteral("drops"); }
QString itemPickSql() { return QStringLiteral("select id, name from itemnames order by name;"); }

QString armorPickSql()
{
    return QStringList{
        QStringLiteral("SELECT A.crystallizable, A.crystal_type, A.body_part,"),
        QStringLiteral("  A.crystal_count, A.armor_type, A.physical_defense, A.magical_defense,"),
        QStringLiteral("  A.mp_bonus, I.id, I.icon, I.weight, I.price, N.name, N.description"),
        QStringLiteral("FROM armor as A, items as I, itemnames as N"),
        QStringLiteral("WHERE"),
        QStringLiteral("  I.icon NOT LIKE '%pet%'"),
        QStringLiteral("  AND (A.body_part = 'Upper Body' OR "),
        QStringLiteral("           A.body_part = 'Lower Body' OR"),
        QStringLiteral("           A.body_part = 'Full Body' OR"),
        QStringLiteral("           A.body_part = 'Boots' OR"),
        QStringLiteral("           A.body_part = 'Helmets' OR"),
        QStringLiteral("           A.body_part = 'Gloves' OR"),
        QStringLiteral("           A.body_part = 'Cloack' OR"),
        QStringLiteral("           A.body_part = 'Underwear' OR"),
        QStringLiteral("           A.body_part = 'Shields'      "),
        QStringLiteral(")"),
        QStringLiteral("  AND I.id = A.id"),
        QStringLiteral("  AND N.id = I.id "),
        QStringLiteral("ORDER BY  N.name"),
    }
        .join(QLatin1Char('\n'));
}

QString weaponPickSql()
{
    return QStringList{
        QStringLiteral("SELECT items.id, items.type, itemnames.id, itemnames.name"),
        QStringLiteral("FROM items, itemnames"),
        QStringLiteral("WHERE items.type  = \"Weapon\""),
        QStringLiteral("AND itemnames.id  =  items.id"),
        QStringLiteral("ORDER BY itemnames.name"),
    }
        .join(QLatin1Char('\n'));
}

QString itemKindsSql() { return QStringLiteral("SELECT DISTINCT type FROM items WHERE type IS NOT NULL ORDER BY type"); }

} // namespace dbmaintain
