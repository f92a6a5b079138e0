#include "windows/AccesoriesStatements.h"

#include "panes/ArmorListSql.h"

QString accessoriesSql()
{
    return armorListSql({QStringLiteral("Necklaces"), QStringLiteral("Rings"), QStringLiteral("Earings")},
                        QStringLiteral("A.armor_type, A.magical_defense"));
}

QString accessoryTypesSql() { return QStringLiteral("select * from accesories_type order by name;"); }
