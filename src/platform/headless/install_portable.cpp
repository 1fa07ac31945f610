#include <filesystem>

#include "platform/headless/services_portable.h"
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
} // namespace

void InstallDefaultServices() {
    // Made on the first call and kept until the process exits; a second call puts
    // the same objects back in force.
    static const auto clock = MakePortableClock();
    static const auto random = MakePortableRandom();
    static const auto screen = MakePortableScreen();
    static const auto cursor = MakePortableCursor();
    static const auto system = MakePortableSystem();
    static const auto windowProcs = MakePortableWindowProcs();
    static const auto passwords = MakePortablePasswords();
    static const auto shell = MakePortableShell();
    static const auto process = MakePortableProcess();
    static const auto profile = MakePortableProfileFile();
    static const auto registry = MakePortableRegistry(RegistryStorePath(*process));

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
