#include "app/ImportProcess.h"

#include "browse/HandlerGuard.h"
#include "import/CopyWriter.h"
#include "import/JetSource.h"
#include "import/ProgressLine.h"

#include <QFile>

namespace {

// Every table begins with a line and rows follow several times a second: a minute of silence
// is a reader caught in a loop.
constexpr int kDefaultStallMs = 60000;

} // namespace

ImportProcess::ImportProcess(const QString& program, QObject* parent) : QObject(parent), m_program(program)
{
    m_stall.setSingleShot(true);
    m_stall.setInterval(kDefaultStallMs);
    // libmdb's own warnings go to the process's error output; the lines on its standard output
    // say what happened.
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.setStandardErrorFile(QProcess::nullDevice());
    connect(&m_process, &QProcess::readyReadStandardOutput, this, guardedSlot([this] { readLines(); }));
    connect(&m_process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this,
            guardedSlot([this](int code, QProcess::ExitStatus status) { ended(code, status); }));
    connect(&m_process, &QProcess::errorOccurred, this,
            guardedSlot([this](QProcess::ProcessError error) { failedToStart(error); }));
    connect(&m_stall, &QTimer::timeout, this, guardedSlot([this] { stalled(); }));
}

ImportProcess::~ImportProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.blockSignals(true);
        m_process.kill();
        m_process.waitForFinished(5000);
        removePartial();
    }
}

void ImportProcess::setStallLimit(int milliseconds)
{
    m_stall.setInterval(milliseconds);
}

void ImportProcess::start(const QString& source, const QString& target)
{
    m_source = source;
    m_target = target;
    m_failure.clear();
    m_missing.clear();
    m_tables = 0;
    m_rows = 0;
    m_done = m_cancelled = m_finished = m_complete = false;
    m_process.start(m_program, {QStringLiteral("--import-jet"), source, target});
    if (m_process.waitForStarted(10000))
        m_pid = m_process.processId();
    m_stall.start();
}

bool ImportProcess::isRunning() const
{
    return m_process.state() != QProcess::NotRunning;
}

void ImportProcess::cancel()
{
    if (m_finished)
        return;
    m_cancelled = true;
    m_process.kill();
}

void ImportProcess::readLines()
{
    while (m_process.canReadLine()) {
        m_stall.start();
        const ProgressEvent e = parseProgressLine(m_process.readLine());
        switch (e.kind) {
        case ProgressEvent::Started:
            emit started(e.tables, e.rows);
            break;
        case ProgressEvent::Table:
            m_currentTable = e.text;
            emit tableStarted(e.index, e.text, e.rows);
            break;
        case ProgressEvent::Rows:
            emit rowsProgressed(e.rows);
            break;
        case ProgressEvent::Missing:
            m_missing << e.text;
            break;
        case ProgressEvent::Done:
            m_done = true;
            m_tables = e.tables;
            m_rows = e.rows;
            break;
        case ProgressEvent::Failed:
            m_failure = e.text;
            break;
        case ProgressEvent::Unknown:
            break;
        }
    }
}

void ImportProcess::ended(int exitCode, QProcess::ExitStatus status)
{
    readLines();
    if (m_cancelled) {
        finish(false);
        return;
    }
    if (status == QProcess::NormalExit && exitCode == 0 && m_done && QFile::exists(m_target)) {
        finish(true);
        return;
    }
    if (m_failure.isEmpty()) {
        const QString where = m_currentTable.isEmpty() ? QStringLiteral("while opening it")
                                                       : QStringLiteral("at table %1").arg(m_currentTable);
        m_failure = status == QProcess::CrashExit
                        ? jetDamaged(m_source, QStringLiteral("the Jet reader stopped %1").arg(where))
                        : QStringLiteral("Reading %1 ended without its copy (exit code %2)").arg(m_source).arg(exitCode);
    }
    finish(false);
}

void ImportProcess::failedToStart(QProcess::ProcessError error)
{
    if (error != QProcess::FailedToStart)
        return; // a crash or a kill ends in ended()
    m_failure = QStringLiteral("Cannot read %1: the program %2 cannot be started to import it (%3)")
                    .arg(m_source, m_program, m_process.errorString());
    finish(false);
}

void ImportProcess::stalled()
{
    if (m_finished || m_process.state() == QProcess::NotRunning)
        return;
    const QString where = m_currentTable.isEmpty() ? QStringLiteral("while opening it")
                                                   : QStringLiteral("at table %1").arg(m_currentTable);
    m_failure = jetDamaged(m_source, QStringLiteral("the Jet reader stopped responding %1").arg(where));
    m_process.kill();
}

void ImportProcess::finish(bool complete)
{
    if (m_finished)
        return;
    m_finished = true;
    m_complete = complete;
    m_stall.stop();
    if (!complete)
        removePartial();
    emit finished(complete);
}

void ImportProcess::removePartial()
{
    if (m_pid > 0)
        QFile::remove(partialCopyPath(m_target, m_pid));
}
