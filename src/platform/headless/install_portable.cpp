#include "platform/headless/services_portable.h"

namespace qs::platform {

void InstallDefaultServices() {
    // Created once and kept for the whole process: windows and the settings object
    // may still use them while the process ends.
    static const auto clock = MakePortableClock();
    static const auto random = MakePortableRandom();
    static const auto screen = MakePortableScreen();
    static const auto cursor = MakePortableCursor();
    static const auto system = MakePortableSystem();
    static const auto windowProcs = MakePortableWindowProcs();
    static const auto passwords = MakePortablePasswords();
    static const auto shell = MakePortableShell();
    static const auto process = MakePortableProcess();

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
