#include "app/GlobalSearch.h"

#include "app/SearchLists.h"
#include "app/SearchPopup.h"
#include "app/SearchResultsModel.h"
#include "browse/HandlerGuard.h"
#include "data/Connection.h"
#include "data/SearchIndexLoader.h"
#include "panes/WindowPlace.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QTimer>
#include <QToolButton>

namespace {
constexpr int kFieldMinWidth = 150;
constexpr int kFieldMaxWidth = 320;
constexpr int kFieldHeight = 26;
constexpr int kPopupWidth = 420;
constexpr int kPageStep = 8;
// Long enough after the first paint that start-up never shares the machine with the build.
constexpr int kPrepareDelayMs = 500;

const QString kHint = QStringLiteral("Type a word of the name of an item, monster, set, recipe, quest or skill");

// A magnifying glass, drawn for the field and its button.
QIcon magnifier()
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(70, 70, 70), 1.8));
    p.drawEllipse(QRectF(2, 2, 8.5, 8.5));
    p.setPen(QPen(QColor(70, 70, 70), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 10), QPointF(14, 14));
    return QIcon(picture);
}
} // namespace

GlobalSearch::GlobalSearch(NavigationHost& host, ConnectionSource connection, QWidget* parent)
    : QWidget(parent), m_host(host), m_connection(std::move(connection))
{
    setObjectName(QStringLiteral("GlobalSearch"));
    const QString hint = QStringLiteral("Find anything (%1)").arg(keys().first().toString(QKeySequence::NativeText));
    const QString statusHint = QStringLiteral("Find any item, monster, set, recipe, quest or skill by a word of its name");

    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("SearchField"));
    m_field->setPlaceholderText(hint);
    m_field->setStatusTip(statusHint);
    m_field->setClearButtonEnabled(true);
    m_field->addAction(magnifier(), QLineEdit::LeadingPosition);
    QFont f = m_field->font();
    f.setPixelSize(13);
    m_field->setFont(f);

    m_button = new QToolButton(this);
    m_button->setObjectName(QStringLiteral("SearchButton"));
    m_button->setIcon(magnifier());
    m_button->setAutoRaise(true);
    m_button->setToolTip(hint);
    m_button->setStatusTip(statusHint);
    m_button->hide();

    m_model = new SearchResultsModel(this);
    m_loader = new SearchIndexLoader(searchLists(), this);

    connect(m_field, &QLineEdit::textEdited, this, guardedSlot([this](const QString& t) { edited(t); }));
    connect(m_button, &QToolButton::clicked, this, guardedSlot([this] { activate(); }));
    connect(m_loader, &SearchIndexLoader::finished, this, guardedSlot([this] {
                if (popupOpen())
                    refresh();
            }));
    m_field->installEventFilter(this);
}

GlobalSearch::~GlobalSearch() = default;

SearchPopup& GlobalSearch::popup()
{
    if (m_popup)
        return *m_popup;
    // Made on first use: start-up needs none of it.
    m_popup = new SearchPopup(*m_model, this);
    QLineEdit* input = m_popup->input();
    input->setFont(m_field->font());
    input->setPlaceholderText(m_field->placeholderText());
    connect(input, &QLineEdit::textEdited, this, guardedSlot([this](const QString& t) { edited(t); }));
    // The input line of the drop-down goes with it.
    connect(m_popup, &SearchPopup::closed, this, guardedSlot([this] { m_inputInPopup = false; }));
    QListView* list = m_popup->list();
    connect(list, &QListView::clicked, this, guardedSlot([this](const QModelIndex& i) { openRow(i.row()); }));
    connect(list, &QListView::entered, this, guardedSlot([this](const QModelIndex& i) {
                const int type = m_model->type(i.row());
                // The row under the pointer becomes the choice; it is in view already, and
                // scrolling to it would move another row under the pointer.
                if (type == SearchResultsModel::Hit || type == SearchResultsModel::More)
                    m_popup->list()->setCurrentIndex(i);
            }));
    for (QObject* o : {static_cast<QObject*>(m_popup), static_cast<QObject*>(input), static_cast<QObject*>(list)})
        o->installEventFilter(this);
    return *m_popup;
}

bool GlobalSearch::popupOpen() const { return m_popup && m_popup->isVisible(); }

void GlobalSearch::closePopup()
{
    if (m_popup)
        m_popup->hide();
}

QList<QKeySequence> GlobalSearch::keys()
{
    return {QKeySequence(Qt::CTRL | Qt::Key_K), QKeySequence(Qt::Key_F3)};
}

QAction* GlobalSearch::addShortcutTo(QWidget& window)
{
    auto* action = new QAction(&window);
    action->setObjectName(QStringLiteral("SearchKey"));
    action->setShortcuts(keys());
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, guardedSlot([this] { activate(); }));
    window.addAction(action);
    return action;
}

void GlobalSearch::placeIn(const QRect& room)
{
    const int width = std::min(room.width(), kFieldMaxWidth);
    // The field keeps to the right edge; folded, the button stands at the left of the room.
    const int x = width >= kFieldMinWidth ? room.right() + 1 - width : room.left();
    setGeometry(x, room.top() + (room.height() - kFieldHeight) / 2, std::max(width, 0), kFieldHeight);
}

void GlobalSearch::resizeEvent(QResizeEvent*)
{
    const bool fold = width() < kFieldMinWidth;
    m_field->setVisible(!fold);
    m_button->setVisible(fold);
    m_field->setGeometry(rect());
    const int side = std::min(width(), height());
    m_button->setGeometry(0, (height() - side) / 2, side, side);
    if (fold && m_field->hasFocus())
        m_field->clearFocus();
}

bool GlobalSearch::folded() const { return m_button->isVisibleTo(this); }

