#pragma once
// An in-cell picker: a drop-down list of one dataset's rows (showing one field, keyed by
// another) that lies hidden beside an editable grid and is laid over the grid's focused cell
// of its column. It shows the list text of the current row's key; a pick writes the key into
// that field of the row, which starts editing it.

#include <QComboBox>
#include <QPointer>

class Dataset;
class EditGrid;

class DbLookupPicker : public QComboBox {
    Q_OBJECT
public:
    /// parent: the grid's parent, where the picker lies over the grid.
    explicit DbLookupPicker(QWidget* parent);

    /// Lists listField of the list's rows, each keyed by keyField (not owned); refills when the
    /// list's rows change.
    void setListSource(Dataset& list, const QString& keyField, const QString& listField);
    /// The row field a pick writes (not owned). Without one a pick changes no row.
    void setDataField(Dataset& rows, const QString& field);
    /// Lies over grid's focused cell when it shows `field`, hides when the user leaves it.
    void cover(EditGrid& grid, const QString& field);
    /// The drop-down's right edge stays under the box's when it is wider than the box.
    void setDropDownRightAligned(bool on);
    /// The box's background colour.
    void setBackground(const QColor& colour);
    /// Width of the opened list (0: the box's own).
    void setDropDownWidth(int width);

    /// The key of the entry shown; empty when none.
    QString key() const;
    /// The field of the grid's columns it covers.
    QString coveredField() const { return m_coveredField; }

    void showPopup() override;

signals:
    /// The user picked this key.
    void picked(const QString& key);

private:
    void refill();
    void showRowKey();
    void pick(int index);

    QPointer<Dataset> m_list;
    QString m_keyField;
    QString m_listField;
    QPointer<Dataset> m_rows;
    QString m_dataField;
    QString m_coveredField;
    bool m_rightAligned = false;
    int m_dropDownWidth = 0;
    QVector<QMetaObject::Connection> m_rowConnections;
    QMetaObject::Connection m_listConnection;
};
