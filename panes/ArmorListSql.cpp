#include "panes/ArmorListSql.h"

QString armorListSql(const QStringList& bodyParts, const QString& orderBy)
{
    QStringList lines{
        QStringLiteral("SELECT A.crystallizable, A.crystal_type, A.body_part,"),
        QStringLiteral("A.crystal_count, A.armor_type, A.physical_defense, A.magical_defense,"),
        QStringLiteral("A.mp_bonus, I.id, I.icon, I.weight, I.price, N.name, N.description"),
        QStringLiteral("FROM armor as A, items as I, itemnames as N"),
        QStringLiteral("WHERE"),
        QStringLiteral("I.icon NOT LIKE '%pet%'"),
    };
    for (int i = 0; i < bodyParts.size(); ++i) {
        const QString head = i == 0 ? QStringLiteral("AND (") : QString();
        const QString tail = i + 1 < bodyParts.size() ? QStringLiteral(" OR") : QString();
        lines.append(head + QStringLiteral("A.body_part = '") + bodyParts[i] + QLatin1Char('\'') + tail);
    }
    lines.append(QStringLiteral(")"));
    lines.append(QStringLiteral("AND I.id = A.id"));
    lines.append(QStringLiteral("AND N.id = I.id"));
    lines.append(QStringLiteral("ORDER BY  ") + orderBy);
    return lines.join(QLatin1Char('\n'));
}
