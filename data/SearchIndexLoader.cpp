#include "data/SearchIndexLoader.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/ReadConnection.h"

#include <QElapsedTimer>
#include <QThread>

struct SearchIndexLoader::Job {
    Source source;
    QVector<SearchList> lists;
    ReadStop stop;
    // Written by the thread, read once it has ended.
    std::shared_ptr<const SearchIndex> index;
    QString failure;
    qint64 ms = 0;

    void run()
    {
        QElapsedTimer clock;
        clock.start();
        try {
            std::vector<SearchItem> items = readSearchItems(source.file, lists, &stop);
            if (!stop.stopped())
                index = std::make_shared<const SearchIndex>(items);
        } catch (const DbError& e) {
            failure = e.message();
        } catch (const std::exception& e) {
            failure = QString::fromUtf8(e.what());
        }
        ms = clock.elapsed();
    }
};

SearchIndexLoader::SearchIndexLoader(QVector<SearchList> lists, QObject* parent)
    : QObject(parent), m_lists(std::move(lists))
{
}

SearchIndexLoader::~SearchIndexLoader()
{
    if (!m_thread)
        return;
    m_job->stop.stop();
    m_thread->wait();
    delete m_thread;
}

SearchIndexLoader::Source SearchIndexLoader::sourceOf(Connection& connection)
{
    return {Connection::dataSourceOf(connection.connectionString()), connection.writeCount()};
}

std::shared_ptr<const SearchIndex> SearchIndexLoader::current(Connection& connection)
{
    const Source source = sourceOf(connection);
    if (m_index && m_indexSource == source)
        return m_index;
    if (!m_thread && !(!m_failure.isEmpty() && m_failedSource == source))
        start(source);
    return nullptr;
}

void SearchIndexLoader::start(const Source& source)
{
    m_job = std::make_shared<Job>();
    m_job->source = source;
    m_job->lists = m_lists;
    m_thread = QThread::create([job = m_job] { job->run(); });
    m_thread->setObjectName(QStringLiteral("SearchIndex"));
    connect(m_thread, &QThread::finished, this, &SearchIndexLoader::take);
    // The window's own work comes first on a busy machine.
    m_thread->start(QThread::LowPriority);
}

void SearchIndexLoader::take()
{
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    std::shared_ptr<Job> job = std::move(m_job);
    m_lastReadMs = job->ms;
    m_failure = job->failure;
    if (job->index) {
        m_index = job->index;
        m_indexSource = job->source;
    } else if (!m_failure.isEmpty()) {
        m_index.reset();
        m_failedSource = job->source;
    }
    emit finished();
}
