#include <filesystem>

#include "platform/headless/services_portable.h"
#include "platform/owned_services.h"
#include "platform/profile_portable.h"
#include "platform/registry_portable.h"

namespace qs::platform {

namespace {
// The registry store lives beside the executable and is named after it, as the
// settings file is: /opt/quillo/QuilloSlides keeps /opt/quillo/QuilloSlides.registry.
std::string RegistryStorePath(Process& process) {
    std::filesystem::path store = process.ExecutablePath();
    if (store.empty()) {
        store = "QuilloSlides";
    }
    store.replace_extension(".registry");
    return store.string();
}

OwnedServices MakePortableServices() {
    OwnedServices owned;
    owned.clock = MakePortableClock();
    owned.random = MakePortableRandom();
    owned.screen = MakePortableScreen();
    owned.cursor = MakePortableCursor();
    owned.system = MakePortableSystem();
    owned.passwords = MakePortablePasswords();
    owned.shell = MakePortableShell();
    owned.process = MakePortableProcess();
    owned.profile = MakePortableProfileFile();
    owned.registry = MakePortableRegistry(RegistryStorePath(*owned.process));
    return owned;
}
} // namespace

void InstallDefaultServices() {
    // Made on the first call and kept until the process exits; a later call puts the
    // same objects back in force.
    static const OwnedServices owned = MakePortableServices();
    PutInForce(owned);
}

} // namespace qs::platform
