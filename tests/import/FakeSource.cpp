#include "tests/import/FakeSource.h"

#include "import/GameSchema.h"

FakeSource gameShapedSource()
{
    FakeSource source;
    for (const SchemaTable& t : GameSchema::instance().tables()) {
        QVector<SourceColumn> columns;
        for (const TableColumn& c : t.columns()) {
            const SourceKind kind = c.declaredType == QLatin1String("TEXT")      ? SourceKind::Text
                                    : c.declaredType == QLatin1String("REAL")    ? SourceKind::Float
                                    : c.declaredType == QLatin1String("BOOLEAN") ? SourceKind::Boolean
                                                                                 : SourceKind::Integer;
            columns << SourceColumn{c.name, kind, QString()};
        }
        source.add(t.name, columns);
    }
    return source;
}
