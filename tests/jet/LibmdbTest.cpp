// The writer's files read through libmdb's C API, the way the import reads them: open, catalog,
// columns, bound rows. Where libmdb's bound text differs from what was written, the raw field
// bytes show the file holds the right value, and the test names what libmdb does instead.
#include "tests/jet/QtPrinters.h"
#include "tools/jetwriter/CellEncoding.h"
#include "tools/jetwriter/JetWriter.h"

#include <mdbtools.h>

#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace {

struct CloseMdb {
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
struct FreeTable {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
using Mdb = std::unique_ptr<MdbHandle, CloseMdb>;
using Table = std::unique_ptr<MdbTableDef, FreeTable>;

QString decodeUcs2(const unsigned char* bytes, int size)
{
    QString out;
    if (size >= 2 && bytes[0] == 0xff && bytes[1] == 0xfe) {
        bool compressed = true;
        for (int i = 2; i < size;) {
            if (bytes[i] == 0) {
                compressed = !compressed;
                ++i;
            } else if (compressed) {
                out.append(QChar(char16_t(bytes[i++])));
            } else {
                out.append(QChar(char16_t(bytes[i] | (bytes[i + 1] << 8))));
                i += 2;
            }
        }
        return out;
    }
    for (int i = 0; i + 1 < size; i += 2)
        out.append(QChar(char16_t(bytes[i] | (bytes[i + 1] << 8))));
    return out;
}

// One table read row by row with every column bound, as the import reads it.
class BoundTable {
public:
    BoundTable(MdbHandle* mdb, const char* name, size_t bindSize) : m_mdb(mdb)
    {
        mdb_set_bind_size(mdb, bindSize);
        m_table.reset(mdb_read_table_by_name(mdb, const_cast<gchar*>(name), MDB_TABLE));
        if (!m_table)
            throw std::runtime_error(std::string("libmdb finds no table ") + name);
        mdb_read_columns(m_table.get());
        mdb_rewind_table(m_table.get());
        m_values.resize(m_table->num_cols);
        m_lengths.resize(m_table->num_cols);
        for (unsigned c = 0; c < m_table->num_cols; ++c) {
            m_values[c].assign(bindSize, '\0');
            mdb_bind_column(m_table.get(), int(c) + 1, m_values[c].data(), &m_lengths[c]);
        }
    }
    MdbTableDef* get() const { return m_table.get(); }
    MdbColumn* column(int c) const { return static_cast<MdbColumn*>(g_ptr_array_index(m_table->columns, c)); }
    bool next() { return mdb_fetch_row(m_table.get()); }
    // The bound value: nothing when libmdb reports no length.
    std::optional<QString> text(int c) const
    {
        return m_lengths[size_t(c)] ? std::optional(QString::fromUtf8(m_values[size_t(c)].data())) : std::nullopt;
    }
    // Whether the current row's null mask marks the column NULL (the bound length cannot say).
    bool isNull(int c) const
    {
        int start = 0;
        size_t size = 0;
        mdb_find_row(m_mdb, int(m_table->cur_row) - 1, &start, &size);
        std::vector<MdbField> fields(m_table->num_cols);
        mdb_crack_row(m_table.get(), start & 0x1fff, size, fields.data());
        return fields[size_t(c)].is_null;
    }
    // The current row's own bytes of a fixed or text column.
    const unsigned char* raw(int c) const { return m_mdb->pg_buf + column(c)->cur_value_start; }
    int rawSize(int c) const { return column(c)->cur_value_len; }

private:
    MdbHandle* m_mdb;
    Table m_table;
    std::vector<std::string> m_values;
    std::vector<int> m_lengths;
};

const QString kEmoji = QString::fromUtf8("dragon 🐉 and sword ⚔️ 🗡");
const double kPrecise = 0.1 + 0.2; // 0.30000000000000004: 16 digits print it as 0.3

QString longMemo()
{
    QString out;
    for (int i = 0; out.size() < 30000; ++i)
        out += QString("line %1: Crème brûlée 日本 ").arg(i);
    return out;
}

QString writeEdgeFile(const QTemporaryDir& dir)
{
    using jet::ColumnType;
    jet::JetWriter writer;
    const int edge = writer.addTable("Edge", {{"Id", ColumnType::Long},
                                              {"Title", ColumnType::Text, 60},
                                              {"Ratio", ColumnType::Double},
                                              {"Done", ColumnType::Boolean},
                                              {"Small", ColumnType::Byte},
                                              {"Medium", ColumnType::Integer},
                                              {"Moment", ColumnType::DateTime},
                                              {"Notes", ColumnType::Memo}});
    writer.addRow(edge, {qint64(1), QString("Crème brûlée"), 2.5, true, qint64(200), qint64(-300),
                         QDateTime(QDate(2024, 2, 29), QTime(13, 45, 10)), QString("inline memo")});
    writer.addRow(edge, {qint64(2), QString(""), kPrecise, false, std::monostate(), std::monostate(),
                         QDateTime(QDate(1850, 6, 1), QTime(6, 0)), longMemo()});
    writer.addRow(edge, {qint64(3), kEmoji, std::monostate(), std::monostate(), qint64(0), qint64(0),
                         std::monostate(), QString("")});
    writer.addRow(edge, {qint64(4), std::monostate(), -0.0, true, qint64(1), qint64(1), std::monostate(),
                         std::monostate()});
    writer.addTable("Empty", {{"Nothing", ColumnType::Text}});
    const QString path = dir.filePath("edge.mdb");
    writer.write(path);
    return path;
}

} // namespace

TEST(JetThroughLibmdb, CatalogColumnsAndRows)
{
    QTemporaryDir dir;
    const QString path = writeEdgeFile(dir);
    Mdb mdb(mdb_open(path.toUtf8().constData(), MDB_NOFLAGS));
    ASSERT_TRUE(mdb);
    EXPECT_EQ(mdb->f->jet_version, guint32(MDB_VER_JET4));

    ASSERT_TRUE(mdb_read_catalog(mdb.get(), MDB_TABLE));
    QStringList user, system;
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        (mdb_is_user_table(entry) ? user : system) << entry->object_name;
    }
    EXPECT_EQ(user, (QStringList{"Edge", "Empty"}));
    EXPECT_EQ(system, QStringList{"MSysObjects"});

