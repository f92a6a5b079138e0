#pragma once
// A Jet (Access) file as a source of tables, read through libmdb. The file is checked before
// libmdb sees it (a readable regular file of whole pages, a known Jet version, no database
// password); every failure after that is a DbError naming the file, never a stop.

#include "import/JetHeader.h"
#include "import/SourceTable.h"

#include <QHash>
#include <QString>

struct S_MdbTableDef;

class JetSource : public TableSource {
public:
    /// Opens the file and reads its catalog; throws DbError naming the file when it is not a
    /// Jet file, is protected by a password, or is damaged.
    explicit JetSource(const QString& path);
    ~JetSource() override;
    JetSource(const JetSource&) = delete;
    JetSource& operator=(const JetSource&) = delete;

    /// "Jet 3", "Jet 4", ...
    QString formatName() const { return m_header.formatName(); }

    QStringList tableNames() override;
    QVector<SourceColumn> columns(const QString& table) override;
    qint64 rowCount(const QString& table) override;
    std::unique_ptr<SourceRows> rows(const QString& table) override;

private:
    void readCatalog();
    S_MdbTableDef* tableDef(const QString& table);

    QString m_path;
    JetHeader m_header;
    void* m_mdb = nullptr; // MdbHandle
    QStringList m_names;
    QHash<QString, void*> m_entries; // MdbCatalogEntry by table name
    QHash<QString, S_MdbTableDef*> m_defs;
};

/// "Database file <path> is truncated or damaged (<what>)".
QString jetDamaged(const QString& path, const QString& what);
