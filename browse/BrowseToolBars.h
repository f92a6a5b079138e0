#pragma once
// The two tool bars at the top of the browse windows with a type list: the type row (label,
// lookup list, record navigator) and the quick-find row ("Quick Find", search field, "clear").

#include "browse/FindBar.h"
#include "browse/UiFont.h"

#include <QFont>
#include <QPointer>
#include <QString>

#include <memory>

class Dataset;
class DbLookupComboBox;
class DbNavigator;
class QToolBar;
class QWidget;

struct TypeBarOptions {
    QString label;                      ///< caption before the type list, e.g. "Armor type"
    int labelWidth = 0;                 ///< least label width; 0 sizes it to its text
    int listWidth = 145;                ///< width of the type list
    QFont listFont = uiFont(kTahoma, 13); ///< font of the type list
    bool dropDownRightAligned = false;  ///< drop-down right edge on the box's right edge
    FindBarOptions findBar;             ///< the quick-find row below
};

class BrowseToolBars {
public:
    /// Creates ToolBar1 and ToolBar2 as children of parent (which owns them); the caller adds
    /// them to its layout and binds the list and navigator once its datasets exist.
    BrowseToolBars(const TypeBarOptions& options, QWidget* parent);
    ~BrowseToolBars();

    /// Binds the bars to the window's main list (neither dataset owned; both open; the bars do
    /// nothing once they are gone): the navigator steps through list; picking a type in the
    /// list of types' typeField filters list with typePrefix (DBLookupComboBox1Click); the
    /// quick-find row searches keyField (Edit1Change, Button1Click).
    void bindList(Dataset& list, Dataset& types, const QString& typeField, const QString& typePrefix,
                  const QString& keyField);

    /// Shows every type again, as when the window opened: switches the list's type filter off
    /// and blanks the type list. Returns whether a filter was on.
    bool showAllTypes();

    QToolBar* typeBar() const;           ///< ToolBar1
    QToolBar* findBar() const;           ///< ToolBar2

private:
    ToolRow m_typeRow;
    DbLookupComboBox* m_typeList;
    DbNavigator* m_navigator;
    QPointer<Dataset> m_list;
    std::unique_ptr<FindBar> m_find;  // made after the type row: the focus chain follows the bars
};
