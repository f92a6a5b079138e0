#pragma once
// The places the user jumped between, for going back and forward: a list behind and a list
// ahead of where the user is now, like a web browser's. No widgets: windows are known by the
// number the frame gives them, so a closed window's places stay and can be opened again.

#include "panes/WindowPlace.h"

#include <QList>
#include <QString>

#include <optional>

struct JumpEntry {
    int window = 0;                  ///< the frame's number for the window
    std::optional<WindowKind> kind;  ///< unset: the window has no place and cannot be opened again
    PlaceKey key;                    ///< the window's current row then; empty for no row
    QString title;                   ///< what the user knows it by ("Monsters — Ice Bear")

    /// One place: the same window on the same row (the title only describes it).
    bool samePlace(const JumpEntry& other) const { return window == other.window && key == other.key; }
};

class JumpHistory {
public:
    /// Keeps at most `cap` places behind and as many ahead; the oldest go first.
    explicit JumpHistory(int cap = 50);

    /// The user leaves `from` for another place: it goes behind (unless it is already the last
    /// place there), and the places ahead are forgotten.
    void leave(const JumpEntry& from);

    /// Whether there is a place behind (or ahead) other than `here`, where the user is now.
    bool canGoBack(const std::optional<JumpEntry>& here) const;
    bool canGoForward(const std::optional<JumpEntry>& here) const;

    /// The place to go back (forward) to from `here`; `here` goes ahead (behind). Places the same
    /// as `here` are passed over. None when there is nowhere to go.
    std::optional<JumpEntry> back(const std::optional<JumpEntry>& here);
    std::optional<JumpEntry> forward(const std::optional<JumpEntry>& here);

    /// The place a step back (forward) would go to, without going; none when there is none.
    std::optional<JumpEntry> peekBack(const std::optional<JumpEntry>& here) const;
    std::optional<JumpEntry> peekForward(const std::optional<JumpEntry>& here) const;

    /// A window was closed: its places that cannot be opened again are dropped; the others stay.
    void windowClosed(int window);
    /// A closed window was opened again as `to`: its places are now that window's.
    void renumber(int from, int to);

    const QList<JumpEntry>& behind() const { return m_behind; }
    const QList<JumpEntry>& ahead() const { return m_ahead; }

private:
    static std::optional<JumpEntry> peek(const QList<JumpEntry>& list, const std::optional<JumpEntry>& here);
    std::optional<JumpEntry> step(QList<JumpEntry>& from, QList<JumpEntry>& to, const std::optional<JumpEntry>& here);
    void push(QList<JumpEntry>& list, const JumpEntry& entry);
    static void collapse(QList<JumpEntry>& list);

    int m_cap;
    QList<JumpEntry> m_behind;  // oldest first; the last is the place a step back goes to
    QList<JumpEntry> m_ahead;   // farthest first; the last is the place a step forward goes to
};
