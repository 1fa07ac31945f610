// The windows that Main opens for the three window modes. The user-interface layer
// implements this interface and installs it before Main runs; Main only picks the
// mode. With nothing installed, a window mode opens nothing and the process ends.
//
// Header-only on purpose: the user-interface layer sits below this one and installs
// itself here, so the slot must not live in the start-up library.
#pragma once

#include "platform/services.h"

namespace qs::app {

class ModeWindows {
public:
    virtual ~ModeWindows() = default;
    // "/C" or no switch: the settings dialog, shown modeless with no owner window.
    virtual void ShowSettingsDialog() = 0;
    // "/S": the full-screen window, shown modeless.
    virtual void ShowFullScreen() = 0;
    // "/P": the preview window, loaded but never shown, its surface in the host window.
    virtual void LoadPreview(platform::WindowHandle host) = 0;
};

namespace detail {
inline ModeWindows*& ModeWindowsSlot() {
    static ModeWindows* slot = nullptr;
    return slot;
}
} // namespace detail

// Puts windows in force (not owned; it must outlive Main). nullptr removes them.
inline void SetModeWindows(ModeWindows* windows) {
    detail::ModeWindowsSlot() = windows;
}

// The windows in force, or nullptr.
inline ModeWindows* InstalledModeWindows() {
    return detail::ModeWindowsSlot();
}

} // namespace qs::app
