#pragma once
// The search's drop-down: the result list under the search field, in a window of its own that
// closes when the user clicks elsewhere. Where the frame is too narrow for the field, the
// drop-down brings an input line of its own above the list.

#include <QFrame>

class QAbstractItemModel;
class QLineEdit;
class QListView;

class SearchPopup : public QFrame {
    Q_OBJECT
public:
    /// Shows the model's rows (not owned).
    SearchPopup(QAbstractItemModel& model, QWidget* parent = nullptr);

    QListView* list() const { return m_list; }
    /// The input line of the narrow frame (hidden otherwise).
    QLineEdit* input() const { return m_input; }

    /// Opens (or moves) the drop-down under the anchor, its right edge under the anchor's right
    /// edge, `width` wide, as high as its rows need within the screen; with the input line when
    /// withInput.
    void showUnder(QWidget& anchor, int width, bool withInput);

signals:
    /// The drop-down closed, however.
    void closed();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    int rowsHeight() const;

    QLineEdit* m_input;
    QListView* m_list;
};
