#include "browse/DbNavigator.h"

#include "browse/HandlerGuard.h"
#include "data/Dataset.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>
#include <QToolButton>

namespace {
constexpr int kNavigatorWidth = 108;
constexpr int kButtonHeight = 24;

// A triangle pointing left or right, with a bar for the end buttons.
QIcon arrowIcon(bool left, bool bar)
{
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const int tipX = left ? 2 : 10;
    const int baseX = left ? 9 : 3;
    const int shift = bar ? (left ? 1 : -1) : 0;
    p.drawPolygon(QPolygon({QPoint(tipX + shift, 6), QPoint(baseX + shift, 1), QPoint(baseX + shift, 11)}));
    if (bar)
        p.drawRect(left ? 1 : 9, 1, 2, 10);
    return QIcon(pixmap);
}
}

DbNavigator::DbNavigator(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const struct {
        Button which;
        bool left;
        bool bar;
        const char* name;
    } buttons[] = {{First, true, true, "First record"},
                   {Prior, true, false, "Prior record"},
                   {Next, false, false, "Next record"},
                   {Last, false, true, "Last record"}};
    for (const auto& b : buttons) {
        auto* button = new QToolButton(this);
        button->setIcon(arrowIcon(b.left, b.bar));
        button->setToolTip(QString::fromLatin1(b.name));
        button->setAccessibleName(QString::fromLatin1(b.name));
        button->setFixedSize(kNavigatorWidth / 4, kButtonHeight);
        button->setAutoRaise(false);
        connect(button, &QToolButton::clicked, this, guardedSlot([this, which = b.which] { press(which); }));
        layout->addWidget(button);
        m_buttons[b.which] = button;
    }
    setFixedSize(kNavigatorWidth, kButtonHeight);
    updateButtons();
}

void DbNavigator::setDataset(Dataset& dataset)
{
    disconnect(m_rowsConnection);
    disconnect(m_currentConnection);
    m_dataset = &dataset;
    m_rowsConnection = connect(&dataset, &Dataset::rowsChanged, this, guardedSlot([this] { updateButtons(); }));
    m_currentConnection = connect(&dataset, &Dataset::currentChanged, this, guardedSlot([this] { updateButtons(); }));
    updateButtons();
}

QToolButton* DbNavigator::button(Button which) const { return m_buttons[which]; }

void DbNavigator::setNavigatorWidth(int width)
{
    for (QToolButton* button : m_buttons)
        button->setFixedSize(width / 4, kButtonHeight);
    setFixedSize(width / 4 * 4, kButtonHeight);
}

void DbNavigator::press(Button which)
{
    if (!m_dataset || !m_dataset->isOpen())
        return;
    switch (which) {
    case First: m_dataset->first(); break;
    case Prior: m_dataset->prior(); break;
    case Next: m_dataset->next(); break;
    case Last: m_dataset->last(); break;
    }
    updateButtons();
}

void DbNavigator::updateButtons()
{
    const bool open = m_dataset && m_dataset->isOpen() && !m_dataset->isEmpty();
    const int row = open ? m_dataset->recNo() : -1;
    const int last = open ? m_dataset->recordCount() - 1 : -1;
    m_buttons[First]->setEnabled(open && row > 0);
    m_buttons[Prior]->setEnabled(open && row > 0);
    m_buttons[Next]->setEnabled(open && row < last);
    m_buttons[Last]->setEnabled(open && row < last);
}
