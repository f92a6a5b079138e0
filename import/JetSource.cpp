#include "import/JetSource.h"

#include "data/DatabaseFileCheck.h"
#include "data/DbError.h"
#include "import/JetRows.h"

#include <QFile>

#include <cstring>

#include <mdbtools.h>

namespace {

MdbHandle* handle(void* mdb)
{
    return static_cast<MdbHandle*>(mdb);
}

SourceColumn describe(const MdbColumn* col)
{
    SourceColumn c;
    c.name = QString::fromUtf8(col->name);
    switch (col->col_type) {
    case MDB_BOOL: c.kind = SourceKind::Boolean; c.typeName = QStringLiteral("Yes/No"); break;
    case MDB_BYTE: c.kind = SourceKind::Integer; c.typeName = QStringLiteral("Byte"); break;
    case MDB_INT: c.kind = SourceKind::Integer; c.typeName = QStringLiteral("Integer"); break;
    case MDB_LONGINT: c.kind = SourceKind::Integer; c.typeName = QStringLiteral("Long Integer"); break;
    case MDB_COMPLEX: c.kind = SourceKind::Integer; c.typeName = QStringLiteral("Complex"); break;
    case MDB_MONEY: c.kind = SourceKind::Float; c.typeName = QStringLiteral("Currency"); break;
    case MDB_FLOAT: c.kind = SourceKind::Float; c.typeName = QStringLiteral("Single"); break;
    case MDB_DOUBLE: c.kind = SourceKind::Float; c.typeName = QStringLiteral("Double"); break;
    case MDB_NUMERIC: c.kind = SourceKind::Float; c.typeName = QStringLiteral("Decimal"); break;
    case MDB_DATETIME: c.kind = SourceKind::DateTime; c.typeName = QStringLiteral("Date/Time"); break;
    case MDB_TEXT: c.kind = SourceKind::Text; c.typeName = QStringLiteral("Text"); break;
    case MDB_MEMO: c.kind = SourceKind::Text; c.typeName = QStringLiteral("Memo"); break;
    case MDB_REPID: c.kind = SourceKind::Text; c.typeName = QStringLiteral("Replication ID"); break;
    case MDB_BINARY: c.kind = SourceKind::Unreadable; c.typeName = QStringLiteral("Binary"); break;
    case MDB_OLE: c.kind = SourceKind::Unreadable; c.typeName = QStringLiteral("OLE object"); break;
    default:
        c.kind = SourceKind::Unreadable;
        c.typeName = QStringLiteral("unknown (type %1)").arg(col->col_type);
        break;
    }
    return c;
}

// The catalog's definition is always the third page (mdbtools.h's MDB_CATALOG_PG is another).
constexpr unsigned long kCatalogPage = 2;

// libmdb walks a table's data pages by its usage map and reads no further when there is none.
bool hasUsageMap(const MdbTableDef* def)
{
    return def->usage_map && def->map_sz > 0;
}

// The rows the catalog's own definition counts; -1 when the definition cannot be read or could
// not be walked.
qint64 catalogRowCount(MdbHandle* mdb)
{
    MdbCatalogEntry catalog{};
    catalog.mdb = mdb;
    catalog.object_type = MDB_TABLE;
    catalog.table_pg = kCatalogPage;
    std::strcpy(catalog.object_name, "MSysObjects");
    MdbTableDef* def = mdb_read_table(&catalog);
    if (!def)
        return -1;
    const qint64 rows = hasUsageMap(def) ? qint64(def->num_rows) : -1;
    mdb_free_tabledef(def);
    return rows;
}

} // namespace

QString jetDamaged(const QString& path, const QString& what)
{
    return QStringLiteral("Database file %1 is truncated or damaged (%2)").arg(path, what);
}

