#include "data/SortOrder.h"

#include "data/DbError.h"

QVector<SortKey> parseSort(const QString& text)
{
    QVector<SortKey> keys;
    if (text.trimmed().isEmpty())
        return keys;
    for (const QString& piece : text.split(QLatin1Char(','))) {
        QString p = piece.trimmed();
        SortKey key;
        const int blank = p.lastIndexOf(QLatin1Char(' '));
        if (blank > 0) {
            const QString dir = p.mid(blank + 1);
            if (dir.compare(QLatin1String("DESC"), Qt::CaseInsensitive) == 0) {
                key.descending = true;
                p = p.left(blank).trimmed();
            } else if (dir.compare(QLatin1String("ASC"), Qt::CaseInsensitive) == 0) {
                p = p.left(blank).trimmed();
            }
        }
        if (p.startsWith(QLatin1Char('[')) && p.endsWith(QLatin1Char(']')))
            p = p.mid(1, p.size() - 2).trimmed();
        if (p.isEmpty() || p.contains(QLatin1Char(' ')))
            throw DbError(QStringLiteral("Malformed sort \"%1\": expected a field name followed by ASC or DESC").arg(text));
        key.field = p;
        keys.push_back(key);
    }
    return keys;
}
