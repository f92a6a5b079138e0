#pragma once
// Record navigator over one dataset: First, Prior, Next and Last, and on editing pages also
// Insert, Delete, Edit, Post, Cancel and Refresh. Delete asks "Delete record?" first.

#include <QPointer>
#include <QVector>
#include <QWidget>

class Dataset;
class QToolButton;

class DbNavigator : public QWidget {
    Q_OBJECT
public:
    enum Button { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh };
    static constexpr int kButtonCount = 10;

    explicit DbNavigator(QWidget* parent = nullptr);

    /// Binds to a dataset (not owned); once it is gone the buttons do nothing.
    void setDataset(Dataset& dataset);
    QToolButton* button(Button which) const;
    /// Shows these buttons, in the navigator's own order (First to Last only by default). Over a
    /// read-only dataset Insert, Delete, Edit, Post and Cancel stay hidden.
    void setVisibleButtons(const QVector<Button>& buttons);
    /// The moving and editing buttons, without Refresh.
    static QVector<Button> editingButtons();
    /// Every button, Refresh included.
    static QVector<Button> allButtons();
    /// Shares this width among the shown buttons (27 pixels each by default).
    void setNavigatorWidth(int width);

private:
    void press(Button which);
    void updateButtons();
    int shownCount() const;

    QPointer<Dataset> m_dataset;
    QToolButton* m_buttons[kButtonCount] = {};
    QVector<QMetaObject::Connection> m_connections;
    QVector<Button> m_wanted;
};
