#include "browse/DbNavigator.h"

#include "browse/DeleteConfirmation.h"
#include "browse/HandlerGuard.h"
#include "data/Dataset.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygon>
#include <QToolButton>

namespace {
constexpr int kButtonWidth = 27;
constexpr int kButtonHeight = 24;

QPixmap blankGlyph()
{
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A triangle pointing left or right, with a bar for the end buttons.
QIcon arrowIcon(bool left, bool bar)
{
    QPixmap pixmap = blankGlyph();
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

// The editing buttons' glyphs: plus, minus, a triangle up, a tick, a cross, a round arrow.
QIcon editIcon(DbNavigator::Button which)
{
    QPixmap pixmap = blankGlyph();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::black);
    switch (which) {
    case DbNavigator::Insert:
        p.drawLine(6, 1, 6, 11);
        p.drawLine(1, 6, 11, 6);
        break;
    case DbNavigator::Delete:
        p.drawLine(1, 6, 11, 6);
        break;
    case DbNavigator::Edit:
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygon({QPoint(6, 1), QPoint(11, 10), QPoint(1, 10)}));
        break;
    case DbNavigator::Post:
        p.setPen(QPen(QColor(0, 128, 0), 2));
        p.drawPolyline(QPolygon({QPoint(1, 6), QPoint(5, 10), QPoint(11, 2)}));
        break;
    case DbNavigator::Cancel:
        p.setPen(QPen(QColor(160, 0, 0), 2));
        p.drawLine(2, 2, 10, 10);
        p.drawLine(10, 2, 2, 10);
        break;
    case DbNavigator::Refresh: {
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRect(2, 2, 8, 8), 60 * 16, 280 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawPolygon(QPolygon({QPoint(7, 0), QPoint(11, 3), QPoint(7, 5)}));
        break;
    }
    default:
        break;
    }
    return QIcon(pixmap);
}
} // namespace

DbNavigator::DbNavigator(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const struct {
        Button which;
        const char* name;
    } buttons[] = {{First, "First record"}, {Prior, "Prior record"},   {Next, "Next record"},
                   {Last, "Last record"},   {Insert, "Insert record"}, {Delete, "Delete record"},
                   {Edit, "Edit record"},   {Post, "Post edit"},       {Cancel, "Cancel edit"},
                   {Refresh, "Refresh data"}};
    for (const auto& b : buttons) {
        auto* button = new QToolButton(this);
        if (b.which <= Last)
            button->setIcon(arrowIcon(b.which == First || b.which == Prior, b.which == First || b.which == Last));
        else
            button->setIcon(editIcon(b.which));
        button->setToolTip(QString::fromLatin1(b.name));
        button->setAccessibleName(QString::fromLatin1(b.name));
        button->setFixedSize(kButtonWidth, kButtonHeight);
        button->setAutoRaise(false);
        connect(button, &QToolButton::clicked, this, guardedSlot([this, which = b.which] { press(which); }));
        layout->addWidget(button);
        m_buttons[b.which] = button;
    }
    setVisibleButtons({First, Prior, Next, Last});
}

void DbNavigator::setDataset(Dataset& dataset)
{
    for (const QMetaObject::Connection& c : std::as_const(m_connections))
        disconnect(c);
    m_dataset = &dataset;
    // Over a read-only copy the editing buttons are not offered at all.
    setVisibleButtons(m_wanted);
    const auto update = guardedSlot([this] { updateButtons(); });
    m_connections = {connect(&dataset, &Dataset::rowsChanged, this, update),
                     connect(&dataset, &Dataset::currentChanged, this, update),
                     connect(&dataset, &Dataset::stateChanged, this, update),
                     connect(&dataset, &Dataset::currentValuesChanged, this, update)};
    updateButtons();
}

QToolButton* DbNavigator::button(Button which) const { return m_buttons[which]; }

QVector<DbNavigator::Button> DbNavigator::editingButtons()
{
    return {First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel};
}

QVector<DbNavigator::Button> DbNavigator::allButtons()
{
    QVector<Button> all = editingButtons();
    all << Refresh;
    return all;
}

void DbNavigator::setVisibleButtons(const QVector<Button>& buttons)
{
    m_wanted = buttons;
    const bool readOnly = m_dataset && m_dataset->readOnly();
    for (int b = 0; b < kButtonCount; ++b) {
        const bool edits = b >= Insert && b <= Cancel;
        m_buttons[b]->setVisible(buttons.contains(Button(b)) && !(readOnly && edits));
    }
    setNavigatorWidth(kButtonWidth * shownCount());
    updateButtons();
}

int DbNavigator::shownCount() const
{
    int shown = 0;
    for (QToolButton* button : m_buttons)
        shown += button->isVisibleTo(this) ? 1 : 0;
    return shown;
}

void DbNavigator::setNavigatorWidth(int width)
{
    const int shown = std::max(shownCount(), 1);
    for (QToolButton* button : m_buttons)
        button->setFixedSize(width / shown, kButtonHeight);
    setFixedSize(width / shown * shown, kButtonHeight);
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
    case Insert: m_dataset->insert(); break;
    case Delete:
        if (confirmDelete(this))
            m_dataset->deleteRecord();
        break;
    case Edit: m_dataset->edit(); break;
    case Post: m_dataset->post(); break;
    case Cancel: m_dataset->cancel(); break;
    case Refresh: m_dataset->refresh(); break;
    }
    updateButtons();
}

void DbNavigator::updateButtons()
{
    const bool open = m_dataset && m_dataset->isOpen();
    const bool rows = open && !m_dataset->isEmpty();
    const int row = rows ? m_dataset->recNo() : -1;
    const int last = rows ? m_dataset->recordCount() - 1 : -1;
    const bool browsing = !open || m_dataset->state() == DatasetState::Browse;
    m_buttons[First]->setEnabled(rows && row > 0);
    m_buttons[Prior]->setEnabled(rows && row > 0);
    m_buttons[Next]->setEnabled(rows && row < last);
    m_buttons[Last]->setEnabled(rows && row < last);
    m_buttons[Insert]->setEnabled(open);
    m_buttons[Delete]->setEnabled(rows);
    m_buttons[Edit]->setEnabled(rows && browsing);
    m_buttons[Post]->setEnabled(open && !browsing);
    m_buttons[Cancel]->setEnabled(open && !browsing);
    m_buttons[Refresh]->setEnabled(open);
}
