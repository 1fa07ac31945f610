// Conversions between the program's window handles and HWND.
#pragma once

#include <windows.h>

#include "platform/services.h"

namespace qs::platform {

inline HWND ToHwnd(WindowHandle h) {
    return reinterpret_cast<HWND>(h);
}

inline WindowHandle FromHwnd(HWND h) {
    return reinterpret_cast<WindowHandle>(h);
}

} // namespace qs::platform
