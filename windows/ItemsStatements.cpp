#include "windows/ItemsStatements.h"

#include <QStringList>

QString miscItemsSql()
{
    return QStringList{
        QStringLiteral("SELECT I.name, I.type, I.stackable, I.id, I.icon, I.weight, I.price,"),
        QStringLiteral("N.name, N.description"),
        QStringLiteral("FROM items as I, itemnames as N"),
        QStringLiteral("WHERE I.type NOT LIKE 'Weapon' "),
        QStringLiteral("AND I.type NOT LIKE 'Armor'"),
        QStringLiteral("AND I.type NOT LIKE 'Accesories'"),
        QStringLiteral("AND N.id =  I.id"),
        QStringLiteral("ORDER BY N.name;"),
    }.join(QLatin1Char('\n'));
}

QString itemCategoriesSql()
{
    return QStringList{
        QStringLiteral("SELECT distinct type "),          QStringLiteral("FROM items"),
        QStringLiteral("WHERE type NOT LIKE 'Weapon' "),  QStringLiteral("AND type NOT LIKE 'Armor'"),
        QStringLiteral("AND type NOT LIKE 'Accesories'"), QStringLiteral("ORDER BY type;"),
    }.join(QLatin1Char('\n'));
}
