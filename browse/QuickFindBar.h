#pragma once
// The quick-find tool bar of the browse windows (ToolBar2): the caption "Quick Find", the search
// field Edit1 and the "clear" button Button1, optionally followed by a record navigator.

class DbNavigator;
class QLineEdit;
class QPushButton;
class QToolBar;
class QWidget;

class QuickFindBar {
public:
    /// Creates the bar as a child of parent (which owns it and its controls); navigatorWidth 0
    /// leaves the navigator out. The caller adds the bar to its layout and connects the controls.
    explicit QuickFindBar(QWidget* parent, int navigatorWidth = 0);

    QToolBar* bar() const;             ///< ToolBar2
    QLineEdit* search() const;         ///< Edit1
    QPushButton* clear() const;        ///< Button1
    DbNavigator* navigator() const;    ///< DBNavigator1; nullptr when left out

private:
    QToolBar* m_bar;
    QLineEdit* m_search;
    QPushButton* m_clear;
    DbNavigator* m_navigator = nullptr;
};
