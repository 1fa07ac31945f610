// The shared doubles every area's tests stand on: the service table they swap in and
// out, and the fake clock's arithmetic.
#include <gtest/gtest.h>

#include "support/scoped_services.h"

namespace qs::test {
namespace {

TEST(ScopedServicesTest, InstallsItsFakesAndRestoresTheTableAfterwards) {
    const platform::Services before = platform::services();
    {
        ScopedServices os;
        EXPECT_EQ(platform::services().clock, &os.clock);
        EXPECT_EQ(platform::services().process, &os.process);
        EXPECT_EQ(platform::services().profile, before.profile) << "the profile stays unless a test hands one";
        {
            ScopedServices inner;
            EXPECT_EQ(platform::services().clock, &inner.clock);
            inner.UseRegistry(nullptr);
        }
        EXPECT_EQ(platform::services().clock, &os.clock) << "nested scopes unwind in order";
    }
    EXPECT_EQ(platform::services().clock, before.clock);
    EXPECT_EQ(platform::services().registry, before.registry);
}

TEST(FakeClockTest, NowIsWholeSecondsAndOnlyAdvanceMovesTheMonotonicCount) {
    FakeClock clock;
    clock.SetDateTime(2024, 3, 1, 23, 59, 58, 750);
    EXPECT_DOUBLE_EQ(clock.Now(), 45352.0 + (23 * 3600 + 59 * 60 + 58) / 86400.0);
    EXPECT_DOUBLE_EQ(clock.SecondsAfterMidnight(), 86398.75);
    const std::uint64_t start = clock.MonotonicMs();
    for (int i = 0; i < 40; ++i) clock.Advance(0.1); // without drift
    EXPECT_EQ(clock.MonotonicMs() - start, 4000u);
    EXPECT_DOUBLE_EQ(clock.SecondsAfterMidnight(), 2.75) << "past midnight the count starts again";
    EXPECT_DOUBLE_EQ(clock.Now(), 45353.0 + 2.0 / 86400.0);
    clock.SetNow(40000.25);
    EXPECT_DOUBLE_EQ(clock.Now(), 40000.25);
    clock.SetSecondsAfterMidnight(60.5);
    EXPECT_DOUBLE_EQ(clock.Now(), 40000.0 + 60.0 / 86400.0);
    EXPECT_EQ(clock.MonotonicMs() - start, 4000u) << "setting the wall time leaves the count alone";
    EXPECT_EQ(clock.nowReads(), 4);
}

} // namespace
} // namespace qs::test
