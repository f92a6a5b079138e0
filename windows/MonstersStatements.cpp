#include "windows/MonstersStatements.h"

#include "panes/SourceStatement.h"

namespace {
const QString kBandHead = QStringLiteral(
    "SELECT DISTINCT M.id, M.name, M.level, M.aggro, M.hp, M.mp, M.exp, M.sp, M.npc, M.attack_range,N.id,  N.title, "
    "N.name as name_lang FROM monsters as M, npcnames as N WHERE  M.id = N.id AND M.npc=0 ");

// The drop and spoil lists differ in the sweep value, the order of two columns and a last line.
QString monsterSourcesSql(bool spoils)
{
    const QString sweep = spoils ? QStringLiteral("AND  D.sweep=1") : QStringLiteral("AND  D.sweep=0");
    const QString columns = spoils ? QStringLiteral("I.price, I.icon") : QStringLiteral("I.icon, I.price");
    QStringList lines{
        QStringLiteral("SELECT  ([D.min] &\"-\"&[D.max]) AS nrdrops, D.npc_id, D.sweep, D.percentage, I.id, %1, "
                       "I.type, N.name, N.id")
            .arg(columns),
        QStringLiteral("FROM drops as D, items as I, itemnames as N"),
        QStringLiteral("WHERE I.id = D.item_id"),
        QStringLiteral("AND I.id = N.id "),
        sweep,
        QStringLiteral("AND D.max>1"),
        QString(),
        QStringLiteral("UNION"),
        QString(),
        QStringLiteral("SELECT  \"1\" AS nrdrops, D.npc_id, D.sweep, D.percentage, I.id,  %1, I.type, N.name, N.id")
            .arg(columns),
        QStringLiteral("FROM drops as D, items as I, itemnames as N"),
        QStringLiteral("WHERE  I.id = D.item_id"),
        QStringLiteral("AND I.id = N.id "),
        sweep,
        QStringLiteral("AND D.max=1"),
        QString(),
        QStringLiteral("ORDER BY D.percentage DESC;"),
    };
    if (spoils)
        lines.append(QString());
    return lines.join(QLatin1Char('\n'));
}
}

QStringList monsterListLines()
{
    return {
        QStringLiteral("SELECT DISTINCT M.id, M.name, M.npc, M.level, M.aggro, M.hp, M.mp,"),
        QStringLiteral("M.exp, M.sp, M.npc, M.attack_range,N.id,  N.title, N.name as name_lang"),
        QStringLiteral("FROM monsters as M, npcnames as N"),
        QStringLiteral("WHERE  M.id = N.id"),
        QStringLiteral("AND M.npc=0"),
        QStringLiteral("ORDER BY M.level, N.name;"),
    };
}

const QVector<MonsterBand>& monsterBands()
{
    static const QVector<MonsterBand> bands{
        {QStringLiteral("All"), kBandHead + QStringLiteral("ORDER BY M.level, N.name; ")},
        // The lowest band's statement has two blanks after DISTINCT and a blank after the comma.
        {QStringLiteral("0-10"),
         QStringLiteral("SELECT DISTINCT  ") + kBandHead.mid(16) +
             QStringLiteral("AND M.level BETWEEN 1 AND 10 ORDER BY M.level, N.name; ")},
        {QStringLiteral("10-20"), kBandHead + QStringLiteral("AND M.level BETWEEN 10 AND 20 ORDER BY M.level,N.name; ")},
        {QStringLiteral("20-30"), kBandHead + QStringLiteral("AND M.level BETWEEN 20 AND 30 ORDER BY M.level,N.name; ")},
        {QStringLiteral("30-40"), kBandHead + QStringLiteral("AND M.level BETWEEN 30 AND 40 ORDER BY M.level,N.name; ")},
        {QStringLiteral("40-50"), kBandHead + QStringLiteral("AND M.level BETWEEN 40 AND 50 ORDER BY M.level,N.name; ")},
        {QStringLiteral("50-60"), kBandHead + QStringLiteral("AND M.level BETWEEN 50 AND 60 ORDER BY M.level,N.name; ")},
        {QStringLiteral("60 +"), kBandHead + QStringLiteral("AND M.level BETWEEN 60 AND 1000 ORDER BY M.level,N.name; ")},
    };
    return bands;
}

QString monsterDropsSql() { return monsterSourcesSql(false); }

QString monsterSpoilsSql() { return monsterSourcesSql(true); }

QString alternativeSpoilSql()
{
    // The item windows' spoil sources, with the blanks this window writes before the monster's name.
    return sourceStatement(1, QStringLiteral("  "), QStringLiteral(" "));
}

QString monsterLocationSql() { return QStringLiteral("select  * from monster_location;"); }

int bandOfStatement(const QString& sql)
{
    const QVector<MonsterBand>& bands = monsterBands();
    for (int band = 0; band < bands.size(); ++band)
        if (sql.trimmed() == bands[band].statement.trimmed())
            return band;
    return sql.trimmed() == monsterListLines().join(QLatin1Char('\n')).trimmed() ? 0 : -1;
}
