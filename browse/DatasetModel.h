#pragma once
// Table model over a Dataset with declared columns. It keeps no copy of the rows: every cell is
// asked of the dataset when a view paints it, so only visible rows cost anything.

#include "browse/GridColumn.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <QVector>

class Dataset;

class DatasetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DatasetModel(QObject* parent = nullptr);

    /// Shows this dataset (not owned; the model has no rows once it is gone). The model resets
    /// whenever the dataset reports that its visible rows changed.
    void setDataset(Dataset* dataset);
    Dataset* dataset() const;

    void setColumns(const QVector<GridColumn>& columns);
    const QVector<GridColumn>& columns() const;
    /// Dataset column index behind a model column; -1 when the field is unknown or closed.
    int fieldIndex(int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    /// Lets the cells of writable fields be edited (the grids of the maintenance window); the
    /// row headings then show the current row's state: a pointer while browsing, "I" while
    /// editing, "*" while inserting.
    void setEditable(bool on);
    bool editable() const { return m_editable; }
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void reset();
    void resolveFields();

    QPointer<Dataset> m_dataset;
    QVector<GridColumn> m_columns;
    QVector<int> m_fieldIndex;
    QMetaObject::Connection m_rowsConnection;
    QVector<QMetaObject::Connection> m_editConnections;
    bool m_editable = false;
};
