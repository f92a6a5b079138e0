#include "app/HistoryActions.h"

#include "app/ToolPictures.h"
#include "browse/HandlerGuard.h"
#include "panes/NavigationHost.h"
#include "panes/WindowPlace.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QScopeGuard>
#include <QToolButton>

namespace {
// The frame's number for a child window, kept on the window.
const char* const kNumber = "jumpNumber";

const QKeySequence kBackKey(Qt::ALT | Qt::Key_Left);
const QKeySequence kForwardKey(Qt::ALT | Qt::Key_Right);

QAction* stepAction(const char* name, bool forward, const QKeySequence& key, QObject* parent)
{
    auto* action = new QAction(QIcon(historyPicture(forward)), forward ? QStringLiteral("Forward") : QStringLiteral("Back"),
                               parent);
    action->setObjectName(QLatin1String(name));
    // The keyboards' own back and forward keys do the same.
    action->setShortcuts({key, QKeySequence(forward ? Qt::Key_Forward : Qt::Key_Back)});
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

// "Back to Weapons — Club of Mercy (Alt+Left)", or the bare step when there is nowhere to go.
QString stepHint(const QString& step, const std::optional<JumpEntry>& target, const QKeySequence& key)
{
    const QString where = target ? step + QStringLiteral(" to ") + target->title : step;
    return where + QStringLiteral(" (") + key.toString(QKeySequence::NativeText) + QLatin1Char(')');
}
} // namespace

HistoryActions::HistoryActions(QWidget& frame, QMdiArea& area, NavigationHost& host)
    : QObject(&frame), m_frame(frame), m_area(area), m_host(host)
{
    setObjectName(QStringLiteral("HistoryActions"));
    m_back = stepAction("BackAction", false, kBackKey, this);
    m_forward = stepAction("ForwardAction", true, kForwardKey, this);
    connect(m_back, &QAction::triggered, this, guardedSlot([this] { goBack(); }));
    connect(m_forward, &QAction::triggered, this, guardedSlot([this] { goForward(); }));
    frame.addAction(m_back);
    frame.addAction(m_forward);
    connect(&area, &QMdiArea::subWindowActivated, this,
            guardedSlot([this](QMdiSubWindow* window) { activated(window); }));
    qApp->installEventFilter(this);
    updateActions();
}

HistoryActions::~HistoryActions()
{
    qApp->removeEventFilter(this);
}

QWidget* HistoryActions::buildButtons(QWidget* parent)
{
    auto* row = new QWidget(parent);
    row->setObjectName(QStringLiteral("HistoryBar"));
    int x = 0;
    for (auto [name, action] : {std::pair{"BackButton", m_back}, std::pair{"ForwardButton", m_forward}}) {
        auto* button = new QToolButton(row);
        button->setObjectName(QLatin1String(name));
        button->setDefaultAction(action);
        button->setIconSize(QSize(32, 32));
        button->setAutoRaise(true);
        button->setGeometry(x, 2, 39, 38);
        x += 39;
    }
    row->setFixedSize(x, 42);
    return row;
}

QList<QKeySequence> HistoryActions::keys() const
{
    return m_back->shortcuts() + m_forward->shortcuts();
}

void HistoryActions::goBack() { go(m_history.back(here())); }
void HistoryActions::goForward() { go(m_history.forward(here())); }

bool HistoryActions::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return false;
    auto* press = static_cast<QMouseEvent*>(event);
    const bool back = press->button() == Qt::BackButton;
    if ((!back && press->button() != Qt::ForwardButton) || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != &m_frame || QApplication::activeModalWidget())
        return false;
    guarded([&] { (back ? m_back : m_forward)->trigger(); });
    return true;
}

void HistoryActions::activated(QMdiSubWindow* window)
{
    // No window is active while the frame itself is not: the user is still where they were.
    if (!window || window == m_current)
        return;
    watch(window);
    // The window left may be going away (closed, or deleted with the frame): only its form is
    // asked, and a form closed or gone leaves no place.
    if (!m_going && m_currentForm && !m_currentForm->isHidden())
        m_history.leave(entryOf(m_currentNumber, *m_currentForm));
    setCurrent(window);
    updateActions();
}

