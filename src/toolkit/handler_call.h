// Runs event handlers so that nothing thrown inside one escapes into the toolkit, the
// caller that changed a control, or a window procedure.
#pragma once

#include <utility>

namespace qs::tk::detail {

template <class Handler, class... Args>
void fire(const Handler& handler, Args&&... args) noexcept {
    if (!handler) return;
    try {
        handler(std::forward<Args>(args)...);
    } catch (...) {
        // A failing handler ends its own work only; the event source carries on.
    }
}

template <class Body>
void guarded(Body&& body) noexcept {
    try {
        std::forward<Body>(body)();
    } catch (...) {
    }
}

} // namespace qs::tk::detail
