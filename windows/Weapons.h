#pragma once
// The weapons window: every weapon but shields and pet items, narrowed by type, searched by name,
// sortable by its headings, with the monsters that drop the selected weapon and the materials of
// its recipes with their sources. Components carry their design names as object names.

#include <QWidget>

class Dataset;
class DbGrid;
class DbLookupComboBox;
class DbNavigator;
class HeaderStrip;
class IngredientsPage;
class ItemDetailPanes;
class NavigationHost;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolBar;
class TDBModule;

class TWeaponForm : public QWidget {
    Q_OBJECT
public:
    /// Builds the window, opens its seven queries over db's connection in their declared order,
    /// then runs FormCreate (the host's item request, the header strips). Throws DbError when a
    /// query cannot be opened. exeFolder (with its separator) locates the icon pictures; empty
    /// means the running executable's folder.
    TWeaponForm(NavigationHost& host, TDBModule& db, QWidget* parent = nullptr, const QString& exeFolder = QString());
    ~TWeaponForm() override;

    /// The ten lines of the weapon list's statement, joined by line breaks.
    static QString weaponsSql();
    static QString typeSql();

private:
    void buildToolBars();
    void buildPages(const QString& exeFolder);
    void connectHandlers();
    void openQueries();

    // Handlers.
    void FormCreate();
    void DBLookupComboBox1Click();
    void Edit1Change();
    void Button1Click();
    void DBGrid1DblClick();
    void QueryWeaponsAfterScroll();
    void ReciepeQueryAfterScroll();

    NavigationHost& m_host;

    Dataset* m_weapons;           // QueryWeapons
    Dataset* m_types;             // QueryType
    ItemDetailPanes* m_panes;     // AlternativeDrops, ReciepeQuery, InfoRecipes, AlternativeSpoil, AlternativeDrop1

    QToolBar* m_typeBar = nullptr;           // ToolBar1
    DbLookupComboBox* m_typeList = nullptr;  // DBLookupComboBox1
    DbNavigator* m_navigator = nullptr;      // DBNavigator1
    QToolBar* m_findBar = nullptr;           // ToolBar2
    QLineEdit* m_search = nullptr;           // Edit1
    QPushButton* m_clear = nullptr;          // Button1
    QTabWidget* m_pages = nullptr;           // PageControl1
    HeaderStrip* m_weaponStrip = nullptr;    // HeaderControl1
    DbGrid* m_weaponGrid = nullptr;          // DBGrid1
    HeaderStrip* m_dropStrip = nullptr;      // HeaderControl2
    DbGrid* m_dropGrid = nullptr;            // DBGrid5
    IngredientsPage* m_ingredients = nullptr;  // TabSheet3: DBGrid2, HeaderControl3/DBGrid3, HeaderControl4/DBGrid4
};
