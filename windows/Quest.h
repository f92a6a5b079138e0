#pragma once
// The quests window: the quests by name, and for the selected one its description, its detail
// text and a strip of facts (level, race, class, repeatable, start location, rewards). The
// detail and fact sets follow the selected quest through their master links.

#include <QWidget>

class Dataset;
class DbGrid;
class DbMemo;
class NavigationHost;
class QSplitter;
class QToolBar;
class TDBModule;
class ValueStrip;

class TQuestForm : public QWidget {
    Q_OBJECT
public:
    /// Builds the window and opens Quest, QuestDetails and QuestInfo over db's connection, in
    /// that order. Throws DbError when one cannot be opened. The host is not used: this window
    /// neither raises nor reads a request.
    TQuestForm(NavigationHost& host, TDBModule& db, QWidget* parent = nullptr);

private:
    void buildBody();
    void createQueries(TDBModule& db);

    Dataset* m_quests = nullptr;   // Quest
    Dataset* m_details = nullptr;  // QuestDetails
    Dataset* m_facts = nullptr;    // QuestInfo

    QToolBar* m_findBar = nullptr;    // ToolBar2
    ValueStrip* m_factStrip = nullptr;  // ToolBar3
    DbGrid* m_questGrid = nullptr;    // DBGrid1
    QSplitter* m_memoSplitter = nullptr;  // Splitter1
    DbMemo* m_description = nullptr;  // DBMemo1
    DbMemo* m_detailText = nullptr;   // DBMemo2
};
