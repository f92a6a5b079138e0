#include "panes/DropsSpoilsPage.h"

#include "browse/StripGridPage.h"

namespace {
// Larger than any screen, so the pane that is not kept takes the whole rest.
constexpr int kRest = 10000;
}

DropsSpoilsPage::DropsSpoilsPage(int dividerWidth, KeptPane kept, int keptHeight, HeaderStrip::FirstSection first,
                                 QWidget* parent)
    : QSplitter(Qt::Vertical, parent)
{
    setHandleWidth(dividerWidth);
    setChildrenCollapsible(false);
    m_drops = new StripGridPage(QStringLiteral("Drops"), first, this);
    m_spoils = new StripGridPage(QStringLiteral("Spoils"), first, this);
    addWidget(m_drops);
    addWidget(m_spoils);
    const bool dropsKept = kept == DropsKept;
    setStretchFactor(0, dropsKept ? 0 : 1);
    setStretchFactor(1, dropsKept ? 1 : 0);
    setSizes(dropsKept ? QList<int>{keptHeight, kRest} : QList<int>{kRest, keptHeight});
}

StripGridPage* DropsSpoilsPage::drops() const { return m_drops; }
StripGridPage* DropsSpoilsPage::spoils() const { return m_spoils; }

void DropsSpoilsPage::fillStrips()
{
    m_drops->strip()->fill();
    m_spoils->strip()->fill();
}
