#include "app/JumpHistory.h"

#include <algorithm>

JumpHistory::JumpHistory(int cap) : m_cap(std::max(1, cap)) {}

void JumpHistory::leave(const JumpEntry& from)
{
    push(m_behind, from);
    m_ahead.clear();
}

std::optional<JumpEntry> JumpHistory::peek(const QList<JumpEntry>& list, const std::optional<JumpEntry>& here)
{
    // No two neighbours are the same place, so only the last can be where the user stands.
    for (auto it = list.crbegin(); it != list.crend(); ++it)
        if (!here || !it->samePlace(*here))
            return *it;
    return std::nullopt;
}

bool JumpHistory::canGoBack(const std::optional<JumpEntry>& here) const { return peek(m_behind, here).has_value(); }
bool JumpHistory::canGoForward(const std::optional<JumpEntry>& here) const { return peek(m_ahead, here).has_value(); }

std::optional<JumpEntry> JumpHistory::peekBack(const std::optional<JumpEntry>& here) const
{
    return peek(m_behind, here);
}

std::optional<JumpEntry> JumpHistory::peekForward(const std::optional<JumpEntry>& here) const
{
    return peek(m_ahead, here);
}

std::optional<JumpEntry> JumpHistory::back(const std::optional<JumpEntry>& here)
{
    return step(m_behind, m_ahead, here);
}

std::optional<JumpEntry> JumpHistory::forward(const std::optional<JumpEntry>& here)
{
    return step(m_ahead, m_behind, here);
}

std::optional<JumpEntry> JumpHistory::step(QList<JumpEntry>& from, QList<JumpEntry>& to,
                                           const std::optional<JumpEntry>& here)
{
    while (!from.isEmpty() && here && from.last().samePlace(*here))
        from.removeLast();
    if (from.isEmpty())
        return std::nullopt;
    if (here)
        push(to, *here);
    return from.takeLast();
}

void JumpHistory::push(QList<JumpEntry>& list, const JumpEntry& entry)
{
    if (!list.isEmpty() && list.last().samePlace(entry)) {
        list.last() = entry;  // the newer title
        return;
    }
    list.append(entry);
    while (list.size() > m_cap)
        list.removeFirst();
}

void JumpHistory::windowClosed(int window)
{
    for (QList<JumpEntry>* list : {&m_behind, &m_ahead}) {
        list->removeIf([window](const JumpEntry& e) { return e.window == window && !e.kind; });
        collapse(*list);
    }
}

void JumpHistory::renumber(int from, int to)
{
    for (QList<JumpEntry>* list : {&m_behind, &m_ahead}) {
        for (JumpEntry& e : *list)
            if (e.window == from)
                e.window = to;
        collapse(*list);
    }
}

void JumpHistory::collapse(QList<JumpEntry>& list)
{
    const auto end = std::unique(list.begin(), list.end(),
                                 [](const JumpEntry& a, const JumpEntry& b) { return a.samePlace(b); });
    list.erase(end, list.end());
}
