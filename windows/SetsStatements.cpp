#include "windows/SetsStatements.h"

#include <QStringList>

QString setPiecesSql()
{
    return QStringList{
        QStringLiteral("SELECT S.item_id, S.set_id, I.id, I.icon, I.price, N.id, N.name, A.*"),
        QStringLiteral("FROM setitems AS S, items AS I, itemnames AS N, armor AS A"),
        QStringLiteral("WHERE I.id = S.item_id"),
        QStringLiteral("AND N.id = I.id"),
        QStringLiteral("AND A.id=I.id"),
    }.join(QLatin1Char('\n'));
}

QString setTypesSql() { return QStringLiteral("SELECT DISTINCT type FROM sets"); }

QString setsTable() { return QStringLiteral("sets"); }
