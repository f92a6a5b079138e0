#include "import/JetRows.h"

#include "data/DbError.h"
#include "import/JetSource.h"
#include "import/JetValues.h"

#include <QtEndian>

#include <mdbtools.h>

#include <cstdlib>
#include <cstring>

namespace {

// Row offsets on a data page carry flags in their top bits.
constexpr int kOffsetMask = 0x1fff;
// A memo's header: its length (flags in the top two bits), then where its pages are.
constexpr int kMemoHeader = 12;
constexpr quint32 kMemoLengthMask = 0x3fffffff;
// No game text comes near this; a header claiming more is damaged.
constexpr quint32 kLargestMemo = 64u << 20;

MdbField* fieldsOf(void* fields)
{
    return static_cast<MdbField*>(fields);
}

// Points the column at our buffer while libmdb copies a memo's pages into it.
class BoundChunk {
public:
    BoundChunk(MdbColumn* col, QByteArray& chunk) : m_col(col), m_previous(col->bind_ptr) { col->bind_ptr = chunk.data(); }
    ~BoundChunk() { m_col->bind_ptr = m_previous; }
    BoundChunk(const BoundChunk&) = delete;
    BoundChunk& operator=(const BoundChunk&) = delete;

private:
    MdbColumn* m_col;
    void* m_previous;
};

QString textOf(MdbHandle* mdb, const char* bytes, int size)
{
    if (!IS_JET3(mdb))
        return jet4Text(bytes, size);
    // Jet 3 text is in the file's code page; libmdb knows which and converts it.
    QByteArray utf8(size * 4 + 16, '\0');
    const int length = mdb_unicode2ascii(mdb, bytes, size_t(size), utf8.data(), size_t(utf8.size()));
    return QString::fromUtf8(utf8.constData(), qBound(0, length, int(utf8.size())));
}

} // namespace

JetRows::JetRows(MdbTableDef* def, const QString& path, const QString& table)
    : m_def(def), m_path(path), m_table(table), m_fields(std::calloc(qMax(1u, def->num_cols), sizeof(MdbField))),
      m_chunk(2 * MDB_PGSIZE, '\0')
{
    mdb_rewind_table(m_def);
}

JetRows::~JetRows()
{
    std::free(m_fields);
}

void JetRows::damaged(const QString& what) const
{
    throw DbError(jetDamaged(m_path, QStringLiteral("row %1 of table %2: %3").arg(m_row + 1).arg(m_table, what)));
}

