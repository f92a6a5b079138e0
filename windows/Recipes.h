#pragma once
// The recipes window: the recipes by the name of the item they make, with their success rate;
// the selected recipe's values and its ingredients; the selected ingredient's drop and spoil
// sources, from which a double-click opens the monster. After the designed page, the selected
// recipe's crafting tree with its totals, and the recipes that use the selected ingredient.

#include <QString>
#include <QWidget>

class Connection;
class CraftingTreePage;
class Dataset;
class DbGrid;
class DropsSpoilsPage;
class HeaderStrip;
class NavigationHost;
class QTabWidget;
class QToolBar;
class TDBModule;
class UsedInPage;
class ValueStrip;

class TRecipesForm : public QWidget {
    Q_OBJECT
public:
    /// Builds the window over db's connection and opens its four queries. Throws DbError when
    /// one cannot be opened. exeFolder (with its separator) locates the icon pictures; empty
    /// means the running executable's folder.
    TRecipesForm(NavigationHost& host, TDBModule& db, QWidget* parent = nullptr, const QString& exeFolder = QString());

private:
    void createQueries(TDBModule& db);
    void buildToolBars();
    void buildBody(NavigationHost& host, Connection& connection, const QString& exeFolder);
    QWidget* buildIngredientsPage(NavigationHost& host, const QString& exeFolder);
    void openQueries();

    // Handlers.
    void FormCreate();
    void RecipeQueryAfterScroll();
    void RecipeDetailsAfterScroll();

    Dataset* m_recipes = nullptr;      // RecipeQuery
    Dataset* m_ingredients = nullptr;  // RecipeDetails
    Dataset* m_drops = nullptr;        // AlternativeDrops
    Dataset* m_spoils = nullptr;       // AlternativeSpoil

    QToolBar* m_findBar = nullptr;           // ToolBar2
    ValueStrip* m_values = nullptr;          // ToolBar1
    DbGrid* m_recipeGrid = nullptr;          // DBGrid1
    QTabWidget* m_pages = nullptr;           // PageControl1
    HeaderStrip* m_ingredientStrip = nullptr;  // HeaderControl1
    DbGrid* m_ingredientGrid = nullptr;      // DBGrid2
    DropsSpoilsPage* m_sources = nullptr;    // DBGrid3 under HeaderControl4, DBGrid6 under HeaderControl5
    CraftingTreePage* m_tree = nullptr;
    UsedInPage* m_usedIn = nullptr;          // UsedInQuery under its strip
};
