#include "import/SchemaMatch.h"

#include "data/DbError.h"
#include "import/GameSchema.h"
#include "import/SourceTable.h"

namespace {

int indexIgnoringCase(const QStringList& names, const QString& name)
{
    for (int i = 0; i < names.size(); ++i)
        if (names[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

} // namespace

ImportPlan matchSchema(const GameSchema& schema, TableSource& source, const QString& sourceName)
{
    ImportPlan plan;
    const QStringList sourceTables = source.tableNames();
    for (int t = 0; t < schema.tables().size(); ++t) {
        const SchemaTable& table = schema.tables()[t];
        const int found = indexIgnoringCase(sourceTables, table.name);
        if (found < 0) {
            plan.missing << QStringLiteral("table %1").arg(table.name);
            continue;
        }
        TableMatch match;
        match.schemaTable = t;
        match.sourceTable = sourceTables[found];
        const QVector<SourceColumn> columns = source.columns(match.sourceTable);
        QStringList names;
        for (const SourceColumn& c : columns)
            names << c.name;
        QStringList absent;
        for (int c = 0; c < table.columns().size(); ++c) {
            const QString& name = table.columns()[c].name;
            const int at = indexIgnoringCase(names, name);
            if (at < 0) {
                absent << name;
            } else if (columns[at].kind == SourceKind::Unreadable) {
                plan.missing << QStringLiteral("column %1.%2 (it holds %3 data, which cannot be read as a value)")
                                    .arg(table.name, name, columns[at].typeName);
            } else {
                match.columns << ColumnMatch{c, at};
            }
        }
        if (absent.size() == 1)
            plan.missing << QStringLiteral("column %1.%2").arg(table.name, absent.first());
        else if (!absent.isEmpty())
            plan.missing << QStringLiteral("columns of %1: %2").arg(table.name, absent.join(QStringLiteral(", ")));
        // A table whose every column is missing has nothing to copy; it counts as missing.
        if (match.columns.isEmpty())
            continue;
        plan.tables << match;
    }
    if (plan.tables.isEmpty())
        throw DbError(QStringLiteral("%1 holds none of the game's tables (items, weapons, monsters, ...): it is "
                                     "not a game database").arg(sourceName));
    return plan;
}

QString missingMessage(const QString& sourceName, const QStringList& missing)
{
    if (missing.isEmpty())
        return QString();
    QString text = QStringLiteral("%1 lacks what some windows read:").arg(sourceName);
    // Whole tables on one line, then the columns table by table.
    QStringList tables;
    for (const QString& m : missing)
        if (m.startsWith(QLatin1String("table ")))
            tables << m.mid(6);
    if (tables.size() == 1)
        text += QStringLiteral("\n  - table %1").arg(tables.first());
    else if (!tables.isEmpty())
        text += QStringLiteral("\n  - tables %1").arg(tables.join(QStringLiteral(", ")));
    for (const QString& m : missing)
        if (!m.startsWith(QLatin1String("table ")))
            text += QStringLiteral("\n  - %1").arg(m);
    text += QStringLiteral("\nThe windows that need them say so when opened; the others work.");
    return text;
}
