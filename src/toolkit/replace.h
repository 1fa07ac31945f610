// Setters change a property and tell the peer only when the value really changes.
#pragma once

namespace qs::tk::detail {

// Stores `value` in `field`; true when that changed it.
template <class T, class U>
bool Replace(T& field, const U& value) {
    if (field == value) return false;
    field = value;
    return true;
}

} // namespace qs::tk::detail
