#pragma once
// The monsters window: the monster list by level band with a quick find and the selected
// monster's values; its drops and spoils with the search for other sources of an item; and the
// world map with its spawn points. Components carry their design names as object names.

#include <QWidget>

class Dataset;
class DbGrid;
class HeaderStrip;
class MapView;
class MonstersSourcesPage;
class NavigationHost;
class QLineEdit;
class QMenu;
class QTabWidget;
class QToolBar;
class TDBModule;

class TMonstersForm : public QWidget {
    Q_OBJECT
public:
    /// Opens every query of the window over db's connection, then consumes the host's monster
    /// request. Throws DbError when a query cannot be opened.
    TMonstersForm(NavigationHost& host, TDBModule& db, QWidget* parent = nullptr);

private:
    void buildToolBars();
    void buildBody();
    void declareGrids();
    void connectHandlers();
    void openQueries();
    void reloadBand(int band);
    void findAlternative(Dataset& source, Dataset& target);
    void jumpToMonster(Dataset& sources);

    // Handlers.
    void FormCreate();
    void Button2Click();
    void Button4Click();
    void Button3Click();
    void Button5Click();
    void Button7Click();
    void Button6Click();
    void Button8Click();
    void Button9Click();
    void Edit1Change();
    void Button1Click();
    void MonsterQueryAfterScroll();
    void FindLaternative1Click();
    void FindAlternativeSpoil2Click();
    void ViewItemDetail1Click();
    void FindAlternativeSpoil1Click();
    void FindAlternativeDrop1Click();
    void ViewItemDetail2Click();
    void DBGrid5CellClick();
    void DBGrid4CellClick();
    void DBGrid5DblClick();
    void DBGrid4DblClick();

    NavigationHost& m_host;

    Dataset* m_monsterQuery;   // MonsterQuery
    Dataset* m_drops;          // QueryDrops
    Dataset* m_spoils;         // QuerySweep
    Dataset* m_altDrops;       // AlternativeDrops
    Dataset* m_altSpoils;      // AlternativeSpoil
    Dataset* m_spawnPoints;    // MobLoc

    QToolBar* m_findBar = nullptr;  // ToolBar2
    QLineEdit* m_search = nullptr;  // Edit1
    QToolBar* m_bandBar = nullptr;  // ToolBar1
    DbGrid* m_monsterGrid = nullptr;  // DBGrid1
    QTabWidget* m_pages = nullptr;  // PageControl1
    MonstersSourcesPage* m_ownPage = nullptr;  // TabSheet1
    MonstersSourcesPage* m_altPage = nullptr;  // TabSheet2
    MapView* m_map = nullptr;  // PaintBox1
    QMenu* m_dropMenu = nullptr;  // PopupMenu1
    QMenu* m_spoilMenu = nullptr;  // PopupMenu2
};
