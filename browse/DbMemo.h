#pragma once
// A read-only memo showing one text field of a dataset's current row, with a vertical scroll bar.

#include <QPlainTextEdit>

class Dataset;

class DbMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit DbMemo(QWidget* parent = nullptr);

    /// Follows this field of the dataset (not owned); empty while the dataset has no current row.
    /// The text can be selected and copied, never changed.
    void bind(Dataset& dataset, const QString& field);
    QString field() const;

private:
    void refresh();

    Dataset* m_dataset = nullptr;
    QString m_field;
    QMetaObject::Connection m_rowsConnection;
    QMetaObject::Connection m_currentConnection;
};
