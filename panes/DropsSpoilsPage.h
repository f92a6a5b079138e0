#pragma once
// A page with a "Drops" pane over a "Spoils" pane, each a blue caption, a header strip and a
// grid, and a divider the user drags to share the height: the misc items window's
// "Drop/Spoil Info" and the first two pages of the monsters window.

#include "browse/HeaderStrip.h"

#include <QSplitter>

class StripGridPage;

class DropsSpoilsPage : public QSplitter {
    Q_OBJECT
public:
    /// The pane that keeps its height when the page grows; the other one takes the rest.
    enum KeptPane { DropsKept, SpoilsKept };

    /// first: whether the strips' first heading sorts (it does not over an icon column).
    DropsSpoilsPage(int dividerWidth, KeptPane kept, int keptHeight, HeaderStrip::FirstSection first,
                    QWidget* parent = nullptr);
    /// The same under other captions than "Drops" and "Spoils".
    DropsSpoilsPage(const QString& dropsCaption, const QString& spoilsCaption, int dividerWidth, KeptPane kept,
                    int keptHeight, HeaderStrip::FirstSection first, QWidget* parent = nullptr);

    StripGridPage* drops() const;   ///< the upper pane
    StripGridPage* spoils() const;  ///< the lower pane

    /// Fills both strips from their grids (FormCreate), drops first.
    void fillStrips();

    /// Sizes the kept pane so that its grid, below caption and strip, is gridHeight high.
    void keepGridHeight(int gridHeight);

private:
    bool m_dropsKept;
    StripGridPage* m_drops;
    StripGridPage* m_spoils;
};
