#pragma once
// The quick-find row of the browse windows (ToolBar2): "Quick Find", the search field Edit1 and
// the "clear" button Button1, bound to the window's main list.

#include "browse/ToolRow.h"
#include "browse/UiFont.h"

#include <QFont>

class Dataset;
class QLineEdit;
class QPushButton;

struct FindBarOptions {
    /// How the separators stand: a leading 8-pixel blank, then a separator between the controls
    /// (the item windows); a separator line first and between them; none at all.
    enum Separators { LeadingGap, LeadingLine, None };
    Separators separators = LeadingGap;
    QFont buttonFont = uiFont(kSansSerif, 13);  ///< font of "clear"
    int controlHeight = 24;  ///< height of the field and the button; 0 leaves them their own
};

class FindBar {
public:
    /// Creates the bar as a child of parent (which owns it); the caller lays it out.
    explicit FindBar(const FindBarOptions& options, QWidget* parent);

    /// Every change of the search text finds the alphabetically first keyField of list that
    /// begins with it (Edit1Change); "clear" empties the field and moves list to its first row
    /// (Button1Click). list is not owned; once it is gone the bar does nothing.
    void bind(Dataset& list, const QString& keyField);

    ToolRow& row();  ///< to append more controls after "clear"
    QToolBar* bar() const;

private:
    ToolRow m_row;
    QLineEdit* m_search;   // Edit1
    QPushButton* m_clear;  // Button1
};
