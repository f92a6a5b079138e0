#include "browse/DbLookupPicker.h"

#include "browse/EditGrid.h"
#include "browse/HandlerGuard.h"
#include "browse/PopupAlignment.h"
#include "browse/ShownText.h"
#include "data/Dataset.h"

#include <QAbstractItemView>

DbLookupPicker::DbLookupPicker(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    // A list-style popup honours the row count in every style.
    setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setFocusPolicy(Qt::StrongFocus);
    hide();
    connect(this, &QComboBox::activated, this, guardedSlot([this](int index) { pick(index); }));
}

void DbLookupPicker::setListSource(Dataset& list, const QString& keyField, const QString& listField)
{
    disconnect(m_listConnection);
    m_list = &list;
    m_keyField = keyField;
    m_listField = listField;
    m_listConnection = connect(&list, &Dataset::rowsChanged, this, guardedSlot([this] { refill(); }));
    refill();
}

void DbLookupPicker::setDataField(Dataset& rows, const QString& field)
{
    for (const QMetaObject::Connection& c : std::as_const(m_rowConnections))
        disconnect(c);
    m_rows = &rows;
    m_dataField = field;
    const auto follow = guardedSlot([this] { showRowKey(); });
    m_rowConnections = {connect(&rows, &Dataset::currentChanged, this, follow),
                        connect(&rows, &Dataset::currentValuesChanged, this, follow),
                        connect(&rows, &Dataset::rowsChanged, this, follow)};
    showRowKey();
}

void DbLookupPicker::cover(EditGrid& grid, const QString& field)
{
    m_coveredField = field;
    grid.addCellControl(this);
    connect(&grid, &EditGrid::focusedCellDrawn, this, guardedSlot([this, &grid](int column, const QRect& cell) {
        if (grid.fieldOfColumn(column).compare(m_coveredField, Qt::CaseInsensitive) != 0)
            return;
        // The cell in the coordinates of the grid's parent, where the picker lies.
        const QRect over(grid.viewport()->mapTo(parentWidget(), cell.topLeft()), cell.size());
        if (geometry() != over)
            setGeometry(over);
        // Over a read-only copy it still names the value but picks nothing.
        setEnabled(!(m_rows && m_rows->readOnly()));
        if (!isVisible()) {
            show();
            raise();
        }
    }));
    connect(&grid, &EditGrid::columnExited, this, guardedSlot([this, &grid](int column) {
        if (grid.fieldOfColumn(column).compare(m_coveredField, Qt::CaseInsensitive) == 0)
            hide();
    }));
}

void DbLookupPicker::setDropDownRightAligned(bool on) { m_rightAligned = on; }

void DbLookupPicker::setDropDownWidth(int width) { m_dropDownWidth = width; }

void DbLookupPicker::setBackground(const QColor& colour)
{
    setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; background-color: %1; }").arg(colour.name()));
}

QString DbLookupPicker::key() const { return currentIndex() < 0 ? QString() : currentData().toString(); }

void DbLookupPicker::showPopup()
{
    if (m_dropDownWidth > 0)
        view()->setMinimumWidth(m_dropDownWidth);
    QComboBox::showPopup();
    if (m_rightAligned)
        alignPopupRight(*this);
}

void DbLookupPicker::refill()
{
    clear();
    if (!m_list || !m_list->isOpen())
        return;
    const int keyColumn = m_list->fieldIndexOrThrow(m_keyField);
    const int listColumn = m_list->fieldIndexOrThrow(m_listField);
    for (int row = 0; row < m_list->recordCount(); ++row)
        addItem(shownText(m_list->displayText(row, listColumn)), m_list->displayText(row, keyColumn));
    showRowKey();
}

void DbLookupPicker::showRowKey()
{
    if (!m_rows || !m_rows->isOpen() || m_rows->recNo() < 0) {
        setCurrentIndex(-1);
        return;
    }
    setCurrentIndex(findData(m_rows->asText(m_dataField)));
}

void DbLookupPicker::pick(int index)
{
    const QString picked = itemData(index).toString();
    if (m_rows && m_rows->isOpen())
        m_rows->setFieldText(m_dataField, picked);
    emit this->picked(picked);
}
