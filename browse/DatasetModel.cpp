#include "browse/DatasetModel.h"

#include "browse/HandlerGuard.h"
#include "browse/ShownText.h"
#include "data/Dataset.h"

DatasetModel::DatasetModel(QObject* parent) : QAbstractTableModel(parent) {}

void DatasetModel::setDataset(Dataset* dataset)
{
    beginResetModel();
    disconnect(m_rowsConnection);
    m_dataset = dataset;
    if (m_dataset)
        m_rowsConnection = connect(m_dataset, &Dataset::rowsChanged, this, guardedSlot([this] { reset(); }));
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
    // Browse grids never edit.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
