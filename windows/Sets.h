#pragma once
// The armor sets window: the sets with their bonus, narrowed by set type and searched by name,
// and under them the pieces of the selected set with their icons and statistics.

#include "browse/BrowseToolBars.h"

#include <QWidget>

#include <memory>

class Dataset;
class DbGrid;
class NavigationHost;
class TDBModule;

class TSetsForm : public QWidget {
    Q_OBJECT
public:
    /// Builds the window and opens SetsName, SetsDetails and QueryType over db's connection, in
    /// that order. Throws DbError when one cannot be opened. The host is not used: this window
    /// neither raises nor reads a request. exeFolder (with its separator) locates the icon
    /// pictures; empty means the running executable's folder.
    TSetsForm(NavigationHost& host, TDBModule& db, QWidget* parent = nullptr, const QString& exeFolder = QString());

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildGrids(const QString& exeFolder);

    // Handlers.
    void SetsNameAfterScroll();
    void DBGrid3Enter();

    Dataset* m_sets;      // SetsName
    Dataset* m_details;   // SetsDetails
    Dataset* m_types;     // QueryType
    std::unique_ptr<BrowseToolBars> m_bars;  // ToolBar1, ToolBar2
    DbGrid* m_setGrid = nullptr;    // DBGrid3
    DbGrid* m_pieceGrid = nullptr;  // DBGrid1
};
