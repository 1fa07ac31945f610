// ScopedServices: installs a fresh set of doubles for one test and puts the previous
// service table back when it goes out of scope.
//
//   qs::test::ScopedServices os;
//   os.process.arguments = "/p 1234";
//   os.clock.SetDateTime(2024, 5, 1, 8, 30, 0);
//   qs::MainModule::Main();
//   EXPECT_EQ(os.passwords.changeCalls.size(), 0u);
//
// Every service but the profile file and the registry is one of the fakes below.
// Those two keep whatever was installed before unless the test hands its own to
// UseProfile()/UseRegistry() (they are restored all the same).
#pragma once

#include "fake_clock.h"
#include "fake_display.h"
#include "fake_passwords.h"
#include "fake_process.h"
#include "fake_random.h"
#include "fake_shell.h"
#include "fake_system.h"
#include "fake_window_procs.h"
#include "platform/services.h"

namespace qs::test {

class ScopedServices {
public:
    ScopedServices();
    ~ScopedServices();
    ScopedServices(const ScopedServices&) = delete;
    ScopedServices& operator=(const ScopedServices&) = delete;

    void UseProfile(platform::ProfileFile* profile);
    void UseRegistry(platform::Registry* registry);

    FakeClock clock;
    FakeRandom random;
    FakeScreen screen;
    FakeCursor cursor;
    FakeSystem system;
    FakeWindowProcs windowProcs;
    FakePasswords passwords;
    FakeShell shell;
    FakeProcess process;

private:
    platform::Services saved_;
};

} // namespace qs::test