    BoundTable edge(mdb.get(), "edge", 1 << 20);
    const std::vector<std::pair<const char*, int>> columns{
        {"Id", MDB_LONGINT}, {"Title", MDB_TEXT},   {"Ratio", MDB_DOUBLE},     {"Done", MDB_BOOL},
        {"Small", MDB_BYTE}, {"Medium", MDB_INT},   {"Moment", MDB_DATETIME}, {"Notes", MDB_MEMO}};
    ASSERT_EQ(edge.get()->num_cols, columns.size());
    EXPECT_EQ(edge.get()->num_rows, 4u);
    for (size_t c = 0; c < columns.size(); ++c) {
        EXPECT_STREQ(edge.column(int(c))->name, columns[c].first);
        EXPECT_EQ(edge.column(int(c))->col_type, columns[c].second);
    }
    EXPECT_EQ(edge.column(1)->col_size, 120); // 60 characters of two bytes

    mdb_set_date_fmt(mdb.get(), "%Y-%m-%d %H:%M:%S");
    ASSERT_TRUE(edge.next());
    const std::vector<std::optional<QString>> first{"1", "Crème brûlée", "2.5", "1", "200", "-300",
                                                    "2024-02-29 13:45:10", "inline memo"};
    for (size_t c = 0; c < first.size(); ++c)
        EXPECT_EQ(edge.text(int(c)), first[c]) << columns[c].first;

    ASSERT_TRUE(edge.next());
    EXPECT_EQ(edge.text(7), longMemo()) << "a 30000-character memo over many pages";
    EXPECT_EQ(edge.text(4), std::nullopt);
    EXPECT_TRUE(edge.isNull(4));

    ASSERT_TRUE(edge.next());
    EXPECT_EQ(edge.text(0), "3");
    EXPECT_EQ(edge.text(3), "0") << "a NULL boolean reads as false";
    EXPECT_EQ(edge.text(2), std::nullopt);
    ASSERT_TRUE(edge.next());
    EXPECT_EQ(edge.text(2), "-0");
    EXPECT_FALSE(edge.next());

    BoundTable empty(mdb.get(), "Empty", 4096);
    EXPECT_EQ(empty.get()->num_rows, 0u);
    EXPECT_FALSE(empty.next());
}

// What the import must do itself, because libmdb's bound text loses it.
TEST(JetThroughLibmdb, WhatTheBoundTextLosesTheRawFieldsKeep)
{
    QTemporaryDir dir;
    const QString path = writeEdgeFile(dir);
    Mdb mdb(mdb_open(path.toUtf8().constData(), MDB_NOFLAGS));
    ASSERT_TRUE(mdb);
    mdb_set_date_fmt(mdb.get(), "%Y-%m-%d %H:%M:%S");
    BoundTable edge(mdb.get(), "Edge", 1 << 20);

    ASSERT_TRUE(edge.next());
    ASSERT_TRUE(edge.next());
    // An empty text binds with no length, like NULL; the row's null mask tells them apart.
    EXPECT_EQ(edge.text(1), std::nullopt);
    EXPECT_FALSE(edge.isNull(1));
    // Doubles bind as 16 significant digits, which do not always give the same double back.
    EXPECT_EQ(edge.text(2), "0.3");
    EXPECT_EQ(mdb_get_double(mdb->pg_buf, edge.column(2)->cur_value_start), kPrecise);
    // Dates before 1899-12-30 are negative numbers, which libmdb does not convert.
    EXPECT_NE(edge.text(6), "1850-06-01 06:00:00");
    EXPECT_EQ(mdb_get_double(mdb->pg_buf, edge.column(6)->cur_value_start),
              jet::toJetDate(QDateTime(QDate(1850, 6, 1), QTime(6, 0))));

    ASSERT_TRUE(edge.next());
    // Characters beyond the basic plane (surrogate pairs) bind as "??": libmdb converts with
    // iconv's UCS-2. The field's bytes hold the pairs, which UTF-16 decoding reads whole.
    QString shown = kEmoji;
    for (QChar& c : shown)
        c = c.isSurrogate() ? QChar('?') : c;
    EXPECT_EQ(edge.text(1), shown);
    EXPECT_EQ(decodeUcs2(edge.raw(1), edge.rawSize(1)), kEmoji);
    // An empty memo also binds with no length.
    EXPECT_EQ(edge.text(7), std::nullopt);
    EXPECT_FALSE(edge.isNull(7));
}

