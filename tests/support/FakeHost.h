#pragma once
// The one main-frame stand-in of the tests: it records which windows were asked for, with the
// requests as the new window would find them, and makes the window when given a factory.

#include "panes/NavigationHost.h"

#include <QList>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

struct OpenedWindow {
    WindowKind kind;
    bool monsterPending;
    QString monsterId;
    bool itemPending;
    QString itemId;
};

class FakeHost : public NavigationHost {
public:
    /// Makes the window a jump asks for (nullptr: none), as the main frame's factory does.
    using Factory = std::function<QWidget*(WindowKind, NavigationHost&)>;

    explicit FakeHost(Factory factory = {}) : m_factory(std::move(factory)) {}

    QWidget* openWindow(WindowKind kind) override
    {
        opened.append({kind, MonsterLocatePending, MonsterLocateId, ItemLocatePending, ItemLocateId});
        if (m_factory)
            if (QWidget* window = m_factory(kind, *this)) {
                windows.emplace_back(window);
                return window;
            }
        return nullptr;
    }

    /// The kinds asked for, in order.
    QList<WindowKind> kinds() const
    {
        QList<WindowKind> out;
        for (const OpenedWindow& o : opened)
            out.append(o.kind);
        return out;
    }

    QList<OpenedWindow> opened;
    std::vector<std::unique_ptr<QWidget>> windows;  ///< made by the factory, oldest first

private:
    Factory m_factory;
};
