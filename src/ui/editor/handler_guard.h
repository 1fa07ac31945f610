// No failure leaves a handler: the toolkit calls handlers from its message loop and
// from inside other handlers (a change made from code runs the control's handler), and
// an exception crossing that boundary would unwind through the window system. What
// can fail here (memory for a string, a list row) is left as it stands; the dialog
// stays usable and the next user action works on what is there.
#pragma once

#include <functional>
#include <utility>

namespace qs::ui {

template <class F>
void TrapAll(F&& body) noexcept {
    try {
        std::forward<F>(body)();
    } catch (...) {
    }
}

template <class F>
std::function<void()> Guarded(F body) {
    return [body = std::move(body)]() noexcept { TrapAll(body); };
}

} // namespace qs::ui
