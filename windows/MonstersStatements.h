#pragma once
// The statements of the monsters window, exactly as the window declares them.

#include <QString>
#include <QStringList>
#include <QVector>

/// One level band of the monster list: its button caption and the one-line statement that
/// replaces the list's statement when the button is pressed.
struct MonsterBand {
    QString caption;
    QString statement;
};

/// The monster list's statement when the window opens, line by line.
QStringList monsterListLines();

/// The eight bands in tool-bar order: "All", "0-10", ..., "60 +".
const QVector<MonsterBand>& monsterBands();

/// The band a list statement lists: the index of the band whose statement it is, 0 ("All") for
/// the opening statement, which lists every monster too; -1 for any other statement.
int bandOfStatement(const QString& sql);

/// The selected monster's drops (sweep 0) and spoils (sweep 1).
QString monsterDropsSql();
QString monsterSpoilsSql();

/// Every spoil source of the database; the drop sources are the item windows' own statement.
QString alternativeSpoilSql();

/// Every spawn point of the database.
QString monsterLocationSql();
