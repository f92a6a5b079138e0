#pragma once
// Back and forward through the places the user jumped between: the frame's Alt+Left and
// Alt+Right, the mouse's back and forward buttons anywhere in the frame, and two tool buttons.
//
// A place is a child window and its current row. One is kept each time the user leaves a
// window for another (a jump opens one, a command, the window list, Ctrl+Tab, a click) and each
// time a jump inside a window leaves its row. Moving through a list is not a jump, nor is closing
// a window. Going back activates the window again on its row, or opens a new window of its kind
// on that row when it was closed.

#include "app/JumpHistory.h"

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPointer>

class NavigationHost;
class QAction;
class QMdiArea;
class QMdiSubWindow;
class QWidget;

class HistoryActions : public QObject {
    Q_OBJECT
public:
    /// Follows the frame's child windows; the actions (BackAction, ForwardAction) are the
    /// frame's, and its back and forward mouse buttons go to them.
    HistoryActions(QWidget& frame, QMdiArea& area, NavigationHost& host);
    ~HistoryActions() override;

    /// The two tool buttons (BackButton, ForwardButton) side by side in a row of their own,
    /// with pictures drawn like the command pictures.
    QWidget* buildButtons(QWidget* parent);
    /// The keys the actions take, for the frame to keep from the controls.
    QList<QKeySequence> keys() const;

    void goBack();
    void goForward();


protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void activated(QMdiSubWindow* window);
    void watch(QMdiSubWindow* window);
    int numberOf(QMdiSubWindow* window);
    QMdiSubWindow* windowNumbered(int number) const;
    /// The place a window's form shows now.
    JumpEntry entryOf(int number, const QWidget& form) const;
    void setCurrent(QMdiSubWindow* window);
    std::optional<JumpEntry> here() const;
    void go(const std::optional<JumpEntry>& target);
    void updateActions();

    QWidget& m_frame;
    QMdiArea& m_area;
    NavigationHost& m_host;
    JumpHistory m_history;
    QAction* m_back;
    QAction* m_forward;
    QPointer<QMdiSubWindow> m_current;  // the window the user is in,
    QPointer<QWidget> m_currentForm;     // its form (hidden once closed, gone once deleted)
    int m_currentNumber = 0;             // and its number
    bool m_going = false;                // a step back or forward moves: nothing is kept
    int m_lastNumber = 0;
};