bool JetRows::next(QVector<Value>& row)
{
    if (!mdb_fetch_row(m_def)) {
        // The table's definition counts its rows: fewer found means pages are lost (a file
        // cut short at a page boundary reads as a shorter table otherwise).
        if (m_row < qint64(m_def->num_rows))
            throw DbError(jetDamaged(m_path, QStringLiteral("table %1 ends after %2 of its %3 rows")
                                                 .arg(m_table).arg(m_row).arg(m_def->num_rows)));
        return false;
    }
    MdbHandle* mdb = m_def->entry->mdb;
    const int pageSize = int(mdb->fmt->pg_size);
    int start = 0;
    size_t length = 0;
    if (mdb_find_row(mdb, int(m_def->cur_row) - 1, &start, &length) != 0)
        damaged(QStringLiteral("its place on the page is wrong"));
    start &= kOffsetMask;
    if (start + qint64(length) > pageSize)
        damaged(QStringLiteral("it runs past its page"));
    MdbField* fields = fieldsOf(m_fields);
    const int count = mdb_crack_row(m_def, start, length, fields);
    if (count < 0 || unsigned(count) > m_def->num_cols)
        damaged(QStringLiteral("its fields cannot be told apart"));

    const int columns = int(m_def->num_cols);
    row.fill(Value(), columns);
    const auto* page = reinterpret_cast<const char*>(mdb->pg_buf);
    for (int i = 0; i < count; ++i) {
        const MdbField& f = fields[i];
        if (f.colnum < 0 || f.colnum >= columns)
            damaged(QStringLiteral("a field names no column"));
        auto* col = static_cast<MdbColumn*>(g_ptr_array_index(m_def->columns, f.colnum));
        if (col->col_type == MDB_BOOL) {
            // A yes/no value lives in the null mask: set means yes.
            row[f.colnum] = Value::boolean(!f.is_null);
            continue;
        }
        if (f.is_null)
            continue;
        const int at = f.start;
        const int size = f.siz;
        const auto need = [&](int bytes) {
            if (at < 0 || size < bytes || at + qint64(size) > pageSize)
                damaged(QStringLiteral("the value of %1 lies outside its page").arg(QString::fromUtf8(col->name)));
        };
        const char* p = page + at;
        Value v;
        switch (col->col_type) {
        case MDB_BYTE:
            need(1);
            v = Value::integer(quint8(p[0]));
            break;
        case MDB_INT:
            need(2);
            v = Value::integer(qFromLittleEndian<qint16>(p));
            break;
        case MDB_LONGINT:
        case MDB_COMPLEX:
            need(4);
            v = Value::integer(qFromLittleEndian<qint32>(p));
            break;
        case MDB_MONEY:
            need(8);
            v = Value::floating(double(qFromLittleEndian<qint64>(p)) / 10000.0);
            break;
        case MDB_FLOAT: {
            need(4);
            const quint32 bits = qFromLittleEndian<quint32>(p);
            float f32 = 0;
            std::memcpy(&f32, &bits, sizeof f32);
            v = Value::floating(singleAsDouble(f32));
            break;
        }
        case MDB_DOUBLE:
        case MDB_DATETIME: {
            need(8);
            const quint64 bits = qFromLittleEndian<quint64>(p);
            double d = 0;
            std::memcpy(&d, &bits, sizeof d);
            if (col->col_type == MDB_DOUBLE) {
                v = Value::floating(d);
            } else {
                const QString text = jetDateText(d);
                v = text.isEmpty() ? Value() : Value::text(text);
            }
            break;
        }
        case MDB_NUMERIC: {
            need(17);
            char* text = mdb_numeric_to_string(mdb, at, col->col_scale, col->col_prec);
            bool ok = false;
            const double d = QByteArray(text ? text : "").toDouble(&ok);
            g_free(text);
            v = ok ? Value::floating(d) : Value();
            break;
        }
        case MDB_TEXT:
            need(0);
            v = Value::text(textOf(mdb, p, size));
            break;
        case MDB_REPID: {
            need(16);
            char* text = mdb_uuid_to_string(mdb->pg_buf, at);
            v = Value::text(QString::fromUtf8(text ? text : ""));
            g_free(text);
            break;
        }
        case MDB_MEMO: {
            need(kMemoHeader);
            char header[kMemoHeader];
            std::memcpy(header, p, kMemoHeader);
            const quint32 declared = qFromLittleEndian<quint32>(header) & kMemoLengthMask;
            if (declared > kLargestMemo)
                damaged(QStringLiteral("the memo %1 claims %2 bytes").arg(QString::fromUtf8(col->name)).arg(declared));
            QByteArray raw;
            raw.reserve(int(declared));
            {
                col->cur_value_start = at;
                col->cur_value_len = size;
                BoundChunk bound(col, m_chunk);
                size_t got = mdb_ole_read(mdb, col, header, size_t(m_chunk.size()));
                while (got > 0 && got <= size_t(m_chunk.size())) {
                    raw.append(m_chunk.constData(), int(got));
                    if (quint32(raw.size()) >= declared)
                        break;
                    got = mdb_ole_read_next(mdb, col, header);
                }
            }
            if (quint32(raw.size()) < declared)
                damaged(QStringLiteral("the memo %1 ends early").arg(QString::fromUtf8(col->name)));
            raw.truncate(int(declared));
            v = Value::text(textOf(mdb, raw.constData(), raw.size()));
            break;
        }
        default:
            break; // binary and OLE columns are never copied
        }
        row[f.colnum] = v;
    }
    ++m_row;
    return true;
}