JetSource::JetSource(const QString& path) : m_path(path)
{
    checkReadableFile(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DbError(QStringLiteral("Database file %1 cannot be read: %2").arg(path, file.errorString()));
    m_header = readJetHeader(file.read(4096));
    const qint64 size = file.size();
    file.close();
    if (!m_header.isJet)
        throw DbError(QStringLiteral("%1 is not a Jet/Access database").arg(path));
    if (m_header.version < MDB_VER_JET3 || m_header.version > MDB_VER_ACCDB_2019)
        throw DbError(QStringLiteral("%1 is a Jet/Access database of a version this program does not know (%2)")
                          .arg(path, m_header.formatName()));
    // The engine writes whole pages; a file that ends inside one lost its tail.
    if (size < 3 * m_header.pageSize || size % m_header.pageSize != 0)
        throw DbError(jetDamaged(path, QStringLiteral("it does not end on a page boundary")));
    if (m_header.hasPassword)
        throw DbError(QStringLiteral("%1 is protected by a database password. This program does not open "
                                     "password-protected files; remove the password in Access "
                                     "(File, Info, Decrypt Database) and try again.").arg(path));

    // libmdb hands Jet 3 text over as UTF-8, whatever the environment asked it for.
    qputenv("MDBICONV", "UTF-8");
    m_mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!m_mdb)
        throw DbError(jetDamaged(path, QStringLiteral("the Jet reader cannot open it")));
    try {
        readCatalog();
    } catch (...) {
        // No destructor runs for an object whose constructor failed.
        mdb_close(handle(m_mdb));
        m_mdb = nullptr;
        throw;
    }
}

void JetSource::readCatalog()
{
    const QString& path = m_path;
    MdbHandle* mdb = handle(m_mdb);
    // The catalog is a table too: its definition is checked before libmdb walks it, and fewer
    // objects than it counts means pages are lost.
    const qint64 counted = catalogRowCount(mdb);
    if (counted < 0 || !mdb_read_catalog(mdb, MDB_ANY))
        throw DbError(jetDamaged(path, QStringLiteral("its list of tables cannot be read")));
    if (counted > qint64(mdb->num_catalog))
        throw DbError(jetDamaged(path, QStringLiteral("its list of tables ends after %1 of its %2 objects")
                                           .arg(mdb->num_catalog).arg(counted)));
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type != MDB_TABLE || !mdb_is_user_table(entry))
            continue;
        const QString name = QString::fromUtf8(entry->object_name);
        if (m_entries.contains(name))
            continue;
        m_names << name;
        m_entries.insert(name, entry);
    }
}

JetSource::~JetSource()
{
    for (MdbTableDef* def : std::as_const(m_defs))
        mdb_free_tabledef(def);
    if (m_mdb)
        mdb_close(handle(m_mdb));
}

QStringList JetSource::tableNames()
{
    return m_names;
}

MdbTableDef* JetSource::tableDef(const QString& table)
{
    if (MdbTableDef* def = m_defs.value(table))
        return def;
    auto* entry = static_cast<MdbCatalogEntry*>(m_entries.value(table));
    if (!entry)
        throw DbError(QStringLiteral("%1 has no table %2").arg(m_path, table));
    MdbTableDef* def = mdb_read_table(entry);
    if (!def)
        throw DbError(jetDamaged(m_path, QStringLiteral("the definition of table %1 cannot be read").arg(table)));
    m_defs.insert(table, def);
    if (!mdb_read_columns(def) || !def->columns || def->columns->len != def->num_cols)
        throw DbError(jetDamaged(m_path, QStringLiteral("the columns of table %1 cannot be read").arg(table)));
    if (!hasUsageMap(def))
        throw DbError(jetDamaged(m_path, QStringLiteral("the pages of table %1 cannot be found").arg(table)));
    return def;
}

QVector<SourceColumn> JetSource::columns(const QString& table)
{
    MdbTableDef* def = tableDef(table);
    QVector<SourceColumn> out;
    for (unsigned i = 0; i < def->num_cols; ++i)
        out << describe(static_cast<const MdbColumn*>(g_ptr_array_index(def->columns, i)));
    return out;
}

qint64 JetSource::rowCount(const QString& table)
{
    return tableDef(table)->num_rows;
}

std::unique_ptr<SourceRows> JetSource::rows(const QString& table)
{
    return std::make_unique<JetRows>(tableDef(table), m_path, table);
}
