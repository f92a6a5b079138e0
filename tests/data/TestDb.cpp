#include "tests/data/TestDb.h"

#include "data/Dataset.h"

#include <QDir>
#include <QFile>

#include <sqlite3.h>

#include <stdexcept>

TestDb::TestDb(const QString& rowsSql, const QString& subfolder)
{
    QString dir = m_dir.path();
    if (!subfolder.isEmpty()) {
        dir += QLatin1Char('/') + subfolder;
        QDir().mkpath(dir);
    }
    m_folder = dir + QLatin1Char('/');
    QFile schema(QStringLiteral(TAVRIN_SCHEMA));
    if (!schema.open(QIODevice::ReadOnly))
        throw std::runtime_error("schema not readable: " TAVRIN_SCHEMA);
    exec(QString::fromUtf8(schema.readAll()) + QLatin1Char('\n') + rowsSql);
}

void TestDb::exec(const QString& sql) const
{
    sqlite3* db = nullptr;
    if (sqlite3_open(QFile::encodeName(path()).constData(), &db) != SQLITE_OK)
        throw std::runtime_error("cannot create test database");
    char* err = nullptr;
    // One transaction without syncing: the file is thrown away after the test.
    const QString wrapped = QStringLiteral("PRAGMA synchronous=OFF; BEGIN;\n") + sql + QStringLiteral("\n;COMMIT;");
    const int rc = sqlite3_exec(db, wrapped.toUtf8().constData(), nullptr, nullptr, &err);
    const std::string why = err ? err : "";
    sqlite3_free(err);
    sqlite3_close(db);
    if (rc != SQLITE_OK)
        throw std::runtime_error("test SQL failed: " + why);
}

QString rowsText(Dataset& d)
{
    QStringList rows;
    for (int r = 0; r < d.recordCount(); ++r) {
        QStringList cells;
        for (int f = 0; f < d.fieldCount(); ++f)
            cells << d.displayText(r, f);
        rows << cells.join(QLatin1Char('|'));
    }
    return rows.join(QLatin1Char('\n'));
}
