#include "platform/owned_services.h"
#include "platform/win32/profile_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/services_win32.h"

namespace qs::platform {

namespace {
OwnedServices MakeWin32Services() {
    OwnedServices owned;
    owned.clock = MakeWin32Clock();
    owned.random = MakeWin32Random();
    owned.screen = MakeWin32Screen();
    owned.cursor = MakeWin32Cursor();
    owned.system = MakeWin32System();
    owned.passwords = MakeWin32Passwords();
    owned.shell = MakeWin32Shell();
    owned.process = MakeWin32Process();
    owned.profile = MakeWin32ProfileFile();
    owned.registry = MakeWin32Registry();
    return owned;
}
} // namespace

void InstallDefaultServices() {
    // Made on the first call and kept until the process exits; a later call puts the
    // same objects back in force.
    static const OwnedServices owned = MakeWin32Services();
    PutInForce(owned);
}

} // namespace qs::platform
