// Runs an event handler when one is set. What a handler throws goes on to its caller and,
// in the Win32 backend, ends at the window procedure's boundary.
#pragma once

#include <utility>

namespace qs::tk::detail {

template <class Handler, class... Args>
void CallHandler(const Handler& handler, Args&&... args) {
    if (handler) handler(std::forward<Args>(args)...);
}

} // namespace qs::tk::detail
