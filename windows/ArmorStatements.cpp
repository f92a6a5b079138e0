#include "windows/ArmorStatements.h"

#include "panes/ArmorListSql.h"

QString armorSql()
{
    return armorListSql({QStringLiteral("Upper Body"), QStringLiteral("Lower Body"), QStringLiteral("Full Body"),
                         QStringLiteral("Boots"), QStringLiteral("Helmets"), QStringLiteral("Gloves"),
                         QStringLiteral("Cloack"), QStringLiteral("Underwear"), QStringLiteral("Shields")},
                        QStringLiteral("A.armor_type, A.physical_defense, A.magical_defense"));
}

QString armorTypesSql() { return QStringLiteral("select * from armor_type order by name;"); }
