#pragma once
// The "Ingredients" page of the item windows: the recipe header values across the top, the
// ingredient grid (fixed 440 px) on the left, and on the right the selected material's drop
// and spoil sources under their captions and header strips, with a draggable divider.

#include <QWidget>

class DbGrid;
class HeaderStrip;
class ItemDetailPanes;

struct IngredientsPageOptions {
    bool rowSelect = false;             ///< whole-row selection in the ingredient grid
    bool resizableColumns = true;       ///< column edges of the ingredient grid can be dragged
    bool quantityTitleCentred = false;  ///< "Quantity" heading centred like the others
    int spoilChanceWidth = 60;          ///< "Chance" width in the spoil pane
    QString exeFolder;                  ///< icon pictures' executable folder; empty: the real one
};

class IngredientsPage : public QWidget {
    Q_OBJECT
public:
    /// Builds the page over the panes' datasets (not owned). The recipe header is ToolBar3; its
    /// values are named after their fields.
    IngredientsPage(ItemDetailPanes& panes, const IngredientsPageOptions& options, QWidget* parent = nullptr);

    DbGrid* ingredientGrid() const;   ///< DBGrid2
    DbGrid* dropGrid() const;         ///< DBGrid3
    DbGrid* spoilGrid() const;        ///< DBGrid4 (misc items: DBGrid6)
    HeaderStrip* dropStrip() const;   ///< HeaderControl3
    HeaderStrip* spoilStrip() const;  ///< HeaderControl4

    /// Fills the two source strips from their grids (FormCreate); each then sorts its grid.
    void fillStrips();

private:
    DbGrid* m_ingredientGrid;
    DbGrid* m_dropGrid;
    DbGrid* m_spoilGrid;
    HeaderStrip* m_dropStrip;
    HeaderStrip* m_spoilStrip;
};
