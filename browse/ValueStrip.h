#pragma once
// A strip of read-only values: each caption is followed by one field of a dataset's current row,
// red and sized to its text. A caption and its value stay together; pairs wrap onto further
// rows when the window is narrow.

#include "browse/WrapBar.h"

#include <QFont>

class Dataset;
class DbLabel;

class ValueStrip : public WrapBar {
    Q_OBJECT
public:
    /// A strip at least rowHeight high; captions and values use these fonts.
    ValueStrip(int rowHeight, const QFont& captionFont, const QFont& valueFont, QWidget* parent = nullptr);

    /// Appends the caption and a value label bound to field of dataset (not owned); the label is
    /// named after the field and owned by the strip.
    DbLabel* addValue(const QString& caption, Dataset& dataset, const QString& field);

private:
    QFont m_captionFont;
    QFont m_valueFont;
};
