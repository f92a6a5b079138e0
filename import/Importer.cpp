#include "import/Importer.h"

#include "import/CopyWriter.h"
#include "import/GameSchema.h"
#include "import/ImportProgress.h"
#include "import/SchemaMatch.h"
#include "import/SourceTable.h"

namespace {

// Rows between progress reports and looks at the cancel flag.
constexpr qint64 kReportEvery = 256;

class NoProgress : public ImportProgress {
public:
    void started(int, qint64) override {}
    void tableStarted(int, const QString&, qint64) override {}
    void rowsCopied(qint64) override {}
    bool cancelRequested() override { return false; }
};

} // namespace

ImportSummary importSource(TableSource& source, const QString& sourceName, const QString& target, ImportProgress* progress)
{
    NoProgress quiet;
    ImportProgress& report = progress ? *progress : quiet;
    const GameSchema& schema = GameSchema::instance();
    const ImportPlan plan = matchSchema(schema, source, sourceName);

    ImportSummary summary;
    summary.missing = plan.missing;
    qint64 expected = 0;
    for (const TableMatch& match : plan.tables)
        expected += source.rowCount(match.sourceTable);
    report.started(plan.tables.size(), expected);

    CopyWriter writer(target);
    QVector<Value> in;
    for (int t = 0; t < plan.tables.size(); ++t) {
        const TableMatch& match = plan.tables[t];
        const SchemaTable& table = schema.tables()[match.schemaTable];
        if (report.cancelRequested()) {
            summary.cancelled = true;
            return summary;
        }
        report.tableStarted(t, table.name, source.rowCount(match.sourceTable));
        QVector<int> present;
        for (const ColumnMatch& c : match.columns)
            present << c.schemaColumn;
        writer.createTable(table, present);

        const std::unique_ptr<SourceRows> rows = source.rows(match.sourceTable);
        QVector<Value> out(present.size());
        qint64 copied = 0;
        while (rows->next(in)) {
            for (int c = 0; c < match.columns.size(); ++c) {
                const int from = match.columns[c].sourceColumn;
                out[c] = from < in.size() ? in[from] : Value();
            }
            writer.insertRow(out);
            if (++copied % kReportEvery == 0) {
                report.rowsCopied(copied);
                if (report.cancelRequested()) {
                    summary.cancelled = true;
                    return summary;
                }
            }
        }
        report.rowsCopied(copied);
        writer.createIndexes(table, present);
        summary.rows += copied;
        ++summary.tables;
    }
    writer.finish();
    return summary;
}
