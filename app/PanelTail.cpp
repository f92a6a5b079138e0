#include "app/PanelTail.h"

#include "app/GlobalSearch.h"
#include "browse/HandlerGuard.h"

#include <QEvent>
#include <QWidget>

namespace {
constexpr int kGap = 4;
}

PanelTail::PanelTail(QWidget& panel, QWidget& banner, QWidget& historyButtons, GlobalSearch& search)
    : QObject(&panel), m_panel(&panel), m_banner(&banner), m_historyButtons(&historyButtons), m_search(&search)
{
    panel.installEventFilter(this);
    layOut();
}

bool PanelTail::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_panel && event->type() == QEvent::Resize)
        guarded([this] { layOut(); });
    return QObject::eventFilter(watched, event);
}

void PanelTail::layOut()
{
    if (!m_panel || !m_banner || !m_historyButtons || !m_search)
        return;
    const QRect inside = m_panel->contentsRect();
    const int right = inside.right() - kGap;
    int left = m_banner->geometry().right() + 1 + kGap;
    const QSize buttons = m_historyButtons->size();
    const bool roomForButtons = right - (left + buttons.width() + kGap) + 1 >= GlobalSearch::kFoldedWidth;
    m_historyButtons->setVisible(roomForButtons);
    if (roomForButtons) {
        m_historyButtons->move(left, inside.top() + (inside.height() - buttons.height()) / 2);
        left += buttons.width() + kGap;
    }
    m_search->placeIn(QRect(left, inside.top(), right - left + 1, inside.height()));
}
