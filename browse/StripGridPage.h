#pragma once
// A grid under its header strip, optionally under a caption: the list and source pages of the
// item windows ("Items", "Drop Info", the "Drops" and "Spoils" panels of the misc items window).

#include "browse/HeaderStrip.h"

#include <QWidget>

class DbGrid;
class QLabel;

/// The blue Tahoma 13 bold caption above a pane's strip.
QLabel* paneCaption(const QString& text, QWidget* parent);

class StripGridPage : public QWidget {
    Q_OBJECT
public:
    /// Caption in blue Tahoma 13 bold above the strip; an empty caption shows none. The grid
    /// takes the remaining height; the strip sorts it (first: whether its icon heading sorts).
    explicit StripGridPage(const QString& caption = QString(),
                           HeaderStrip::FirstSection first = HeaderStrip::FirstSectionSorts, QWidget* parent = nullptr);

    HeaderStrip* strip() const;
    DbGrid* grid() const;
    /// The caption above the strip; null when the page has none.
    QLabel* caption() const;

private:
    QLabel* m_caption = nullptr;
    HeaderStrip* m_strip;
    DbGrid* m_grid;
};