void HistoryActions::watch(QMdiSubWindow* window)
{
    if (window->property(kNumber).isValid())
        return;
    const int number = numberOf(window);
    connect(window, &QObject::destroyed, this, guardedSlot([this, number] {
        m_history.windowClosed(number);
        // The area still counts the window while it goes: look once it is gone.
        QMetaObject::invokeMethod(this, guardedSlot([this] { updateActions(); }), Qt::QueuedConnection);
    }));
    WindowPlace* place = WindowPlace::of(window->widget());
    if (!place)
        return;
    connect(place, &WindowPlace::moved, this, guardedSlot([this] { updateActions(); }));
    connect(place, &WindowPlace::jumpedFrom, this,
            guardedSlot([this, window = QPointer<QMdiSubWindow>(window)](const PlaceKey& key) {
        if (m_going || !window || !window->widget())
            return;
        JumpEntry left = entryOf(numberOf(window), *window->widget());
        left.key = key;
        m_history.leave(left);
        updateActions();
    }));
}

int HistoryActions::numberOf(QMdiSubWindow* window)
{
    QVariant number = window->property(kNumber);
    if (!number.isValid()) {
        number = ++m_lastNumber;
        window->setProperty(kNumber, number);
    }
    return number.toInt();
}

QMdiSubWindow* HistoryActions::windowNumbered(int number) const
{
    for (QMdiSubWindow* window : m_area.subWindowList())
        if (!window->isHidden() && window->widget() && window->property(kNumber).toInt() == number)
            return window;
    return nullptr;
}

JumpEntry HistoryActions::entryOf(int number, const QWidget& form) const
{
    JumpEntry entry;
    entry.window = number;
    if (const WindowPlace* place = WindowPlace::of(&form)) {
        entry.kind = place->kind();
        entry.key = place->key();
    }
    entry.title = placeTitle(form);
    return entry;
}

void HistoryActions::setCurrent(QMdiSubWindow* window)
{
    m_current = window;
    m_currentForm = window->widget();
    m_currentNumber = numberOf(window);
}

std::optional<JumpEntry> HistoryActions::here() const
{
    if (!m_current || !m_currentForm || m_current->isHidden())
        return std::nullopt;
    return entryOf(m_currentNumber, *m_currentForm);
}

void HistoryActions::go(const std::optional<JumpEntry>& target)
{
    const auto update = qScopeGuard([this] { updateActions(); });
    if (!target)
        return;
    m_going = true;
    const auto done = qScopeGuard([this] { m_going = false; });
    QMdiSubWindow* window = windowNumbered(target->window);
    if (window) {
        m_area.setActiveSubWindow(window);
        if (window->isMinimized())
            window->showNormal();
    } else if (target->kind) {
        // Closed since: a new window of its kind stands in for it, on the same row.
        QWidget* form = m_host.openWindow(*target->kind);
        window = form ? qobject_cast<QMdiSubWindow*>(form->parentWidget()) : nullptr;
        if (!window)
            return;
        watch(window);
        m_history.renumber(target->window, numberOf(window));
    } else {
        return;
    }
    setCurrent(window);
    WindowPlace* place = WindowPlace::of(window->widget());
    if (place && !target->key.isEmpty())
        place->show(target->key);
}

void HistoryActions::updateActions()
{
    const auto h = here();
    const auto back = m_history.peekBack(h);
    const auto forward = m_history.peekForward(h);
    m_back->setEnabled(back.has_value());
    m_forward->setEnabled(forward.has_value());
    const QString backHint = stepHint(QStringLiteral("Back"), back, kBackKey);
    const QString forwardHint = stepHint(QStringLiteral("Forward"), forward, kForwardKey);
    m_back->setToolTip(backHint);
    m_back->setStatusTip(backHint);
    m_forward->setToolTip(forwardHint);
    m_forward->setStatusTip(forwardHint);
}
