#pragma once
// The monsters window: the monster list by level band with a quick find and the selected
// monster's values; its drops and spoils with the search for other sources of an item; and the
// world map with its spawn points. Components carry their design names as object names.

#include <QWidget>

class Dataset;
class DbGrid;
class DropsSpoilsPage;
class MapView;
class NavigationHost;
class QMenu;
class QTabWidget;
class QToolButton;
class TDBModule;
class WindowPlace;

class TMonstersForm : public QWidget {
    Q_OBJECT
public:
    /// Opens every query of the window over db's connection, then consumes the host's monster
    /// request. Throws DbError when a query cannot be opened.
    TMonstersForm(NavigationHost& host, TDBModule& db, QWidget* parent = nullptr);

private:
    void buildToolBars();
    void buildBody();
    void declareSourceGrids();
    void openQueries();
    void findAlternative(Dataset& source, Dataset& target);
    /// Shows the band whose statement the list runs as pressed, and no other.
    void showCurrentBand();

    // Handlers.
    void FormCreate();
    void BandButtonClick(int band);
    void MonsterQueryAfterScroll();
    void FindLaternative1Click();
    void FindAlternativeSpoil2Click();
    void ViewItemDetail1Click();
    void FindAlternativeSpoil1Click();
    void FindAlternativeDrop1Click();
    void ViewItemDetail2Click();
    void AlternativeCellClick(Dataset& sources);
    void AlternativeDblClick();

    NavigationHost& m_host;

    Dataset* m_monsterQuery;   // MonsterQuery
    Dataset* m_drops;          // QueryDrops
    Dataset* m_spoils;         // QuerySweep
    Dataset* m_altDrops;       // AlternativeDrops
    Dataset* m_altSpoils;      // AlternativeSpoil
    Dataset* m_spawnPoints;    // MobLoc

    QList<QToolButton*> m_bandButtons;      // Button2 ... Button9
    QTabWidget* m_pages = nullptr;          // PageControl1
    DropsSpoilsPage* m_ownPage = nullptr;   // TabSheet1: DBGrid2, DBGrid3
    DropsSpoilsPage* m_altPage = nullptr;   // TabSheet2: DBGrid5, DBGrid4
    MapView* m_map = nullptr;               // PaintBox1
    WindowPlace* m_place = nullptr;
};
