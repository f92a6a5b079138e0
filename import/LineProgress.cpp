#include "import/LineProgress.h"

#include "import/ProgressLine.h"

namespace {

// The parent's dialog need not hear of every few hundred rows.
constexpr qint64 kRowsEveryMs = 100;

} // namespace

LineProgress::LineProgress(std::FILE* out) : m_out(out)
{
    m_sinceRows.start();
}

void LineProgress::started(int tables, qint64 rows)
{
    ProgressEvent e;
    e.kind = ProgressEvent::Started;
    e.tables = tables;
    e.rows = rows;
    writeProgressLine(m_out, e);
}

void LineProgress::tableStarted(int index, const QString& table, qint64 rows)
{
    ProgressEvent e;
    e.kind = ProgressEvent::Table;
    e.index = index;
    e.rows = rows;
    e.text = table;
    writeProgressLine(m_out, e);
    m_sinceRows.restart();
}

void LineProgress::rowsCopied(qint64 rows)
{
    if (m_sinceRows.elapsed() < kRowsEveryMs)
        return;
    m_sinceRows.restart();
    ProgressEvent e;
    e.kind = ProgressEvent::Rows;
    e.rows = rows;
    writeProgressLine(m_out, e);
}
