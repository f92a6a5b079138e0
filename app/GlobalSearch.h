#pragma once
// "Find anything": the search field of the main window's top panel. It searches every item,
// monster, armor set, recipe, quest and skill at once as the user types (SearchIndex, built in
// the background by SearchIndexLoader), lists the hits by kind in a drop-down, and opens the one
// chosen in the window that shows it, on its row (openPlace). Up and Down move through the hits,
// Enter or a click opens, Escape closes the drop-down.

#include <QKeySequence>
#include <QList>
#include <QWidget>

#include <functional>

class Connection;
class NavigationHost;
class QAction;
class QKeyEvent;
class QLineEdit;
class QToolButton;
class SearchIndexLoader;
class SearchPopup;
class SearchResultsModel;

class GlobalSearch : public QWidget {
    Q_OBJECT
public:
    /// The connection whose file is searched, or nullptr while there is none.
    using ConnectionSource = std::function<Connection*()>;

    /// Hits open through the host, which must outlive the search.
    GlobalSearch(NavigationHost& host, ConnectionSource connection, QWidget* parent = nullptr);
    ~GlobalSearch() override;

    /// The keys that put the keyboard in the search: Ctrl+K and F3.
    static QList<QKeySequence> keys();
    /// Adds to the window an action that runs activate() on keys(); returns it.
    QAction* addShortcutTo(QWidget& window);
    /// Takes this room of its parent: the field at the room's right end where it fits, else a
    /// button at its left end that opens the drop-down with an input line.
    void placeIn(const QRect& room);
    /// The least room the folded search needs.
    static constexpr int kFoldedWidth = 30;

    /// Puts the keyboard in the search, its text selected, with the hits of that text shown.
    void activate();
    /// Starts building the index unless it is built or building.
    void prepare();
    /// Whether the field is folded into its button (the frame is too narrow for it).
    bool folded() const;

    /// How many hits of a kind the drop-down lists before "n more...".
    static constexpr int kHitsPerKind = 5;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    SearchPopup& popup();
    bool popupOpen() const;
    void closePopup();
    QLineEdit* activeEdit() const;
    void edited(const QString& text);
    void refresh();
    void showPopup();
    bool handleKey(QKeyEvent& key);
    void moveChoice(int step);
    void setCurrentRow(int row);
    void openRow(int row);

    NavigationHost& m_host;
    ConnectionSource m_connection;
    QLineEdit* m_field;
    QToolButton* m_button;
    SearchResultsModel* m_model;
    SearchPopup* m_popup = nullptr;
    SearchIndexLoader* m_loader;
    int m_wholeKind = -1; // the kind whose "more" row was opened
    bool m_shownOnce = false;
    bool m_inputInPopup = false; // the drop-down brings its input line (folded field)
};
