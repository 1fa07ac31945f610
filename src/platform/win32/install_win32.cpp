#include "platform/win32/services_win32.h"

namespace qs::platform {

void InstallDefaultServices() {
    // Created once and kept for the whole process: windows and the settings object
    // may still use them while the process ends.
    static const auto clock = MakeWin32Clock();
    static const auto random = MakeWin32Random();
    static const auto screen = MakeWin32Screen();
    static const auto cursor = MakeWin32Cursor();
    static const auto system = MakeWin32System();
    static const auto windowProcs = MakeWin32WindowProcs();
    static const auto passwords = MakeWin32Passwords();
    static const auto shell = MakeWin32Shell();
    static const auto process = MakeWin32Process();

    Services& s = services();
    s.clock = clock.get();
    s.random = random.get();
    s.screen = screen.get();
    s.cursor = cursor.get();
    s.system = system.get();
    s.windowProcs = windowProcs.get();
    s.passwords = passwords.get();
    s.shell = shell.get();
    s.process = process.get();
}

} // namespace qs::platform
