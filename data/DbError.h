#pragma once
// The one exception the data layer throws; its text says what failed and where. A failure to
// read a list from the database file also says which file, what is wrong with it and which list,
// and keeps the statement and the engine's own words apart, for a details section.

#include <QString>

#include <exception>
#include <string>

class DbError : public std::exception {
public:
    explicit DbError(const QString& message, const QString& details = QString());
    /// Reading from the open database file failed. `problem` completes "Database file <file> ..."
    /// ("is damaged", "is locked by another program"); `details` holds the statement and the
    /// engine's text.
    static DbError readFailure(const QString& file, const QString& problem, const QString& details);

    const char* what() const noexcept override { return m_what.c_str(); }
    /// The text the error box shows.
    QString message() const { return m_message; }
    /// What a details section shows (the statement, the engine's text); may be empty.
    QString details() const { return m_details; }
    /// The database file a read failure concerns; empty for other failures.
    QString file() const { return m_file; }
    /// The list that could not be read; empty while unknown.
    QString list() const { return m_list; }
    /// Names the list whose reading failed; the message of a read failure says so from then on.
    void setList(const QString& list);

private:
    void compose();

    QString m_message;
    QString m_details;
    QString m_file;
    QString m_problem;
    QString m_list;
    std::string m_what;
};
