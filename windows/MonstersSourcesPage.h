#pragma once
// One page of the monsters window that shows a "Drops" pane above a "Spoils" pane: each pane is
// a blue caption, a header strip and a grid; a 5-pixel divider shares the height between them.

#include <QWidget>

class DbGrid;
class HeaderStrip;
class QSplitter;

class MonstersSourcesPage : public QWidget {
    Q_OBJECT
public:
    /// The grids and strips get these object names (DBGrid2, HeaderControl1, ...).
    struct Names {
        const char* upperGrid;
        const char* upperStrip;
        const char* lowerGrid;
        const char* lowerStrip;
    };

    MonstersSourcesPage(const Names& names, QWidget* parent = nullptr);

    DbGrid* upperGrid() const;
    DbGrid* lowerGrid() const;
    HeaderStrip* upperStrip() const;
    HeaderStrip* lowerStrip() const;
    QSplitter* splitter() const;

private:
    QWidget* pane(const QString& caption, const char* stripName, const char* gridName, HeaderStrip*& strip,
                  DbGrid*& grid);

    DbGrid* m_upperGrid = nullptr;
    DbGrid* m_lowerGrid = nullptr;
    HeaderStrip* m_upperStrip = nullptr;
    HeaderStrip* m_lowerStrip = nullptr;
    QSplitter* m_splitter;
};
