#pragma once
// Drop-down list of the values of one dataset column, in the dataset's order. It starts with no
// entry shown; picking an entry makes that row the dataset's current row and emits picked(). The
// list remembers its last pick: while the dataset is closed it shows nothing, and when the rows
// are read again it shows the pick again if they hold it (that row becomes current).

#include <QComboBox>
#include <QPointer>

class Dataset;

class DbLookupComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit DbLookupComboBox(QWidget* parent = nullptr);

    /// Lists the field's values of the dataset's rows (not owned); refills when its rows change,
    /// and empties once the dataset is gone.
    void setListSource(Dataset& dataset, const QString& field);
    /// The value of the chosen entry (whole, even where the entry shows it cut); empty while none
    /// is chosen.
    QString text() const;
    /// The text last picked, shown or not; empty before the first pick.
    QString lastPick() const;
    /// Aligns the drop-down's right edge with the box's when the list is wider than the box.
    void setDropDownRightAligned(bool on);

    void showPopup() override;

    /// Picks the entry of the dataset's row at this position as the user would: shows it, makes
    /// the row current and emits picked(). A position outside the list picks nothing.
    void pickRow(int position);
    /// Shows no entry and forgets the last pick, as before the first one; emits nothing.
    void clearPick();

signals:
    /// The user picked an entry (also the one already shown).
    void picked(const QString& text);

private:
    void pick(int index);
    void refill();

    QPointer<Dataset> m_dataset;
    QString m_field;
    QString m_lastPick;
    bool m_rightAligned = false;
    QMetaObject::Connection m_rowsConnection;
};
