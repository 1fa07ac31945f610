// Per-monitor scaling for the show's windows. The process itself is aware of the
// system's one resolution (the manifest), which the dialogs' twips layout needs: their
// twips-per-pixel factor is read once and never changes while a window is open, and on
// a monitor of another scaling the system stretches them whole, never clipped. The
// full-screen window, the covers of the other monitors and the preview surface instead
// switch their thread to per-monitor awareness before they are created, so the system
// never stretches them and every picture lands on the monitor's own pixels. Their
// twips still use the system's factor, which is consistent within a window: a picture
// at natural size is one picture pixel per screen pixel, and the fitted cases fill the
// window's real pixels.
#include "toolkit/win32/win32_backend.h"

namespace qs::tk::win32 {

void Win32Backend::useMonitorPixels() {
    // Windows 10 1607 and later; older systems, the 32-bit Windows 95 family among them,
    // lack the call and keep the process's awareness.
    using SetContext = HANDLE(WINAPI*)(HANDLE);
    HMODULE user = GetModuleHandleW(L"user32.dll");
    FARPROC address = user ? GetProcAddress(user, "SetThreadDpiAwarenessContext") : nullptr;
    if (!address) return;
    // Through the generic function type: GCC accepts that cast without a warning.
    auto setContext = reinterpret_cast<SetContext>(reinterpret_cast<void (*)()>(address));
    // Per monitor, version 2 (-4); before Windows 10 1703, the first version (-3).
    if (!setContext(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4))))
        setContext(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-3)));
}

} // namespace qs::tk::win32