TEST(JetThroughLibmdb, LongMemosNeedABindSizeAsLargeAsTheirText)
{
    QTemporaryDir dir;
    const QString path = writeEdgeFile(dir);
    Mdb mdb(mdb_open(path.toUtf8().constData(), MDB_NOFLAGS));
    ASSERT_TRUE(mdb);
    // With the default bind size (16384 bytes) a long memo comes back cut short.
    BoundTable edge(mdb.get(), "Edge", MDB_BIND_SIZE);
    ASSERT_TRUE(edge.next());
    ASSERT_TRUE(edge.next());
    const std::optional<QString> memo = edge.text(7);
    ASSERT_TRUE(memo);
    EXPECT_LT(memo->size(), longMemo().size());
    EXPECT_TRUE(longMemo().startsWith(*memo));
}

TEST(JetThroughLibmdb, Jet3FilesReadTheSameWay)
{
    using jet::ColumnType;
    QTemporaryDir dir;
    const QString path = dir.filePath("old.mdb");
    QString memo;
    for (int i = 0; memo.size() < 5000; ++i)
        memo += QString("Zeile %1 für €; ").arg(i);
    jet::JetWriter writer;
    const int table = writer.addTable("Inventar", {{"Nr", ColumnType::Long},
                                                   {"Bezeichnung", ColumnType::Text, 50},
                                                   {"Preis", ColumnType::Double},
                                                   {"Verfügbar", ColumnType::Boolean},
                                                   {"Notiz", ColumnType::Memo}});
    writer.addRow(table, {qint64(7), QString("Schwert „Götterdämmerung“"), 19.99, true, memo});
    writer.addRow(table, {qint64(8), std::monostate(), std::monostate(), false, QString("kurz")});
    jet::WriteOptions options;
    options.version = jet::JetVersion::Jet3;
    writer.write(path, options);

    Mdb mdb(mdb_open(path.toUtf8().constData(), MDB_NOFLAGS));
    ASSERT_TRUE(mdb);
    EXPECT_EQ(mdb->f->jet_version, guint32(MDB_VER_JET3));
    BoundTable inventory(mdb.get(), "Inventar", 1 << 20);
    EXPECT_STREQ(inventory.column(3)->name, "Verfügbar");
    EXPECT_EQ(inventory.column(1)->col_size, 50); // one byte a character
    ASSERT_TRUE(inventory.next());
    const std::vector<std::optional<QString>> first{"7", "Schwert „Götterdämmerung“", "19.99", "1", memo};
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(inventory.text(c), first[size_t(c)]) << c;
    ASSERT_TRUE(inventory.next());
    EXPECT_EQ(inventory.text(1), std::nullopt);
    EXPECT_TRUE(inventory.isNull(1));
    EXPECT_EQ(inventory.text(4), "kurz");
    EXPECT_FALSE(inventory.next());
}

TEST(JetThroughLibmdb, KeyAndJet3PasswordWhereLibmdbLooks)
{
    QTemporaryDir dir;
    for (jet::JetVersion version : {jet::JetVersion::Jet3, jet::JetVersion::Jet4}) {
        jet::JetWriter writer;
        writer.addTable("T", {{"n", jet::ColumnType::Long}});
        jet::WriteOptions options;
        options.version = version;
        options.password = "Geheim";
        const QString path = dir.filePath(QString("p%1.mdb").arg(int(version)));
        writer.write(path, options);
        Mdb mdb(mdb_open(path.toUtf8().constData(), MDB_NOFLAGS));
        ASSERT_TRUE(mdb);
        EXPECT_EQ(mdb->f->db_key, 0u);
        EXPECT_EQ(mdb->f->code_page, 1252);
        EXPECT_EQ(mdb->f->lang_id, 0x0409);
        // libmdb reads the password of Jet 3 files only (Jet 4's is masked further).
        if (version == jet::JetVersion::Jet3) {
            EXPECT_EQ(std::string(mdb->f->db_passwd, 6), "Geheim");
        }
    }
}
