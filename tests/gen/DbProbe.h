#pragma once
// Read-only questions to a generated database, for the generator's tests.

#include <QString>
#include <string>
#include <vector>

struct sqlite3;

class DbProbe {
public:
    explicit DbProbe(const QString& path);
    ~DbProbe();
    DbProbe(const DbProbe&) = delete;
    DbProbe& operator=(const DbProbe&) = delete;

    long long integer(const std::string& sql) const;
    std::string text(const std::string& sql) const;
    // Every row of the first column, as text ("" for NULL).
    std::vector<std::string> column(const std::string& sql) const;
    // Rows of a query reduced to one text line each, fields separated by '|'.
    std::vector<std::string> rows(const std::string& sql) const;
    // An order-independent digest of a whole table's contents.
    std::string tableDigest(const std::string& table) const;

private:
    sqlite3* m_db = nullptr;
};
