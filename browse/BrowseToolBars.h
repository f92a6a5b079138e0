#pragma once
// The two tool bars at the top of the browse windows with a type list: the type row (label,
// lookup list, record navigator) and the quick-find row ("Quick Find", search field, "clear").

#include "browse/UiFont.h"

#include <QFont>
#include <QString>

class Dataset;
class DbLookupComboBox;
class DbNavigator;
class QLineEdit;
class QPushButton;
class QToolBar;
class QWidget;

struct TypeBarOptions {
    QString label;                      ///< caption before the type list, e.g. "Armor type"
    int labelWidth = 0;                 ///< fixed label width; 0 sizes it to its text
    int listWidth = 145;                ///< width of the type list
    QFont listFont = uiFont(kTahoma, 13); ///< font of the type list
    bool dropDownRightAligned = false;  ///< drop-down right edge on the box's right edge
};

class BrowseToolBars {
public:
    /// Creates ToolBar1 and ToolBar2 as children of parent (which owns them); the caller adds
    /// them to its layout and binds the list and navigator once its datasets exist.
    BrowseToolBars(const TypeBarOptions& options, QWidget* parent);

    /// Binds the bars to the window's main list (neither dataset owned; both open): the
    /// navigator steps through list; picking a type in the list of types' typeField filters list
    /// with typePrefix (DBLookupComboBox1Click); every change of the search text finds the
    /// alphabetically first keyField beginning with it (Edit1Change); "clear" empties the field
    /// and moves to the first row (Button1Click).
    void bindList(Dataset& list, Dataset& types, const QString& typeField, const QString& typePrefix,
                  const QString& keyField);

    QToolBar* typeBar() const;           ///< ToolBar1
    DbLookupComboBox* typeList() const;  ///< DBLookupComboBox1
    DbNavigator* navigator() const;      ///< DBNavigator1
    QToolBar* findBar() const;           ///< ToolBar2
    QLineEdit* search() const;           ///< Edit1
    QPushButton* clear() const;          ///< Button1

private:
    QToolBar* m_typeBar;
    DbLookupComboBox* m_typeList;
    DbNavigator* m_navigator;
    QToolBar* m_findBar;
    QLineEdit* m_search;
    QPushButton* m_clear;
};
