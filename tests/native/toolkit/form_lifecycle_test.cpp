// Loading, showing, timers on the virtual clock, and the one path of every
// close: Form_QueryUnload, then Form_Unload, either of which may cancel.
#include <gtest/gtest.h>

#include <stdexcept>

#include "probe_forms.h"
#include "support/toolkit_fixture.h"

namespace qs::test {
namespace {

TEST_F(ToolkitTest, ShowLoadsActivatesAndFocusesTheFirstControlInTabOrder) {
    ControlsForm form;
    SetTabOrder({&form.cancel, &form.chk, &form.txt, &form.bar, &form.list, &form.checks, &form.ok});
    form.Show();
    form.Show();
    EXPECT_EQ(form.log, (Log{"Form_Load", "Form_Activate", "cancelButton_GotFocus"})) << "a second Show runs nothing";
    form.Hide();
    EXPECT_TRUE(form.IsLoaded() && !form.Visible());
}

TEST_F(ToolkitTest, QueryUnloadThenUnloadEitherMayCancel) {
    const struct {
        bool cancelQuery, cancelUnload;
        Log expectedLog;
        bool closes;
    } cases[] = {{false, false, {"Form_QueryUnload", "Form_Unload"}, true},
                 {true, false, {"Form_QueryUnload"}, false},
                 {false, true, {"Form_QueryUnload", "Form_Unload"}, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.cancelQuery << "/" << c.cancelUnload);
        ControlsForm form;
        form.timer.setEnabled(true);
        form.Show();
        form.log.clear();
        form.cancelQuery = c.cancelQuery;
        form.cancelUnload = c.cancelUnload;
        EXPECT_EQ(form.Unload(), c.closes);
        EXPECT_EQ(form.log, c.expectedLog);
        EXPECT_EQ(form.reasons, (std::vector<tk::CloseReason>{tk::CloseReason::Code}));
        EXPECT_EQ(form.IsLoaded() && form.Visible(), !c.closes);
        EXPECT_EQ(ui().nextDue(form.timer).has_value(), !c.closes) << "closing stops the form's timers";
    }
}

TEST_F(ToolkitTest, CloseBoxCanBeRetriedAndIsDeadOnADisabledFormButSessionEndCloses) {
    ControlsForm form;
    EXPECT_TRUE(form.Unload()) << "a form not loaded closes without handlers";
    EXPECT_TRUE(form.log.empty());
    form.Show();
    form.cancelQuery = true;
    EXPECT_FALSE(form.userClose());
    form.cancelQuery = false;
    form.setEnabled(false);
    EXPECT_FALSE(form.userClose());
    form.setEnabled(true);
    EXPECT_TRUE(form.userClose());
    form.Show();
    form.setEnabled(false);
    EXPECT_TRUE(form.userClose(tk::CloseReason::AppWindows));
    using enum tk::CloseReason;
    EXPECT_EQ(form.reasons, (std::vector<tk::CloseReason>{ControlMenu, ControlMenu, AppWindows}));
}

// A close asked for during a close is the same close; one whose handler failed is over.
TEST_F(ToolkitTest, UnloadWhileUnloadingDoesNothingAndAFailedCloseCanBeRepeated) {
    ControlsForm form;
    form.Show();
    form.log.clear();
    form.onQueryUnload = [&] { throw std::runtime_error("query failed"); };
    EXPECT_THROW(form.Unload(), std::runtime_error);
    std::vector<bool> nested;
    form.onQueryUnload = [&] { nested.push_back(form.Unload()); };
    form.onUnload = [&] { nested.push_back(form.userClose()); };
    EXPECT_TRUE(form.Unload());
    EXPECT_EQ(nested, (std::vector<bool>{false, false}));
    EXPECT_EQ(form.log, (Log{"Form_QueryUnload", "Form_QueryUnload", "Form_Unload"}));
}

// The order and catch-up of due timers belong to each backend; these are the rules of
// the toolkit's own timer.
TEST_F(ToolkitTest, OnlyEnabledTimersOfLoadedFormsFireAndChangesRestartThem) {
    ControlsForm form;
    tk::Timer fast{form, "fast", 100}, slow{form, "slow", 250};
    std::vector<std::pair<std::string, std::uint64_t>> ticks;
    fast.Tick = [&] { ticks.emplace_back("fast", ui().nowMs()); };
    slow.Tick = [&] { ticks.emplace_back("slow", ui().nowMs()); };
    ui().advance(1000);
    form.Load();
    slow.setEnabled(false);
    ui().advance(50);
    fast.setInterval(30);
    ui().advance(40);
    form.Hide();
    ui().advance(30);
    EXPECT_EQ(ticks, (decltype(ticks){{"fast", 1080}, {"fast", 1110}})) << "a hidden form's timers go on";
    slow.setEnabled(true);
    EXPECT_EQ(ui().nextDue(slow), std::optional<std::uint64_t>(1120 + 250));
    fast.setInterval(0);
    EXPECT_FALSE(ui().nextDue(fast).has_value()) << "an interval of 0 stops the timer";
    fast.setInterval(100);
    fast.setEnabled(false);
    fast.userTick();
    form.Unload();
    slow.userTick();
    ui().advance(1000);
    EXPECT_EQ(ticks.size(), 2u) << "the ticks of a stopped timer and of an unloaded form are dropped";
}

} // namespace
} // namespace qs::test
