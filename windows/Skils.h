#pragma once
// The skills window: four cascading selectors walk the class tree (race, class, first and second
// profession); the grid lists what the node picked last learns, narrowed to one learning level
// when "Apply filter" is ticked.

#include <QString>
#include <QWidget>

class Dataset;
class DbGrid;
class DbLookupComboBox;
class NavigationHost;
class QCheckBox;
class TDBModule;
class WrapBar;

class TSkilsForm : public QWidget {
    Q_OBJECT
public:
    /// Builds the window over db's connection and opens ADORace; the other queries stay closed
    /// until a pick opens them. Throws DbError when ADORace cannot be opened. The host is not
    /// used: this window neither raises nor reads a request. exeFolder (with its separator)
    /// locates the icon pictures; empty means the running executable's folder.
    TSkilsForm(NavigationHost& host, TDBModule& db, QWidget* parent = nullptr, const QString& exeFolder = QString());

private:
    void buildSelectorBar();
    void buildLevelBar();
    void buildGrid(const QString& exeFolder);
    void createQueries(TDBModule& db);
    void connectHandlers();
    void declarePlace(TDBModule& db);

    // Handlers.
    void RaceClick();
    void ClasClick();
    void FirstProfClick();
    void SecondProfClick();
    void showNode(const Dataset& nodes);
    void LoadSkills(const QString& classId);
    void LoadLevels(const QString& classId);
    void CheckBox1Click();
    void LvlFilterClick();

    Dataset* m_races = nullptr;        // ADORace
    Dataset* m_classes = nullptr;      // ADOClas
    Dataset* m_firstProfs = nullptr;   // ADOFirstProf
    Dataset* m_secondProfs = nullptr;  // ADOSecondProf
    Dataset* m_skills = nullptr;       // ADOSkils
    Dataset* m_levels = nullptr;       // ADOLvl

    WrapBar* m_selectorBar = nullptr;        // ToolBar1
    DbLookupComboBox* m_race = nullptr;      // Race
    DbLookupComboBox* m_clas = nullptr;      // Clas
    DbLookupComboBox* m_firstProf = nullptr; // FirstProf
    DbLookupComboBox* m_secondProf = nullptr;  // SecondProf
    WrapBar* m_levelBar = nullptr;           // elf
    DbLookupComboBox* m_lvlFilter = nullptr; // LvlFilter
    QCheckBox* m_applyFilter = nullptr;      // CheckBox1
    DbGrid* m_grid = nullptr;                // DBGrid1
    QString m_shownNode;                     // the id of the node whose skills the grid shows
};
