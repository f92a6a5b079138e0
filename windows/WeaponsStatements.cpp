#include "windows/WeaponsStatements.h"

#include <QStringList>

QString weaponsSql()
{
    return QStringList{
        QStringLiteral("SELECT weapons.crystal_type, weapons.weapon_type, weapons.crystal_count,"),
        QStringLiteral("weapons.hands, weapons.physical_damage, weapons.magical_damage, weapons.soulshot_count,"),
        QStringLiteral("weapons.spiritshot_count, weapons.attack_speed, weapons.mp_consume,"),
        QStringLiteral("items.weight, items.price, items.id, items.icon, itemnames.name, itemnames.description"),
        QStringLiteral("FROM weapons, items, itemnames"),
        QStringLiteral("WHERE  items.icon NOT LIKE '%pet%'"),
        QStringLiteral("AND weapons.weapon_type NOT LIKE 'Shields'"),
        QStringLiteral("AND items.id = weapons.id"),
        QStringLiteral("AND itemnames.id  = items.id"),
        QStringLiteral("ORDER BY weapons.hands, weapons.physical_damage"),
    }.join(QLatin1Char('\n'));
}

QString weaponTypesSql()
{
    return QStringLiteral("SELECT DISTINCT(weapons.weapon_type) FROM weapons WHERE weapons.weapon_type NOT LIKE "
                          "'Shields' ORDER BY weapons.weapon_type");
}
