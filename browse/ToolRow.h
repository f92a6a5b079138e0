#pragma once
// A tool bar of a browse window, declared left to right: named as the design names it, of a
// fixed height, never movable. Windows declare their bars with it instead of building them.

#include <QString>
#include <QToolBar>

class Dataset;
class DbLabel;
class QFont;
class QLabel;

/// Font of the tool bars' captions: Tahoma 13 bold.
QFont toolCaptionFont();

class ToolRow {
public:
    /// Creates the bar as a child of parent, which owns it and lays it out.
    ToolRow(const QString& name, int height, QWidget* parent);

    QToolBar* bar() const;

    /// Blank space: the design's leading separator.
    void gap(int width);
    void separator();
    /// A caption in the tool bars' caption font.
    QLabel* caption(const QString& text);
    QLabel* caption(const QString& text, const QFont& font);
    /// A red value label following field of the dataset's current row (not owned).
    DbLabel* value(Dataset& dataset, const QString& field);
    /// Adds a control made as a child of bar().
    template <typename Control> Control* add(Control* control)
    {
        addWidget(control);
        return control;
    }

private:
    void addWidget(QWidget* control);

    QToolBar* m_bar;
};
