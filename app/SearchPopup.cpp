#include "app/SearchPopup.h"

#include "app/SearchResultDelegate.h"
#include "app/SearchResultsModel.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QListView>
#include <QScreen>
#include <QVBoxLayout>

namespace {
constexpr int kMaxHeight = 560;
}

SearchPopup::SearchPopup(QAbstractItemModel& model, QWidget* parent) : QFrame(parent, Qt::Popup)
{
    setObjectName(QStringLiteral("SearchPopup"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(1, 1, 1, 1);
    column->setSpacing(2);

    m_input = new QLineEdit(this);
    m_input->setObjectName(QStringLiteral("SearchPopupInput"));
    m_input->setClearButtonEnabled(true);
    m_input->hide();
    column->addWidget(m_input);

    m_list = new QListView(this);
    m_list->setObjectName(QStringLiteral("SearchResults"));
    m_list->setModel(&model);
    m_list->setItemDelegate(new SearchResultDelegate(m_list));
    m_list->setFrameStyle(QFrame::NoFrame);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_list->setMouseTracking(true);
    // The search scrolls to a choice made by key; one under the pointer stays where it is.
    m_list->setAutoScroll(false);
    // The keyboard stays with the input line; the list only shows where the choice is.
    m_list->setFocusPolicy(Qt::NoFocus);
    column->addWidget(m_list, 1);
}

int SearchPopup::rowsHeight() const
{
    const QAbstractItemModel* model = m_list->model();
    int height = 0;
    for (int row = 0; row < model->rowCount() && height < kMaxHeight; ++row)
        height += SearchResultDelegate::rowHeight(model->index(row, 0).data(SearchResultsModel::TypeRole).toInt());
    return height;
}

void SearchPopup::showUnder(QWidget& anchor, int width, bool withInput)
{
    // Keys go to the drop-down's focus widget while it is open: without its input line that
    // must not be the line left from an earlier opening.
    if (!withInput)
        m_input->clearFocus();
    m_input->setVisible(withInput);
    const int inputHeight = withInput ? m_input->sizeHint().height() + layout()->spacing() : 0;
    int height = std::min(rowsHeight(), kMaxHeight) + inputHeight + 2 * frameWidth() + 2;

    const QPoint below = anchor.mapToGlobal(QPoint(anchor.width(), anchor.height() + 2));
    QRect place(below.x() - width, below.y(), width, height);
    if (const QScreen* screen = anchor.screen()) {
        const QRect room = screen->availableGeometry();
        place.setHeight(std::min(height, room.bottom() - place.top()));
        if (place.left() < room.left())
            place.moveLeft(room.left());
        if (place.right() > room.right())
            place.moveRight(room.right());
    }
    setGeometry(place);
    if (!isVisible())
        show();
}

void SearchPopup::hideEvent(QHideEvent* event)
{
    QFrame::hideEvent(event);
    emit closed();
}
