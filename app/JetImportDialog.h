#pragma once
// The dialog shown while a Jet file is imported: which table, how many rows of how many, a bar
// over all of them, and Cancel. The import runs in a process of its own (ImportProcess); Cancel,
// Escape and the close button end it and leave nothing behind.

#include <QDialog>
#include <QString>

class ImportProcess;
class QLabel;
class QProgressBar;
class QPushButton;

class JetImportDialog : public QDialog {
    Q_OBJECT
public:
    /// Imports `source` into `target` with `program` (this program's executable) once shown
    /// through exec(), which returns Accepted when the copy is complete.
    JetImportDialog(const QString& program, const QString& source, const QString& target, QWidget* parent = nullptr);

    int exec() override;
    ImportProcess& process() { return *m_process; }

public slots:
    /// Ends the import; the dialog closes once the import process has ended.
    void reject() override;

private:
    void started(int tables, qint64 rows);
    void tableStarted(int index, const QString& table, qint64 rows);
    void rowsProgressed(qint64 rows);
    void finished(bool complete);
    void showRows();

    QString m_source;
    QString m_target;
    ImportProcess* m_process;
    QLabel* m_table;
    QLabel* m_rows;
    QProgressBar* m_bar;
    QPushButton* m_cancel;
    int m_tables = 0;
    qint64 m_totalRows = 0;
    qint64 m_rowsBefore = 0; // rows of the tables already copied
    qint64 m_tableRows = 0;  // the current table's expected rows
    qint64 m_copied = 0;     // rows of the current table copied so far
};
