#include "platform/win32/profile_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/services_win32.h"

namespace qs::platform {

void InstallDefaultServices() {
    // Made on the first call and kept until the process exits; a second call puts
    // the same objects back in force.
    static const auto clock = MakeWin32Clock();
    static const auto random = MakeWin32Random();
    static const auto screen = MakeWin32Screen();
    static const auto cursor = MakeWin32Cursor();
    static const auto system = MakeWin32System();
    static const auto windowProcs = MakeWin32WindowProcs();
    static const auto passwords = MakeWin32Passwords();
    static const auto shell = MakeWin32Shell();
    static const auto process = MakeWin32Process();
    static const auto profile = MakeWin32ProfileFile();
    static const auto registry = MakeWin32Registry();

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
    s.profile = profile.get();
    s.registry = registry.get();
}

} // namespace qs::platform
