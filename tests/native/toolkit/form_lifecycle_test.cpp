#include <gtest/gtest.h>

#include <stdexcept>

#include "support/probe_forms.h"
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

// The close box of a disabled form is dead, but the session's end still closes it.
TEST_F(ToolkitTest, EveryCloseAsksQueryUnloadThenUnloadEitherOfWhichMayCancel) {
    using enum tk::CloseReason;
    const struct {
        tk::CloseReason how; // Code: Unload(); the others: userClose(how)
        bool cancelQuery, cancelUnload, disabled;
        Log log;
        bool closes;
    } cases[] = {{Code, false, false, false, {"Form_QueryUnload", "Form_Unload"}, true},
                 {Code, true, false, false, {"Form_QueryUnload"}, false},
                 {Code, false, true, false, {"Form_QueryUnload", "Form_Unload"}, false},
                 {ControlMenu, false, false, false, {"Form_QueryUnload", "Form_Unload"}, true},
                 {ControlMenu, true, false, false, {"Form_QueryUnload"}, false},
                 {ControlMenu, false, false, true, {}, false},
                 {AppWindows, false, false, true, {"Form_QueryUnload", "Form_Unload"}, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << int(c.how) << c.cancelQuery << c.cancelUnload << c.disabled);
        ControlsForm form;
        form.Show();
        form.setEnabled(!c.disabled);
        form.log.clear();
        form.cancelQuery = c.cancelQuery;
        form.cancelUnload = c.cancelUnload;
        EXPECT_EQ(c.how == Code ? form.Unload() : form.userClose(c.how), c.closes);
        EXPECT_EQ(form.log, c.log);
        EXPECT_EQ(form.reasons, c.log.empty() ? std::vector<tk::CloseReason>{} : std::vector{c.how});
        EXPECT_EQ(form.IsLoaded() && form.Visible(), !c.closes);
    }
    ControlsForm never;
    EXPECT_TRUE(never.Unload()) << "a form not loaded closes without handlers";
    EXPECT_TRUE(never.log.empty());
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

// When a tick falls due is each backend's business (the Windows suite runs real timers);
// the toolkit drops a tick, one already queued included, unless the timer runs (enabled,
// interval above 0) on a loaded form, shown or hidden.
TEST_F(ToolkitTest, ATickReachesOnlyARunningTimerOfALoadedForm) {
    const std::pair<std::function<void(ControlsForm&)>, bool> cases[] = { // before the tick, whether Tick runs
        {[](auto& f) { f.Load(); }, true}, {[](auto& f) { f.Show(), f.Hide(); }, true}, {[](auto&) {}, false},
        {[](auto& f) { f.Load(), f.timer.setEnabled(false); }, false}, {[](auto& f) { f.Show(), f.Unload(); }, false},
        {[](auto& f) { f.Load(), f.timer.setInterval(0); }, false}};
    for (const auto& [prepare, fires] : cases) {
        ControlsForm form;
        form.timer.setEnabled(true);
        prepare(form);
        int ticks = 0;
        form.timer.Tick = [&] { ++ticks; };
        form.timer.userTick();
        EXPECT_EQ(ticks, fires ? 1 : 0) << "case " << &prepare - &cases[0].first;
    }
}

} // namespace
} // namespace qs::test
