#include "panes/SourceStatement.h"

#include <QStringList>

QString sourceStatement(int sweep, const QString& line1Gap, const QString& line8Gap)
{
    const QString join = QStringLiteral(
        "FROM itemnames INNER JOIN (npcnames INNER JOIN (drops INNER JOIN monsters ON drops.npc_id = monsters.id) "
        "ON npcnames.id = monsters.id) ON itemnames.id = drops.item_id");
    const QString where = QStringLiteral("WHERE (((drops.sweep)=%1))").arg(sweep);
    return QStringList{
        QStringLiteral("SELECT drops.npc_id, drops.item_id, drops.sweep, ([drops.min] &\"-\"&[drops.max]) AS nrdrops, "
                       "drops.percentage, itemnames.name, monsters.level, monsters.id,") +
            line1Gap + QStringLiteral("npcnames.name"),
        join,
        where,
        QStringLiteral("AND drops.max>1"),
        QString(),
        QStringLiteral("UNION"),
        QString(),
        QStringLiteral("SELECT drops.npc_id, drops.item_id, drops.sweep, 1 AS nrdrops, drops.percentage, "
                       "itemnames.name, monsters.level, monsters.id,") +
            line8Gap + QStringLiteral("npcnames.name"),
        join,
        where,
        QStringLiteral("AND drops.max=1"),
        QString(),
        QStringLiteral("ORDER BY drops.percentage DESC;"),
    }.join(QLatin1Char('\n'));
}
