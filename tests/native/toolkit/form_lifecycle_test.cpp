// Loading, showing, the timer's ticks, and the one path of every close:
// Form_QueryUnload, then Form_Unload, either of which may cancel.
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
        form.Show();
        form.log.clear();
        form.cancelQuery = c.cancelQuery;
        form.cancelUnload = c.cancelUnload;
        EXPECT_EQ(form.Unload(), c.closes);
        EXPECT_EQ(form.log, c.expectedLog);
        EXPECT_EQ(form.reasons, (std::vector<tk::CloseReason>{tk::CloseReason::Code}));
        EXPECT_EQ(form.IsLoaded() && form.Visible(), !c.closes);
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
