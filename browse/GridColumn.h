#pragma once
// One declared column of a data grid: which field it shows and how.

#include <QFont>
#include <QString>
#include <Qt>

#include <optional>

/// Width a column takes when its declaration gives none (the grid's default).
constexpr int kDefaultColumnWidth = 64;

struct GridColumn {
    QString field;                         ///< result-column name, exactly as the dataset names it
    QString title;                         ///< caption; empty means the heading shows the field name
    int width = kDefaultColumnWidth;       ///< pixels
    std::optional<QFont> font;             ///< cell font; unset: the grid's font
    Qt::Alignment alignment = {};          ///< empty: numbers right, everything else left
    std::optional<QFont> titleFont;        ///< heading font; unset: the grid's title font
    Qt::Alignment titleAlignment = Qt::AlignCenter;
    bool exactWidth = false;               ///< the width stays as declared whatever the font

    /// The heading text: the caption, or the field name when there is none.
    QString heading() const { return title.isEmpty() ? field : title; }
};

/// A column declaration in one line: field, caption, width, cell font, cell alignment.
inline GridColumn gridColumn(const QString& field, const QString& title, int width = kDefaultColumnWidth,
                             std::optional<QFont> font = std::nullopt, Qt::Alignment alignment = {})
{
    GridColumn column;
    column.field = field;
    column.title = title;
    column.width = width;
    column.font = std::move(font);
    column.alignment = alignment;
    return column;
}