void GlobalSearch::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    QTimer::singleShot(kPrepareDelayMs, this, guardedSlot([this] { prepare(); }));
}

void GlobalSearch::prepare()
{
    if (Connection* connection = m_connection ? m_connection() : nullptr)
        m_loader->load(*connection);
}

QLineEdit* GlobalSearch::activeEdit() const { return m_inputInPopup ? m_popup->input() : m_field; }

void GlobalSearch::activate()
{
    prepare();
    if (folded()) {
        QLineEdit* input = popup().input();
        m_inputInPopup = true;
        input->setText(m_field->text());
        input->selectAll();
        refresh();
        input->setFocus(Qt::ShortcutFocusReason);
        return;
    }
    closePopup();
    m_inputInPopup = false;
    m_field->setFocus(Qt::ShortcutFocusReason);
    m_field->selectAll();
    if (!m_field->text().trimmed().isEmpty())
        refresh();
}

void GlobalSearch::edited(const QString& text)
{
    // Both lines hold the same text, whichever the user types in.
    if (m_field->text() != text)
        m_field->setText(text);
    m_wholeKind = -1;
    refresh();
}

void GlobalSearch::refresh()
{
    const QString text = activeEdit()->text();
    if (text.trimmed().isEmpty()) {
        if (!m_inputInPopup) {
            closePopup();
            return;
        }
        m_model->showNews(kHint);
        showPopup();
        return;
    }
    Connection* connection = m_connection ? m_connection() : nullptr;
    std::shared_ptr<const SearchIndex> index = connection ? m_loader->current(*connection) : nullptr;
    if (!connection)
        m_model->showNews(QStringLiteral("No database is open."));
    else if (!index && !m_loader->loading() && !m_loader->failure().isEmpty())
        m_model->showNews(QStringLiteral("The search cannot read the database: %1").arg(m_loader->failure()));
    else if (!index)
        m_model->showNews(QStringLiteral("Searching\u2026"));
    else {
        std::vector<SearchGroup> groups = index->find(text, kHitsPerKind, m_wholeKind);
        if (groups.empty())
            m_model->showNews(QStringLiteral("No matches for \u201c%1\u201d").arg(text.trimmed()));
        else
            m_model->showGroups(std::move(index), std::move(groups));
    }
    setCurrentRow(m_model->firstHit());
    showPopup();
}

void GlobalSearch::showPopup()
{
    const bool withInput = m_inputInPopup;
    popup().setFocusProxy(withInput ? nullptr : m_field);
    // Folded, the drop-down hangs from the panel's edge, clear of the banner beside the button.
    QWidget& anchor = !withInput ? *m_field : parentWidget() ? *parentWidget() : *this;
    popup().showUnder(anchor, withInput ? kPopupWidth : std::max(kPopupWidth, m_field->width()), withInput);
}

bool GlobalSearch::handleKey(QKeyEvent& key)
{
    const bool open = popupOpen();
    const QKeySequence pressed(key.keyCombination());
    if (keys().contains(pressed)) {
        activate();
        return true;
    }
    switch (key.key()) {
    case Qt::Key_Down:
    case Qt::Key_Up:
    case Qt::Key_PageDown:
    case Qt::Key_PageUp: {
        if (!open) {
            if (key.key() != Qt::Key_Down || activeEdit()->text().trimmed().isEmpty())
                return false;
            refresh();
            return true;
        }
        const bool down = key.key() == Qt::Key_Down || key.key() == Qt::Key_PageDown;
        const bool page = key.key() == Qt::Key_PageDown || key.key() == Qt::Key_PageUp;
        for (int i = 0; i < (page ? kPageStep : 1); ++i)
            moveChoice(down ? 1 : -1);
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!open) {
            if (activeEdit()->text().trimmed().isEmpty())
                return false;
            refresh();
            return true;
        }
        openRow(m_popup->list()->currentIndex().row());
        return true;
    case Qt::Key_Escape:
        if (!open)
            return false;
        closePopup();
        return true;
    default:
        return false;
    }
}

void GlobalSearch::moveChoice(int step)
{
    const int row = popup().list()->currentIndex().row();
    setCurrentRow(row < 0 ? m_model->nextChoice(-1, 1) : m_model->nextChoice(row, step));
}

void GlobalSearch::setCurrentRow(int row)
{
    QListView* list = popup().list();
    if (row < 0) {
        list->setCurrentIndex(QModelIndex());
        return;
    }
    const QModelIndex index = m_model->index(row, 0);
    list->setCurrentIndex(index);
    // The heading over a group's first hit shows with it.
    if (row > 0 && m_model->type(row - 1) == SearchResultsModel::Heading)
        list->scrollTo(m_model->index(row - 1, 0));
    list->scrollTo(index);
}

void GlobalSearch::openRow(int row)
{
    switch (m_model->type(row)) {
    case SearchResultsModel::More:
        // The kind's hits all show; the first of those that were cut becomes the choice.
        m_wholeKind = int(m_model->kind(row));
        refresh();
        setCurrentRow(row);
        break;
    case SearchResultsModel::Hit: {
        const WindowKind kind = m_model->kind(row);
        const PlaceKey key = m_model->key(row);
        closePopup();
        openPlace(m_host, kind, key);
        break;
    }
    default:
        break;
    }
}

bool GlobalSearch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && watched == m_field)
        guarded([this] { prepare(); });
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    bool handled = false;
    guarded([&] { handled = handleKey(*key); });
    if (handled)
        return true;
    // Keys the drop-down took while the field has the keyboard are the field's typing.
    if (m_popup && (watched == m_popup || watched == m_popup->list())) {
        static_cast<QObject*>(activeEdit())->event(event);
        return true;
    }
    return false;
}
