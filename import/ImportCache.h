#pragma once
// Where the SQLite copies of Jet files are kept: one file per source, named after the source's
// absolute path and, apart from that, after its size, its modification time and the import's
// own version, so that a changed source (or a changed import) is imported again and an
// unchanged one never is.
//
//   <folder>/<16 hex digits of the path>-<16 hex digits of size, time and version>.db

#include <QString>

class ImportCache {
public:
    /// Copies are kept in `folder`, created when the first copy is written.
    explicit ImportCache(const QString& folder);
    /// The user's cache folder for copies: jet/ in QStandardPaths::CacheLocation.
    static QString defaultFolder();

    /// The copy's path for the source as it is now (whether that copy exists or not).
    QString copyPath(const QString& source) const;
    /// That path when the copy is there; empty when the source has to be imported.
    QString currentCopy(const QString& source) const;
    /// Removes this source's copies of its earlier states, and partial files of any source that
    /// were left behind more than a day ago (an import that was killed with its program).
    void removeStale(const QString& source) const;

    QString folder() const { return m_folder; }

private:
    QString m_folder;
};
