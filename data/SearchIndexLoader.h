#pragma once
// Builds the search index on a thread of its own, so that no window waits for it, and keeps it
// while it is current: a write through the program's connection (Connection::noteWrite) makes it
// stale, and the next use reads it again. The thread touches only its own read-only connection
// and plain data; the index is handed over when the thread has ended.

#include "data/SearchSource.h"

#include <QObject>

#include <memory>

class Connection;
class QThread;

class SearchIndexLoader : public QObject {
    Q_OBJECT
public:
    explicit SearchIndexLoader(QVector<SearchList> lists, QObject* parent = nullptr);
    /// Stops a read still running and waits for its thread to end.
    ~SearchIndexLoader() override;

    /// The index when it was read from the connection's file since the connection's last write;
    /// otherwise null, and a read starts unless one runs (a read that failed on the same file and
    /// write count is not tried again).
    std::shared_ptr<const SearchIndex> current(Connection& connection);
    /// Starts a read when the index is not current, as current() does.
    void load(Connection& connection) { current(connection); }
    bool loading() const { return m_thread != nullptr; }
    /// Why the last read failed; empty after one that did not.
    QString failure() const { return m_failure; }
    /// Milliseconds the last read that ended took, reading and indexing.
    qint64 lastReadMs() const { return m_lastReadMs; }

signals:
    /// A read ended, with an index or with a failure.
    void finished();

private:
    struct Job;
    struct Source {
        QString file;
        quint64 writeCount = 0;
        bool operator==(const Source& o) const { return file == o.file && writeCount == o.writeCount; }
    };
    static Source sourceOf(Connection& connection);
    void start(const Source& source);
    void take();

    QVector<SearchList> m_lists;
    std::shared_ptr<const SearchIndex> m_index;
    Source m_indexSource;
    Source m_failedSource;
    QString m_failure;
    qint64 m_lastReadMs = 0;
    QThread* m_thread = nullptr;
    std::shared_ptr<Job> m_job;
};
