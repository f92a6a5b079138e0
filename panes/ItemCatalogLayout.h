#pragma once
// The layout every item catalogue window shares: the type and quick-find tool bars over a tab
// control with the item list, the item's monster sources ("Drop Info"; with spoils beside the
// drops "Drop/Spoil Info") and the "Ingredients" page. A window gives its values; the layout
// builds, names and binds the components, and the window connects its own handlers to them.

#include "browse/BrowseToolBars.h"
#include "browse/GridColumn.h"
#include "browse/UiFont.h"
#include "panes/IngredientsPage.h"

#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>
#include <QVector>

#include <memory>

class Dataset;
class DbGrid;
class HeaderStrip;
class ItemDetailPanes;
class QTabWidget;
class StripGridPage;

struct ItemCatalogOptions {
    ItemCatalogOptions() = default;
    /// The values every window gives; exeFolder locates the icon pictures (empty: the running
    /// executable's folder).
    ItemCatalogOptions(const QString& caption, QSize designSize, const QString& typeLabel, const QString& exeFolder)
        : caption(caption), designSize(designSize)
    {
        typeBar.label = typeLabel;
        ingredients.exeFolder = exeFolder;
    }

    QString caption;                  ///< window caption
    QSize designSize;                 ///< size before the frame maximises the window
    TypeBarOptions typeBar;
    QString listTab = QStringLiteral("Items");  ///< caption of the first page
    QVector<GridColumn> listColumns;  ///< the list grid's columns; column 0 is the icon
    QFont listBaseFont = uiFont(kTahoma, 27);  ///< sets the list's row height
    QString listHint = QStringLiteral("Dbl-click to view drop info");
    bool listStrip = true;            ///< false: the list shows its own title row and never sorts
    QFont listTitleFont;              ///< title row of a list without strip
    QFont listStripFont = uiFont(kTahoma, 13, true);
    QColor listStripColor = Qt::black;
    QFont sourceStripFont = uiFont(kTahoma, 13, true);  ///< strips of the item source page
    IngredientsPageOptions ingredients;
};

class ItemCatalogLayout {
public:
    /// Builds the components as children of form (which owns them) and binds the grids to list
    /// and to the panes' datasets (not owned). With panes that list item spoils the source page
    /// is "Drop/Spoil Info" with a 145-pixel "Drops" panel over a "Spoils" panel.
    ItemCatalogLayout(const ItemCatalogOptions& options, Dataset& list, ItemDetailPanes& panes, QWidget& form);
    ~ItemCatalogLayout();

    /// The strips' filling of FormCreate: the list strip (icon heading ignored), the item
    /// source strips, then the ingredient source strips.
    void fillStrips();
    /// Shows the source page (the list's double-click).
    void showSources();
    /// Adds a page after the designed ones.
    void addPage(QWidget* page, const QString& title);

    BrowseToolBars& bars() const;
    DbGrid* listGrid() const;             ///< DBGrid1
    HeaderStrip* listStrip() const;       ///< HeaderControl1 over the list; null without one
    StripGridPage* dropPage() const;      ///< DBGrid5 under its strip
    StripGridPage* spoilPage() const;     ///< DBGrid4 of the misc items window; null otherwise
    IngredientsPage* ingredients() const; ///< TabSheet3

private:
    QWidget* buildSourcePage(const ItemCatalogOptions& options, ItemDetailPanes& panes);

    std::unique_ptr<BrowseToolBars> m_bars;
    QTabWidget* m_pages;
    DbGrid* m_listGrid = nullptr;
    HeaderStrip* m_listStrip = nullptr;
    StripGridPage* m_dropPage = nullptr;
    StripGridPage* m_spoilPage = nullptr;
    IngredientsPage* m_ingredients = nullptr;
};
