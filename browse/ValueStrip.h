#pragma once
// A tool bar of read-only values: each caption is followed by one field of a dataset's current
// row, red and sized to its text.

#include <QFont>
#include <QToolBar>

class Dataset;
class DbLabel;

class ValueStrip : public QToolBar {
    Q_OBJECT
public:
    /// A fixed-height, immovable bar; captions and values use these fonts.
    ValueStrip(int height, const QFont& captionFont, const QFont& valueFont, QWidget* parent = nullptr);

    /// Appends a separator, the caption and a value label bound to field of dataset (not owned);
    /// the label is named after the field and owned by the strip.
    DbLabel* addValue(const QString& caption, Dataset& dataset, const QString& field);

private:
    QFont m_captionFont;
    QFont m_valueFont;
};
