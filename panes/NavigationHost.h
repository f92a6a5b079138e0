#pragma once
// What a browse window needs from the main frame: the two pending-locate requests and a way to
// open another browse window. The main window implements it; windows receive it when built.

#include <QString>

class QWidget;

enum class WindowKind { Weapons, Armor, Sets, Accessories, Items, Recipes, Monsters, Skills, Quests, DbMaintain };

class NavigationHost {
public:
    virtual ~NavigationHost() = default;

    /// Creates a new browse window of this kind inside the frame and returns it (nullptr when
    /// none is made). Errors propagate (DbError) after any request the failed window would have
    /// consumed has been cleared.
    virtual QWidget* openWindow(WindowKind kind) = 0;

    bool MonsterLocatePending = false;
    bool ItemLocatePending = false;
    QString MonsterLocateId;
    QString ItemLocateId;
};
