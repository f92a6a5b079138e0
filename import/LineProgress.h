#pragma once
// The progress of an import running for a parent process, written as progress lines to a
// stream (its standard output), rows at most a few times a second.

#include "import/ImportProgress.h"

#include <QElapsedTimer>

#include <cstdio>

class LineProgress : public ImportProgress {
public:
    explicit LineProgress(std::FILE* out);

    void started(int tables, qint64 rows) override;
    void tableStarted(int index, const QString& table, qint64 rows) override;
    void rowsCopied(qint64 rows) override;
    /// The parent stops an import by ending its process.
    bool cancelRequested() override { return false; }

private:
    std::FILE* m_out;
    QElapsedTimer m_sinceRows;
};
