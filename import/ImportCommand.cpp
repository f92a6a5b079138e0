#include "import/ImportCommand.h"

#include "data/DbError.h"
#include "import/Importer.h"
#include "import/JetSource.h"
#include "import/LineProgress.h"
#include "import/ProgressLine.h"

#include <exception>

namespace {

void write(std::FILE* out, ProgressEvent::Kind kind, const QString& text, int tables = 0, qint64 rows = 0)
{
    ProgressEvent e;
    e.kind = kind;
    e.text = text;
    e.tables = tables;
    e.rows = rows;
    writeProgressLine(out, e);
}

} // namespace

int runImportCommand(const QString& source, const QString& target, std::FILE* out)
{
    try {
        JetSource jet(source);
        LineProgress progress(out);
        const ImportSummary summary = importSource(jet, source, target, &progress);
        for (const QString& item : summary.missing)
            write(out, ProgressEvent::Missing, item);
        write(out, ProgressEvent::Done, QString(), summary.tables, summary.rows);
        return 0;
    } catch (const DbError& e) {
        write(out, ProgressEvent::Failed, e.message());
    } catch (const std::bad_alloc&) {
        write(out, ProgressEvent::Failed, QStringLiteral("Reading %1 needs more memory than there is").arg(source));
    } catch (const std::exception& e) {
        write(out, ProgressEvent::Failed, QStringLiteral("Reading %1 failed: %2").arg(source, QString::fromLocal8Bit(e.what())));
    }
    return 1;
}
