#pragma once
// What a view of one field of a dataset's current row holds: the dataset (through a guarded
// pointer, so the view may outlive it), the field, and the call that refreshes the view.

#include <QMetaObject>
#include <QPointer>
#include <QString>

#include <functional>

class Dataset;
class QObject;

class FieldLink {
public:
    /// changed runs after every change of the dataset's visible rows or current row; the
    /// connections live no longer than receiver (the view).
    FieldLink(QObject* receiver, std::function<void()> changed);
    FieldLink(const FieldLink&) = delete;
    FieldLink& operator=(const FieldLink&) = delete;

    /// Follows this field of the dataset (not owned) and runs changed once.
    void bind(Dataset& dataset, const QString& field);
    QString field() const;
    /// The field's text on the current row; empty while the dataset is closed, empty or gone.
    QString text() const;

private:
    QObject* m_receiver;
    std::function<void()> m_changed;
    QPointer<Dataset> m_dataset;
    QString m_field;
    QMetaObject::Connection m_rowsConnection;
    QMetaObject::Connection m_currentConnection;
};
