// What the command line asks the program to do; the entry point does it.
#pragma once

#include <string>

#include "platform/services.h"

namespace qs::app {

enum class Mode {
    Nothing,          // an unknown switch, a handle beyond 32 bits, a full-screen run already on
    SettingsDialog,   // "/C" or no switch
    FullScreen,       // "/S"
    Preview,          // "/P" and the host window's handle
    PasswordChange,   // "/A" and the owner window's handle: the system's dialog
};

struct Launch {
    Mode mode = Mode::Nothing;
    platform::WindowHandle window = 0; // the preview's host or the password dialog's owner
    bool operator==(const Launch&) const = default;
};

// The mode of the first two characters of `arguments` (the command line without the
// program's name), in any letter case. A "/S" beside a running full-screen show (a window
// captioned as one, found through the system service) is Nothing.
Launch Main(const std::string& arguments);

} // namespace qs::app
