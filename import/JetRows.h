#pragma once
// The rows of one Jet table, read through libmdb: libmdb walks the data pages and splits each
// row into its fields; the values are taken from the bytes it points at, so NULL stays apart
// from empty text and numbers keep every digit.

#include "import/SourceTable.h"

#include <QByteArray>
#include <QString>

#include <vector>

struct S_MdbTableDef;

class JetRows : public SourceRows {
public:
    /// Reads `def` (owned by the source, which outlives this) from its first row; `path` and
    /// `table` name the file and the table in messages.
    JetRows(S_MdbTableDef* def, const QString& path, const QString& table);
    ~JetRows() override;

    bool next(QVector<Value>& row) override;

private:
    [[noreturn]] void damaged(const QString& what) const;

    S_MdbTableDef* m_def;
    QString m_path;
    QString m_table;
    qint64 m_row = 0;
    void* m_fields; // MdbField[num_cols]
    QByteArray m_chunk;
};
