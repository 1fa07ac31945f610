// The shared test doubles are relied on by every area's tests; their rules are
// checked here once.
#include <gtest/gtest.h>

#include "support/scoped_services.h"

namespace qs::test {
namespace {

TEST(ScopedServicesTest, InstallsItsFakesAndRestoresTheTableAfterwards) {
    platform::ProfileFile* const profileBefore = platform::services().profile;
    const platform::Services before = platform::services();
    {
        ScopedServices os;
        EXPECT_EQ(platform::services().clock, &os.clock);
        EXPECT_EQ(platform::services().random, &os.random);
        EXPECT_EQ(platform::services().screen, &os.screen);
        EXPECT_EQ(platform::services().cursor, &os.cursor);
        EXPECT_EQ(platform::services().system, &os.system);
        EXPECT_EQ(platform::services().windowProcs, &os.windowProcs);
        EXPECT_EQ(platform::services().passwords, &os.passwords);
        EXPECT_EQ(platform::services().shell, &os.shell);
        EXPECT_EQ(platform::services().process, &os.process);
        EXPECT_EQ(platform::services().profile, profileBefore);
        {
            ScopedServices inner;
            EXPECT_EQ(platform::services().clock, &inner.clock);
            inner.UseRegistry(nullptr);
        }
        EXPECT_EQ(platform::services().clock, &os.clock) << "nested scopes unwind in order";
    }
    EXPECT_EQ(platform::services().clock, before.clock);
    EXPECT_EQ(platform::services().process, before.process);
    EXPECT_EQ(platform::services().registry, before.registry);
}

TEST(FakeClockTest, CutsNowToWholeSecondsAndKeepsMillisecondsForTheTimeOfDay) {
    FakeClock clock;
    clock.SetDateTime(2024, 3, 1, 10, 20, 30, 750);
    EXPECT_DOUBLE_EQ(clock.Now(), 45352.0 + (10 * 3600 + 20 * 60 + 30) / 86400.0);
    EXPECT_DOUBLE_EQ(clock.SecondsAfterMidnight(), 37230.75);
}

TEST(FakeClockTest, AdvanceMovesWallTimeAndMonotonicCountTogetherWithoutDrift) {
    FakeClock clock;
    clock.SetDateTime(2024, 3, 1, 23, 59, 58);
    const std::uint64_t start = clock.MonotonicMs();
    for (int i = 0; i < 40; ++i) {
        clock.Advance(0.1);
    }
    EXPECT_EQ(clock.MonotonicMs() - start, 4000u);
    EXPECT_DOUBLE_EQ(clock.SecondsAfterMidnight(), 2.0) << "past midnight the count starts again";
    EXPECT_DOUBLE_EQ(clock.Now(), 45353.0 + 2.0 / 86400.0);
}

TEST(FakeClockTest, SettingTheWallTimeLeavesTheMonotonicCountAlone) {
    FakeClock clock;
    clock.AdvanceMs(500);
    clock.SetNow(40000.25);
    EXPECT_DOUBLE_EQ(clock.Now(), 40000.25);
    EXPECT_EQ(clock.MonotonicMs(), 500u);
    clock.SetSecondsAfterMidnight(60.5);
    EXPECT_DOUBLE_EQ(clock.Now(), 40000.0 + 60.0 / 86400.0);
    EXPECT_EQ(clock.nowReads(), 2);
}

TEST(FakeRandomTest, HandsOutQueuedValuesThenTheFallback) {
    FakeRandom random;
    random.Queue({0.25, 0.75});
    random.fallback = 0.5;
    EXPECT_EQ(random.Rnd(), 0.25);
    EXPECT_EQ(random.Rnd(), 0.75);
    EXPECT_EQ(random.Rnd(), 0.5);
    EXPECT_EQ(random.draws, 3);
    EXPECT_EQ(random.exhaustedDraws, 1);
}

TEST(FakeSystemTest, FindsLiveTopLevelWindowsByCaptionInAnyLetterCase) {
    FakeSystem system;
    const auto parent = system.AddWindow("Host", {0, 0, 152, 112});
    const auto child = system.AddWindow("Target", {}, parent);
    EXPECT_EQ(system.FindWindowByCaption("Target"), 0u) << "children are not searched";
    const auto top = system.AddWindow("Target");
    EXPECT_EQ(system.FindWindowByCaption("tARGET"), top);
    system.DestroyWindow(top);
    EXPECT_EQ(system.FindWindowByCaption("Target"), 0u);
    EXPECT_NE(child, top);
}

TEST(FakeSystemTest, WindowCallsFailForDeadHandles) {
    FakeSystem system;
    const auto host = system.AddWindow("Host", {0, 0, 152, 112});
    const auto surface = system.AddWindow("");
    platform::RectPx rect;
    ASSERT_TRUE(system.GetClientRect(host, rect));
    EXPECT_EQ(rect.right, 152);
    EXPECT_EQ(system.SetParent(surface, host), 0u);
    EXPECT_EQ(system.Find(surface)->parent, host);
    EXPECT_EQ(system.SetParent(surface, 0), host);
    system.DestroyWindow(host);
    EXPECT_FALSE(system.IsWindow(host));
    platform::RectPx untouched{1, 1, 1, 1};
    EXPECT_FALSE(system.GetClientRect(host, untouched));
    EXPECT_EQ(untouched.right, 1);
    EXPECT_EQ(system.SetParent(surface, host), 0u);
    EXPECT_EQ(system.Find(surface)->parent, 0u);
    EXPECT_FALSE(system.MakeTopmost(host));
    EXPECT_TRUE(system.MakeTopmost(surface));
    EXPECT_EQ(system.Find(0x1), nullptr);
}

TEST(FakeSystemTest, RecordsParameterCallsAndWritesBackWhenAsked) {
    FakeSystem system;
    std::int32_t value = 0;
    system.parametersWriteBack = 1;
    EXPECT_TRUE(system.ParametersInfo(97, 1, &value, 0));
    EXPECT_EQ(value, 1);
    system.ParametersInfo(97, 0, nullptr, 2);
    ASSERT_EQ(system.parametersCalls.size(), 2u);
    EXPECT_TRUE(system.parametersCalls[0].pointerGiven);
    EXPECT_EQ(system.parametersCalls[0].valueAtCall, 0);
    EXPECT_FALSE(system.parametersCalls[1].pointerGiven);
    EXPECT_EQ(system.parametersCalls[1].winIni, 2u);
}

TEST(FakeSystemTest, CopiesTheVersionRecordButKeepsTheCallersSize) {
    FakeSystem system;
    system.version.dwPlatformId = 1;
    platform::OsVersionInfo info;
    ASSERT_TRUE(system.GetVersionInfo(info));
    EXPECT_EQ(info.dwPlatformId, 1u);
    EXPECT_EQ(info.dwOSVersionInfoSize, 148u);
    system.versionResult = false;
    info.dwPlatformId = 9;
    EXPECT_FALSE(system.GetVersionInfo(info));
    EXPECT_EQ(info.dwPlatformId, 9u);
    EXPECT_EQ(system.versionSizesSeen.size(), 2u);
}

TEST(FakeWindowProcsTest, SwapsProceduresOfKnownWindowsOnly) {
    FakeWindowProcs procs;
    procs.GiveWindow(0x100, 0xAAA);
    EXPECT_EQ(procs.SetWindowProc(0x100, 0xBBB), 0xAAAu);
    EXPECT_EQ(procs.SetWindowProc(0x100, 0xAAA), 0xBBBu);
    EXPECT_EQ(procs.SetWindowProc(0x200, 0xBBB), 0u);
    EXPECT_EQ(procs.procs.at(0x100), 0xAAAu);
    procs.onCall = [](const FakeWindowProcs::ProcCall& call) { return static_cast<std::intptr_t>(call.msg) * 2; };
    EXPECT_EQ(procs.CallProc(0xAAA, 0x100, 21, 0, 0), 42);
    ASSERT_EQ(procs.procCalls.size(), 1u);
    EXPECT_EQ(procs.procCalls[0].proc, 0xAAAu);
}

TEST(FakePasswordsTest, ScriptsVerificationAndRecordsCalls) {
    FakePasswords passwords;
    passwords.verifyResults = {0, 0x10000};
    int duringVerify = 0;
    passwords.onVerify = [&] { ++duringVerify; };
    EXPECT_EQ(passwords.VerifyScreenSavePwd(5), 0);
    EXPECT_EQ(passwords.VerifyScreenSavePwd(5), 0x10000);
    EXPECT_EQ(passwords.VerifyScreenSavePwd(6), 1);
    EXPECT_EQ(duringVerify, 3);
    EXPECT_EQ(passwords.verifyCalls.back(), 6u);
}

} // namespace
} // namespace qs::test
