#include "browse/DbLookupComboBox.h"

#include "browse/HandlerGuard.h"
#include "browse/PopupAlignment.h"
#include "browse/ShownText.h"
#include "data/Dataset.h"

#include <QAbstractItemView>

namespace {
constexpr int kDropDownRows = 10;
}

DbLookupComboBox::DbLookupComboBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    setMaxVisibleItems(kDropDownRows);
    // A list-style popup honours the row count in every style.
    setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    connect(this, &QComboBox::activated, this, guardedSlot([this](int index) { pick(index); }));
}

void DbLookupComboBox::setListSource(Dataset& dataset, const QString& field)
{
    disconnect(m_rowsConnection);
    m_dataset = &dataset;
    m_field = field;
    m_rowsConnection = connect(&dataset, &Dataset::rowsChanged, this, guardedSlot([this] { refill(); }));
    refill();
}

QString DbLookupComboBox::text() const { return currentIndex() < 0 ? QString() : currentData().toString(); }

QString DbLookupComboBox::lastPick() const { return m_lastPick; }

void DbLookupComboBox::setDropDownRightAligned(bool on) { m_rightAligned = on; }

void DbLookupComboBox::showPopup()
{
    QComboBox::showPopup();
    if (m_rightAligned)
        alignPopupRight(*this);
}

void DbLookupComboBox::pickRow(int position)
{
    if (position < 0 || position >= count())
        return;
    setCurrentIndex(position);
    pick(position);
}

void DbLookupComboBox::clearPick()
{
    m_lastPick.clear();
    setCurrentIndex(-1);
}

void DbLookupComboBox::pick(int index)
{
    m_lastPick = itemData(index).toString();
    // Entries stand in the dataset's order, so the entry's index is the row's position.
    if (m_dataset && m_dataset->isOpen() && index >= 0 && index < m_dataset->recordCount())
        m_dataset->moveTo(index);
    emit picked(text());
}

void DbLookupComboBox::refill()
{
    clear();
    if (!m_dataset || !m_dataset->isOpen())
        return;
    const int column = m_dataset->fieldIndexOrThrow(m_field);
    // Each entry shows at most a screen's worth of its value and keeps the whole value to pick.
    for (int row = 0; row < m_dataset->recordCount(); ++row) {
        const QString value = m_dataset->displayText(row, column);
        addItem(shownText(value), value);
    }
    const int shown = m_lastPick.isEmpty() ? -1 : findData(m_lastPick);
    setCurrentIndex(shown);
    if (shown >= 0)
        m_dataset->moveTo(shown);
}
