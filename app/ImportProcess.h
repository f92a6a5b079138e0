#pragma once
// The import of a Jet file run in a process of its own: the program starts itself as
// `tavrin --import-jet SOURCE TARGET` and follows its progress lines. libmdb was not written for
// hostile files; a file that makes it crash or hang ends that process, not the program, and is
// reported as damaged. A cancel ends the process and removes its partial file.

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>

class ImportProcess : public QObject {
    Q_OBJECT
public:
    /// `program` is this program's executable (tests name the built one).
    explicit ImportProcess(const QString& program, QObject* parent = nullptr);
    /// Ends a process still running and removes its partial file.
    ~ImportProcess() override;

    /// Starts importing `source` into `target` (replaced only once the copy is complete).
    void start(const QString& source, const QString& target);
    /// Ends the import: the process is killed, its partial file removed; finished() follows.
    void cancel();
    bool isRunning() const;
    /// finished() was emitted; complete() tells how it ended.
    bool isFinished() const { return m_finished; }
    bool complete() const { return m_complete; }

    /// After finished(false): why, one message naming the file; empty after a cancel.
    QString failure() const { return m_failure; }
    bool cancelled() const { return m_cancelled; }
    /// After finished(true): what the file lacks (see ImportPlan::missing), and what was copied.
    QStringList missing() const { return m_missing; }
    int tablesCopied() const { return m_tables; }
    qint64 rowsCopied() const { return m_rows; }

    /// A process that writes no line for this long is taken to hang and is ended.
    void setStallLimit(int milliseconds);

signals:
    void started(int tables, qint64 rows);
    void tableStarted(int index, const QString& table, qint64 rows);
    void rowsProgressed(qint64 rows);
    /// The import ended: true when the copy is complete at its target.
    void finished(bool complete);

private:
    void readLines();
    void ended(int exitCode, QProcess::ExitStatus status);
    void failedToStart(QProcess::ProcessError error);
    void stalled();
    void finish(bool complete);
    void removePartial();

    QString m_program;
    QString m_source;
    QString m_target;
    QProcess m_process;
    QTimer m_stall;
    qint64 m_pid = 0;
    QString m_currentTable;
    QString m_failure;
    QStringList m_missing;
    int m_tables = 0;
    qint64 m_rows = 0;
    bool m_done = false;
    bool m_cancelled = false;
    bool m_finished = false;
    bool m_complete = false;
};
