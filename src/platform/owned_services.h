// The platform's own implementation of every service, owned together, and the one
// step that puts them in force. Each platform's InstallDefaultServices fills one set.
#pragma once

#include <memory>

#include "platform/services.h"

namespace qs::platform {

struct OwnedServices {
    std::unique_ptr<Clock> clock;
    std::unique_ptr<Random> random;
    std::unique_ptr<Screen> screen;
    std::unique_ptr<Cursor> cursor;
    std::unique_ptr<System> system;
    std::unique_ptr<Passwords> passwords;
    std::unique_ptr<Shell> shell;
    std::unique_ptr<Process> process;
    std::unique_ptr<ProfileFile> profile;
    std::unique_ptr<Registry> registry;
};

// Points the service table at every member of owned, which must outlive its use.
void PutInForce(const OwnedServices& owned);

} // namespace qs::platform
