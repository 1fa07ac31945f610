// The native build's own services where they do more than answer "nothing here": the
// local clock, the system flags and the installation of the whole set. The profile file
// and the registry have the contract tests.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <ctime>

#include "platform/headless/services_portable.h"
#include "support/scoped_services.h"

namespace qs::platform {
namespace {

TEST(PortableClock, GivesTheLocalDateValueInWholeSeconds) {
    const char* const savedZone = std::getenv("TZ");
    const std::string saved = savedZone ? savedZone : "";
    auto clock = MakePortableClock();
    for (const auto& [zone, offsetHours] : {std::pair{"UTC0", 0.0}, std::pair{"XYZ-3", 3.0}}) {
        setenv("TZ", zone, 1);
        tzset();
        const auto unixNow = [] {
            return std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
        };
        const double before = unixNow(), now = clock->Now(), after = unixNow();
        const double asUnix = (now - 25569.0) * 86400.0 - offsetHours * 3600.0; // day 25569: 1 January 1970
        EXPECT_GE(asUnix, std::floor(before) - 0.01) << zone;
        EXPECT_LE(asUnix, after + 0.01) << zone;
        EXPECT_NEAR(now * 86400.0, std::round(now * 86400.0), 1e-3) << "whole seconds";
    }
    savedZone ? setenv("TZ", saved.c_str(), 1) : unsetenv("TZ");
    tzset();
}

TEST(PortableSystem, AnswersOnlyProperRequestsAndKeepsTheRunningFlag) {
    auto system = MakePortableSystem();
    OsVersionInfo info;
    info.dwPlatformId = 99;
    ASSERT_TRUE(system->GetVersionInfo(info));
    EXPECT_EQ(info.dwPlatformId, 2u) << "the NT family";
    info.dwOSVersionInfoSize = 100;
    info.dwPlatformId = 99;
    EXPECT_FALSE(system->GetVersionInfo(info));
    EXPECT_EQ(info.dwPlatformId, 99u);
    std::int32_t old = -7;
    EXPECT_TRUE(system->ParametersInfo(97, 1, &old, 0));
    EXPECT_EQ(old, 0);
    EXPECT_TRUE(system->ParametersInfo(97, 0, &old, 0));
    EXPECT_EQ(old, 1);
    EXPECT_FALSE(system->ParametersInfo(20, 0, &old, 0)) << "no other parameter exists here";
}

TEST(PortableInstall, PutsEveryServiceInForce) {
    test::ScopedServices restoreAfterwards;
    services() = Services{};
    InstallDefaultServices();
    const Services& s = services();
    const void* const installed[] = {s.clock,   s.random, s.screen,  s.cursor,  s.system,
                                     s.passwords, s.shell, s.process, s.profile, s.registry};
    for (const void* service : installed) EXPECT_NE(service, nullptr);
    EXPECT_EQ(s.screen->Metrics().widthPx, 1024);
}

} // namespace
} // namespace qs::platform
