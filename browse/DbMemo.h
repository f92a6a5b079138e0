#pragma once
// A read-only memo showing one text field of a dataset's current row, with a vertical scroll bar.

#include "browse/FieldLink.h"

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

    FieldLink m_link{this, [this] { refresh(); }};
};
