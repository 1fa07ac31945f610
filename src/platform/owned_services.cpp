#include "platform/owned_services.h"

namespace qs::platform {

void PutInForce(const OwnedServices& owned) {
    Services& s = services();
    s.clock = owned.clock.get();
    s.random = owned.random.get();
    s.screen = owned.screen.get();
    s.cursor = owned.cursor.get();
    s.system = owned.system.get();
    s.passwords = owned.passwords.get();
    s.shell = owned.shell.get();
    s.process = owned.process.get();
    s.profile = owned.profile.get();
    s.registry = owned.registry.get();
}

} // namespace qs::platform
