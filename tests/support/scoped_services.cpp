#include "scoped_services.h"

namespace qs::test {

ScopedServices::ScopedServices() : saved_(platform::services()) {
    platform::Services& s = platform::services();
    s.clock = &clock;
    s.random = &random;
    s.screen = &screen;
    s.cursor = &cursor;
    s.system = &system;
    s.windowProcs = &windowProcs;
    s.passwords = &passwords;
    s.shell = &shell;
    s.process = &process;
}

ScopedServices::~ScopedServices() {
    platform::services() = saved_;
}

void ScopedServices::UseProfile(platform::ProfileFile* profile) {
    platform::services().profile = profile;
}

void ScopedServices::UseRegistry(platform::Registry* registry) {
    platform::services().registry = registry;
}

} // namespace qs::test
