#include "platform/win32/profile_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/services_win32.h"

namespace qs::platform {

namespace {

// The Win32 services of the process, owned together.
struct Win32Services {
    std::unique_ptr<Clock> clock = MakeWin32Clock();
    std::unique_ptr<Random> random = MakeWin32Random();
    std::unique_ptr<Screen> screen = MakeWin32Screen();
    std::unique_ptr<Monitors> monitors = MakeWin32Monitors();
    std::unique_ptr<Cursor> cursor = MakeWin32Cursor();
    std::unique_ptr<System> system = MakeWin32System();
    std::unique_ptr<Passwords> passwords = MakeWin32Passwords();
    std::unique_ptr<Shell> shell = MakeWin32Shell();
    std::unique_ptr<Files> files = MakeWin32Files();
    std::unique_ptr<Process> process = MakeWin32Process();
    std::unique_ptr<ProfileFile> profile = MakeWin32ProfileFile();
    std::unique_ptr<Registry> registry = MakeWin32Registry();

    Services table() const {
        return Services{.clock = clock.get(),
                        .random = random.get(),
                        .screen = screen.get(),
                        .monitors = monitors.get(),
                        .cursor = cursor.get(),
                        .system = system.get(),
                        .passwords = passwords.get(),
                        .shell = shell.get(),
                        .files = files.get(),
                        .process = process.get(),
                        .profile = profile.get(),
                        .registry = registry.get()};
    }
};

} // namespace

void InstallDefaultServices() {
    // Made on the first call, which comes before anything asks for a service, and so
    // destroyed at exit after every static object that may still use one. A later call
    // puts the same services back in force.
    static const Win32Services owned;
    services() = owned.table();
}

} // namespace qs::platform
