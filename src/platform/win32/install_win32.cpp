#include "platform/win32/profile_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/services_win32.h"

namespace qs::platform {

void InstallDefaultServices() {
    // Made on the first call and never destroyed: the settings are written back at the
    // very end of the process, after static objects may already be gone. A later call
    // puts the same objects back in force.
    static const Services installed = [] {
        Services s;
        s.clock = MakeWin32Clock().release();
        s.random = MakeWin32Random().release();
        s.screen = MakeWin32Screen().release();
        s.monitors = MakeWin32Monitors().release();
        s.cursor = MakeWin32Cursor().release();
        s.system = MakeWin32System().release();
        s.passwords = MakeWin32Passwords().release();
        s.shell = MakeWin32Shell().release();
        s.files = MakeWin32Files().release();
        s.process = MakeWin32Process().release();
        s.profile = MakeWin32ProfileFile().release();
        s.registry = MakeWin32Registry().release();
        return s;
    }();
    services() = installed;
}

} // namespace qs::platform
