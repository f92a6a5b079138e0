#include "browse/DbLookupComboBox.h"

#include "browse/HandlerGuard.h"
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
    connect(this, &QComboBox::activated, this, guardedSlot([this](int) { emit picked(text()); }));
}

void DbLookupComboBox::setListSource(Dataset& dataset, const QString& field)
{
    disconnect(m_rowsConnection);
    m_dataset = &dataset;
    m_field = field;
    m_rowsConnection = connect(&dataset, &Dataset::rowsChanged, this, guardedSlot([this] { refill(); }));
    refill();
}

QString DbLookupComboBox::text() const { return currentIndex() < 0 ? QString() : currentText(); }

void DbLookupComboBox::setDropDownRightAligned(bool on) { m_rightAligned = on; }

void DbLookupComboBox::showPopup()
{
    QComboBox::showPopup();
    if (!m_rightAligned)
        return;
    QWidget* popup = view()->window();
    if (popup == window())
        return;
    const int right = mapToGlobal(QPoint(width(), 0)).x();
    if (popup->width() > width())
        popup->move(right - popup->width(), popup->y());
}

void DbLookupComboBox::refill()
{
    const QString shown = text();
    clear();
    if (!m_dataset || !m_dataset->isOpen())
        return;
    const int column = m_dataset->fieldIndexOrThrow(m_field);
    QStringList values;
    values.reserve(m_dataset->recordCount());
    for (int row = 0; row < m_dataset->recordCount(); ++row)
        values.append(m_dataset->displayText(row, column));
    addItems(values);
    setCurrentIndex(shown.isEmpty() ? -1 : findText(shown));
}
