#pragma once
// The DB-list maintenance window: editable grids with navigators over the item names and
// records, the weapon list, the armor sets and their pieces, the monster names, records and
// drops. Every post or delete is written to the file at once; other open windows keep what they
// fetched until they are opened again.

#include <QVector>
#include <QWidget>

class Dataset;
class DbLookupPicker;
class EditGrid;
class NavigationHost;
class QTabWidget;
class TDBModule;

class TDbMaintainForm : public QWidget {
    Q_OBJECT
public:
    /// Builds the window and opens its datasets over db's connection (the data module's
    /// WeaponList is already open and shared by every maintenance window). Throws DbError when
    /// one cannot be opened. The host is not used: the window raises no request.
    TDbMaintainForm(NavigationHost& host, TDBModule& db, QWidget* parent = nullptr);

    /// The datasets whose changed row closing would lose: this window's own and WeaponList.
    QVector<Dataset*> editedDatasets() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* itemsPage();
    QWidget* browseListPage();
    QWidget* setsPage();
    QWidget* monstersPage();

    // Handlers.
    void ADOMonstersNameAfterScroll();
    void ADOItemsNameAfterOpen();
    void Edit1Change(const QString& text);
    void Edit2Change(const QString& text);
    void Edit3Change(const QString& text);
    bool FormCloseQuery();

    TDBModule& m_db;
    Dataset* m_itemNames;    // ADOItemsName
    Dataset* m_items;        // ADOItemsDetail
    Dataset* m_sets;         // SetsName
    Dataset* m_setPieces;    // SetsDetails
    Dataset* m_monsterNames; // ADOMonstersName
    Dataset* m_monsters;     // ADOMonsters
    Dataset* m_drops;        // QueryDrops
    Dataset* m_itemPick;     // ADOItems
    Dataset* m_armorPick;    // QueryArmor
    Dataset* m_weaponPick;   // QueryWeapons
    Dataset* m_itemKinds;    // ItemKinds
    QTabWidget* m_pages = nullptr; // PageControl1
};
