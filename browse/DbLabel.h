#pragma once
// A label showing one field of a dataset's current row, red and bold, sized to its text.

#include <QLabel>
#include <QPointer>

class Dataset;

class DbLabel : public QLabel {
    Q_OBJECT
public:
    explicit DbLabel(QWidget* parent = nullptr);

    /// Follows this field of the dataset (not owned); empty when the dataset has no current row
    /// or is gone.
    void bind(Dataset& dataset, const QString& field);

private:
    void refresh();

    QPointer<Dataset> m_dataset;
    QString m_field;
    QMetaObject::Connection m_rowsConnection;
    QMetaObject::Connection m_currentConnection;
};
