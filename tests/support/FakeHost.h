#pragma once
// A main frame stand-in that records which windows were asked for, with the requests as the new
// window would find them.

#include "panes/NavigationHost.h"

#include <QList>

struct OpenedWindow {
    WindowKind kind;
    bool monsterPending;
    QString monsterId;
    bool itemPending;
    QString itemId;
};

class FakeHost : public NavigationHost {
public:
    void openWindow(WindowKind kind) override
    {
        opened.append({kind, MonsterLocatePending, MonsterLocateId, ItemLocatePending, ItemLocateId});
    }
    QList<OpenedWindow> opened;
};
