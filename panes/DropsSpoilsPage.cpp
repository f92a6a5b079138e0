#include "panes/DropsSpoilsPage.h"

#include "browse/DbGrid.h"
#include "browse/StripGridPage.h"

#include <QLayout>

namespace {
// Larger than any screen, so the pane that is not kept takes the whole rest.
constexpr int kRest = 10000;
}

DropsSpoilsPage::DropsSpoilsPage(int dividerWidth, KeptPane kept, int keptHeight, HeaderStrip::FirstSection first,
                                 QWidget* parent)
    : DropsSpoilsPage(QStringLiteral("Drops"), QStringLiteral("Spoils"), dividerWidth, kept, keptHeight, first, parent)
{
}

DropsSpoilsPage::DropsSpoilsPage(const QString& dropsCaption, const QString& spoilsCaption, int dividerWidth,
                                 KeptPane kept, int keptHeight, HeaderStrip::FirstSection first, QWidget* parent)
    : QSplitter(Qt::Vertical, parent)
{
    setHandleWidth(dividerWidth);
    setChildrenCollapsible(false);
    m_drops = new StripGridPage(dropsCaption, first, this);
    m_spoils = new StripGridPage(spoilsCaption, first, this);
    addWidget(m_drops);
    addWidget(m_spoils);
    m_dropsKept = kept == DropsKept;
    setStretchFactor(0, m_dropsKept ? 0 : 1);
    setStretchFactor(1, m_dropsKept ? 1 : 0);
    setSizes(m_dropsKept ? QList<int>{keptHeight, kRest} : QList<int>{kRest, keptHeight});
}

StripGridPage* DropsSpoilsPage::drops() const { return m_drops; }
StripGridPage* DropsSpoilsPage::spoils() const { return m_spoils; }

void DropsSpoilsPage::keepGridHeight(int gridHeight)
{
    StripGridPage* kept = m_dropsKept ? m_drops : m_spoils;
    int height = gridHeight;
    QLayout* column = kept->layout();
    for (int i = 0; i < column->count(); ++i)
        if (column->itemAt(i)->widget() != kept->grid())
            height += column->itemAt(i)->sizeHint().height();
    setSizes(m_dropsKept ? QList<int>{height, kRest} : QList<int>{kRest, height});
}

void DropsSpoilsPage::fillStrips()
{
    m_drops->strip()->fill();
    m_spoils->strip()->fill();
}
