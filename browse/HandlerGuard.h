#pragma once
// The edge of every slot and event handler of ours. A failure inside one is reported with its
// own text and goes no further, so no exception ever unwinds through Qt's frames (a button's
// click, an action's trigger, a view's selection change) and the program goes on with the next
// event. How a report is shown is installed by the application: the platform's error box.

#include <exception>
#include <stdexcept>
#include <utility>

/// Shows a failure caught at a handler's edge (the failure itself, so that a database failure can
/// show its details as well as its text).
using FailureReport = void (*)(const std::exception& failure);

/// Installs how failures are shown; nullptr writes them to the log. Returns the previous one.
FailureReport setFailureReport(FailureReport report);

/// Shows a failure through the installed report.
void reportFailure(const std::exception& failure);

/// Runs body. An exception escaping it is reported once, through reportFailure(), and stops
/// here. Returns whether body ran to its end.
template <typename Body> bool guarded(Body&& body) noexcept
{
    try {
        std::forward<Body>(body)();
        return true;
    } catch (const std::exception& failure) {
        reportFailure(failure);
    } catch (...) {
        reportFailure(std::runtime_error("An unknown failure occurred."));
    }
    return false;
}

namespace handler_guard_detail {
template <typename Handler> class GuardedSlot {
public:
    explicit GuardedSlot(Handler handler) : m_handler(std::move(handler)) {}

    // Callable with exactly the arguments the handler takes, so connect() passes a signal's
    // leading arguments the way it does for the handler itself.
    template <typename... Args>
    auto operator()(Args&&... args) const -> decltype(void(std::declval<const Handler&>()(std::forward<Args>(args)...)))
    {
        guarded([&] { m_handler(std::forward<Args>(args)...); });
    }

private:
    Handler m_handler;
};
} // namespace handler_guard_detail

/// The handler to give connect(), QMenu::addAction() and the like: calls handler with the
/// signal's arguments under guarded().
template <typename Handler> auto guardedSlot(Handler handler)
{
    return handler_guard_detail::GuardedSlot<Handler>(std::move(handler));
}
