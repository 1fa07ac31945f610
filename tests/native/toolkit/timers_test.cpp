// Timers on the virtual clock: due times, several firings in one step, order between
// timers, starting and stopping, and the platform clock kept in step.
#include <gtest/gtest.h>

#include <algorithm>

#include "probe_forms.h"
#include "support/toolkit_fixture.h"

namespace qs::test {
namespace {

// A form with two timers whose ticks are logged with the virtual time.
class TwoTimers : public LifecycleForm {
public:
    TwoTimers() : LifecycleForm("TwoTimers") {
        fast.Tick = [this] { ticks.emplace_back("fast", backend().nowMs()); };
        slow.Tick = [this] { ticks.emplace_back("slow", backend().nowMs()); };
    }
    static tk::headless::HeadlessBackend& backend() {
        return static_cast<tk::headless::HeadlessBackend&>(tk::backend());
    }
    tk::Timer fast{*this, "Fast", 100};
    tk::Timer slow{*this, "Slow", 250};
    std::vector<std::pair<std::string, std::uint64_t>> ticks;
};

using Ticks = std::vector<std::pair<std::string, std::uint64_t>>;

struct AdvanceCase {
    const char* name;
    std::vector<std::uint64_t> steps;
    Ticks expected;
};

class TimerAdvanceTest : public ToolkitTest, public ::testing::WithParamInterface<AdvanceCase> {};

TEST_P(TimerAdvanceTest, FiresDueTimersInTimeOrder) {
    TwoTimers form;
    form.Load();
    for (std::uint64_t step : GetParam().steps) ui().advance(step);
    EXPECT_EQ(form.ticks, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Clock, TimerAdvanceTest,
    ::testing::Values(AdvanceCase{"NothingBeforeFirstInterval", {99}, {}},
                      AdvanceCase{"ExactlyAtInterval", {100}, {{"fast", 100}}},
                      AdvanceCase{"SeveralTimesInOneStep",
                                  {500},
                                  {{"fast", 100}, {"fast", 200}, {"slow", 250}, {"fast", 300}, {"fast", 400},
                                   {"fast", 500}, {"slow", 500}}},
                      AdvanceCase{"SmallSteps", {60, 60, 60}, {{"fast", 100}}},
                      AdvanceCase{"EqualTimesInCreationOrder",
                                  {250, 250},
                                  {{"fast", 100}, {"fast", 200}, {"slow", 250}, {"fast", 300}, {"fast", 400},
                                   {"fast", 500}, {"slow", 500}}}),
    [](const ::testing::TestParamInfo<AdvanceCase>& info) { return std::string(info.param.name); });

TEST_F(ToolkitTest, OnlyEnabledTimersOfLoadedFormsFire) {
    TwoTimers form;
    ui().advance(1000);
    EXPECT_TRUE(form.ticks.empty()) << "a form not loaded has no running timers";
    form.Load();
    form.slow.setEnabled(false);
    ui().advance(200);
    EXPECT_EQ(form.ticks, (Ticks{{"fast", 1100}, {"fast", 1200}}));
    form.Hide();
    ui().advance(100);
    EXPECT_EQ(form.ticks.size(), 3u) << "a hidden form's timers go on";
    form.Unload();
    ui().advance(1000);
    EXPECT_EQ(form.ticks.size(), 3u);
}

TEST_F(ToolkitTest, EnablingOrChangingIntervalRestartsFromNow) {
    TwoTimers form;
    form.slow.setEnabled(false);
    form.Load();
    ui().advance(50);
    form.fast.setInterval(30);
    ui().advance(40);
    EXPECT_EQ(form.ticks, (Ticks{{"fast", 80}}));
    form.slow.setEnabled(true);
    EXPECT_EQ(ui().nextDue(form.slow), std::optional<std::uint64_t>(90 + 250));
    form.fast.setInterval(0);
    EXPECT_FALSE(ui().nextDue(form.fast).has_value()) << "an interval of 0 stops the timer";
}

TEST_F(ToolkitTest, TimerStoppedInsideItsTickDoesNotFireAgain) {
    TwoTimers form;
    form.fast.Tick = [&] {
        form.ticks.emplace_back("fast", ui().nowMs());
        form.fast.setEnabled(false);
    };
    form.Load();
    ui().advance(1000);
    EXPECT_EQ(std::count_if(form.ticks.begin(), form.ticks.end(), [](auto& t) { return t.first == "fast"; }), 1);
}

TEST_F(ToolkitTest, TimerThatChangesIntervalInsideItsTickFollowsTheNewOne) {
    TwoTimers form;
    form.slow.setEnabled(false);
    form.fast.Tick = [&] {
        form.ticks.emplace_back("fast", ui().nowMs());
        form.fast.setInterval(300);
    };
    form.Load();
    ui().advance(1000);
    EXPECT_EQ(form.ticks, (Ticks{{"fast", 100}, {"fast", 400}, {"fast", 700}, {"fast", 1000}}));
}

TEST_F(ToolkitTest, TimerUnloadingItsFormStopsAllOfItsTimers) {
    TwoTimers form;
    form.fast.Tick = [&] {
        form.ticks.emplace_back("fast", ui().nowMs());
        form.Unload();
    };
    form.Load();
    ui().advance(1000);
    EXPECT_EQ(form.ticks, (Ticks{{"fast", 100}}));
    EXPECT_EQ(ui().nowMs(), 1000u);
}

TEST_F(ToolkitTest, PlatformClockMovesInStepWithEachFiring) {
    TwoTimers form;
    std::vector<std::uint64_t> platformAtTick;
    const std::uint64_t start = os.clock.MonotonicMs();
    form.fast.Tick = [&] { platformAtTick.push_back(os.clock.MonotonicMs() - start); };
    form.Load();
    ui().advance(350);
    EXPECT_EQ(platformAtTick, (std::vector<std::uint64_t>{100, 200, 300}));
    EXPECT_EQ(os.clock.MonotonicMs() - start, 350u);
}

TEST_F(ToolkitTest, AdvanceHookSeesEveryStepOfTheClock) {
    TwoTimers form;
    form.Load();
    std::vector<std::uint64_t> steps;
    ui().onAdvance = [&](std::uint64_t ms) { steps.push_back(ms); };
    ui().advance(260);
    EXPECT_EQ(steps, (std::vector<std::uint64_t>{100, 100, 50, 10}));
    ui().advance(0);
    EXPECT_EQ(steps.size(), 4u) << "no time passed, no step";
}

TEST_F(ToolkitTest, TickOfStoppedTimerIsDropped) {
    TwoTimers form;
    form.Load();
    form.fast.setEnabled(false);
    form.fast.userTick();
    form.fast.setEnabled(true);
    form.Unload();
    form.fast.userTick();
    EXPECT_TRUE(form.ticks.empty());
}

} // namespace
} // namespace qs::test
