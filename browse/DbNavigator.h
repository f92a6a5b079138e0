#pragma once
// Record navigator with the First, Prior, Next and Last buttons over one dataset.

#include <QPointer>
#include <QWidget>

class Dataset;
class QToolButton;

class DbNavigator : public QWidget {
    Q_OBJECT
public:
    enum Button { First, Prior, Next, Last };

    explicit DbNavigator(QWidget* parent = nullptr);

    /// Binds to a dataset (not owned); once it is gone the buttons do nothing.
    void setDataset(Dataset& dataset);
    QToolButton* button(Button which) const;
    /// Shares this width among the four buttons (108 by default).
    void setNavigatorWidth(int width);

private:
    void press(Button which);
    void updateButtons();

    QPointer<Dataset> m_dataset;
    QToolButton* m_buttons[4] = {};
    QMetaObject::Connection m_rowsConnection;
    QMetaObject::Connection m_currentConnection;
};
