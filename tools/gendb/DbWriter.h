#pragma once
// Creates a fresh database from the schema in a side file, fills it in one transaction and moves it
// over the target only when everything succeeded.

#include "tools/gendb/TableInserter.h"

#include <QString>
#include <memory>

struct sqlite3;

namespace gen {

class DbWriter {
public:
    explicit DbWriter(const QString& path);
    ~DbWriter();
    DbWriter(const DbWriter&) = delete;
    DbWriter& operator=(const DbWriter&) = delete;

    std::unique_ptr<TableInserter> table(const std::string& name, const std::vector<std::string>& columns);
    // Commits, closes and replaces the target file.
    void finish();

private:
    void exec(const char* sql);

    QString m_path;
    QString m_tempPath;
    sqlite3* m_db = nullptr;
};

} // namespace gen
