#pragma once
// A label showing one field of a dataset's current row, red and bold, sized to its text.

#include "browse/FieldLink.h"

#include <QLabel>

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

    FieldLink m_link{this, [this] { refresh(); }};
};
