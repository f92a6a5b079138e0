#include "browse/DatasetModel.h"

#include "browse/HandlerGuard.h"
#include "browse/ShownText.h"
#include "data/Dataset.h"
#include "data/DbError.h"

DatasetModel::DatasetModel(QObject* parent) : QAbstractTableModel(parent) {}

void DatasetModel::setDataset(Dataset* dataset)
{
    beginResetModel();
    disconnect(m_rowsConnection);
    for (const QMetaObject::Connection& c : std::as_const(m_editConnections))
        disconnect(c);
    m_editConnections.clear();
    m_dataset = dataset;
    if (m_dataset) {
        m_rowsConnection = connect(m_dataset, &Dataset::rowsChanged, this, guardedSlot([this] { reset(); }));
        m_editConnections << connect(m_dataset, &Dataset::currentValuesChanged, this, guardedSlot([this](int row) {
            if (row >= 0 && row < rowCount())
                emit dataChanged(index(row, 0), index(row, columnCount() - 1));
        }));
        const auto headings = [this] {
            if (m_editable && rowCount() > 0)
                emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
        };
        m_editConnections << connect(m_dataset, &Dataset::currentChanged, this, guardedSlot(headings));
        m_editConnections << connect(m_dataset, &Dataset::stateChanged, this, guardedSlot(headings));
    }
    resolveFields();
    endResetModel();
}

Dataset* DatasetModel::dataset() const { return m_dataset; }

void DatasetModel::setColumns(const QVector<GridColumn>& columns)
{
    beginResetModel();
    m_columns = columns;
    resolveFields();
    endResetModel();
}

const QVector<GridColumn>& DatasetModel::columns() const { return m_columns; }

int DatasetModel::fieldIndex(int column) const
{
    return column >= 0 && column < m_fieldIndex.size() ? m_fieldIndex[column] : -1;
}

void DatasetModel::reset()
{
    beginResetModel();
    resolveFields();
    endResetModel();
}

void DatasetModel::resolveFields()
{
    // Field positions are known only once the dataset is open; look them up once per reset,
    // never per cell.
    m_fieldIndex.fill(-1, m_columns.size());
    if (!m_dataset || !m_dataset->isOpen())
        return;
    for (int i = 0; i < m_columns.size(); ++i)
        m_fieldIndex[i] = m_dataset->fieldIndex(m_columns[i].field);
}

int DatasetModel::rowCount(const QModelIndex& parent) const
{
    // Rows not fetched yet count as none until the grid showing them asks for them.
    if (parent.isValid() || !m_dataset || !m_dataset->isOpen() || m_dataset->rowsPending())
        return 0;
    return m_dataset->recordCount();
}

int DatasetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant DatasetModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.column() >= m_columns.size() || !m_dataset || !m_dataset->isOpen())
        return {};
    const GridColumn& column = m_columns[index.column()];
    const int field = m_fieldIndex.value(index.column(), -1);
    switch (role) {
    case Qt::DisplayRole:
        if (field < 0 || index.row() >= m_dataset->recordCount())
            return {};
        return shownText(m_dataset->displayText(index.row(), field));
    case Qt::EditRole:
        if (field < 0 || index.row() >= m_dataset->recordCount())
            return {};
        return m_dataset->displayText(index.row(), field);
    case Qt::ToolTipRole: {
        // Only a value cut for showing has a tooltip: the part the cell cannot hold.
        if (field < 0 || index.row() >= m_dataset->recordCount())
            return {};
        const QString text = m_dataset->displayText(index.row(), field);
        return isCutForShowing(text) ? QVariant(cutTextToolTip(text)) : QVariant();
    }
    case Qt::FontRole:
        return column.font ? QVariant(*column.font) : QVariant();
    case Qt::TextAlignmentRole: {
        Qt::Alignment horizontal = column.alignment & Qt::AlignHorizontal_Mask;
        if (!horizontal) {
            const ValueType type = field >= 0 ? m_dataset->fieldType(field) : ValueType::Text;
            horizontal = (type == ValueType::Integer || type == ValueType::Float) ? Qt::AlignRight : Qt::AlignLeft;
        }
        return int(horizontal | Qt::AlignVCenter);
    }
    default:
        return {};
    }
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical && m_editable) {
        if (role != Qt::DisplayRole)
            return {};
        if (!m_dataset || section != m_dataset->recNo())
            return QString();
        switch (m_dataset->state()) {
        case DatasetState::Browse: return QStringLiteral("\u25B8");
        case DatasetState::Edit: return QStringLiteral("I");
        case DatasetState::Insert: return QStringLiteral("*");
        }
        return {};
    }
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    const GridColumn& column = m_columns[section];
    switch (role) {
    case Qt::DisplayRole:
        return column.heading();
    case Qt::FontRole:
        return column.titleFont ? QVariant(*column.titleFont) : QVariant();
    case Qt::TextAlignmentRole:
        return int(column.titleAlignment);
    default:
        return {};
    }
}

Qt::ItemFlags DatasetModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    // Browse grids never edit; an editable grid edits what its dataset can write.
    if (!m_editable || !m_dataset || !m_dataset->isOpen())
        return shown;
    const int field = fieldIndex(index.column());
    bool readOnly = true;
    try {
        readOnly = field < 0 || m_dataset->fieldReadOnly(field);
    } catch (const DbError&) {
        // A table that cannot be read shows its rows read-only; its post would report why.
    }
    return readOnly ? shown : shown | Qt::ItemIsEditable;
}

void DatasetModel::setEditable(bool on)
{
    beginResetModel();
    m_editable = on;
    endResetModel();
}

bool DatasetModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || !m_editable || !m_dataset || !m_dataset->isOpen())
        return false;
    const int field = fieldIndex(index.column());
    if (field < 0)
        return false;
    // The value goes into the row as typed; the row's own post checks it.
    if (index.row() != m_dataset->recNo())
        return false;
    if (value.toString() == m_dataset->displayText(index.row(), field))
        return true;
    return guarded([&] { m_dataset->setFieldValue(field, Value::text(value.toString())); });
}
