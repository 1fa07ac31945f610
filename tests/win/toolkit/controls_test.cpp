// Real controls: the user's clicks and keys, closing, a modal loop, a handler that throws, a list filled while hidden.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "support/probe_forms.h"
#include "win_toolkit_support.h"

namespace qs::test::win {
namespace {

class Controls : public ::testing::Test {
protected:
    void SetUp() override {
        form.setBorderStyle(tk::BorderStyle::FixedDialog);
        form.setClientSize(7000, 5000);
        form.Load();
        FillRows(form.checks, 600); // rows changed by the hundred while the list cannot be seen
        form.checks.RemoveItem(0);
        form.checks.AddItem("first", 0);
        form.checks.setSelected(7, true);
        form.checks.setListIndex(550);
        form.Show();
        ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(H(form)) != FALSE; }));
        PumpFor(50);
        form.log.clear();
    }
    int Runs(const std::string& handler) const { return int(std::count(form.log.begin(), form.log.end(), handler)); }
    ControlsForm form;
};

// A click reaches Click once, also through a tool tip's subclass on top of the control's.
TEST_F(Controls, ClicksReachClickOnceChangesFromCodeAreMirroredAndAThrowingHandlerEndsOnlyItsOwnWork) {
    form.ok.setToolTipText("Accept the settings");
    SendMessageA(H(form.ok), BM_CLICK, 0, 0);
    EXPECT_EQ(Runs("okButton_Click"), 1);
    SendMessageA(H(form.chk), BM_CLICK, 0, 0);
    EXPECT_EQ(form.chk.Value(), 1);
    form.chk.setValue(0); // from code: shown, no Click
    EXPECT_EQ(Runs("randomBox_Click"), 1);
    EXPECT_EQ(SendMessageA(H(form.chk), BM_GETCHECK, 0, 0), BST_UNCHECKED);

    const LPARAM inside = MAKELPARAM(10, 10); // a quick second click is a click too
    for (UINT down : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK})
        for (HWND target : {H(form.ok), H(form.chk)}) {
            PostMessageA(target, down, MK_LBUTTON, inside);
            PostMessageA(target, WM_LBUTTONUP, 0, inside);
        }
    ASSERT_TRUE(PumpUntil([&] { return Runs("okButton_Click") == 3 && Runs("randomBox_Click") == 3; }));
    EXPECT_EQ(form.chk.Value(), 0) << "checked, then cleared";

    // What a handler threw goes to the debugger output; the window, its controls and its timers go on.
    form.ok.Click = [&] {
        form.log.push_back("click");
        throw std::runtime_error("click failed");
    };
    int ticks = 0;
    form.timer.Tick = [&] {
        ++ticks;
        throw std::runtime_error("tick failed");
    };
    form.timer.setEnabled(true);
    SendMessageA(H(form.ok), BM_CLICK, 0, 0);
    SendMessageA(H(form.ok), BM_CLICK, 0, 0);
    EXPECT_EQ(Runs("click"), 2);
    ASSERT_TRUE(PumpUntil([&] { return ticks >= 3; })) << "a failed tick stopped the timer";
}

TEST_F(Controls, EnterSpaceAccessKeysAndTabReachTheirControls) {
    form.txt.SetFocus();
    PostMessageA(H(form.txt), WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(PumpUntil([&] { return Runs("okButton_Click") == 1; }));
    PostMessageA(H(form.txt), WM_SYSCHAR, 'r', 1 << 29); // Alt+R
    ASSERT_TRUE(PumpUntil([&] { return form.chk.Value() == 1; }));
    PostMessageA(H(form.txt), WM_SYSCHAR, 'c', 1 << 29); // Alt+C
    ASSERT_TRUE(PumpUntil([&] { return Runs("cancelButton_Click") == 1; }));
    EXPECT_EQ(Runs("okButton_Click"), 1);
    form.checks.setListIndex(3); // Space toggles the current check row
    form.checks.SetFocus();
    PostMessageA(H(form.checks), WM_KEYDOWN, VK_SPACE, 0);
    ASSERT_TRUE(PumpUntil([&] { return form.checks.Selected(3); }));

    form.cancel.SetFocus(); // Tab follows the tab order and runs GotFocus
    form.log.clear();
    PostMessageA(H(form.cancel), WM_KEYDOWN, VK_TAB, 0);
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == H(form.chk); }));
    EXPECT_EQ(Runs("randomBox_GotFocus"), 1);
    EXPECT_EQ(form.ActiveControl(), &form.chk);
}

// Every way a window is closed goes through QueryUnload, which may refuse or fail: the saver's
// password check hangs on it. The close box of a disabled form is dead; the session's end is not.
TEST(Closing, EveryCloseAsksQueryUnloadThenUnloadEitherOfWhichMayCancel) {
    using enum tk::CloseReason; // how: Code is Unload(), ControlMenu WM_CLOSE, AppWindows WM_QUERYENDSESSION
    const struct {
        tk::CloseReason how;
        bool cancelQuery, cancelUnload, disabled, fails, closes;
        Log log;
    } cases[] = {
        {Code, false, false, false, false, true, {"Form_QueryUnload", "Form_Unload"}},
        {Code, true, false, false, false, false, {"Form_QueryUnload"}},
        {Code, false, true, false, false, false, {"Form_QueryUnload", "Form_Unload"}},
        {ControlMenu, false, false, false, false, true, {"Form_QueryUnload", "Form_Unload"}},
        {ControlMenu, true, false, false, false, false, {"Form_QueryUnload"}},
        {ControlMenu, false, false, false, true, false, {"Form_QueryUnload"}},
        {ControlMenu, false, false, true, false, false, {}},
        {AppWindows, false, false, true, false, true, {"Form_QueryUnload", "Form_Unload"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << int(c.how) << c.cancelQuery << c.cancelUnload << c.disabled << c.fails);
        ControlsForm form;
        form.Show();
        form.setEnabled(!c.disabled);
        form.cancelQuery = c.cancelQuery;
        form.cancelUnload = c.cancelUnload;
        form.onQueryUnload = [&] { if (c.fails) throw std::runtime_error("query failed"); };
        form.log.clear();
        const HWND hwnd = H(form);
        const LRESULT answer = c.how == Code ? form.Unload()
                               : SendMessageW(hwnd, c.how == ControlMenu ? WM_CLOSE : WM_QUERYENDSESSION, 0, 0);
        EXPECT_EQ(answer != 0, c.closes && c.how != ControlMenu) << "the answer of Unload and of the session's end";
        EXPECT_EQ(form.log, c.log);
        EXPECT_EQ(form.reasons, c.log.empty() ? std::vector<tk::CloseReason>{} : std::vector{c.how});
        EXPECT_EQ(form.IsLoaded() && form.Visible() && IsWindow(hwnd), !c.closes);
    }
    ControlsForm never;
    EXPECT_TRUE(never.Unload()) << "a form not loaded closes without handlers";
    EXPECT_TRUE(never.log.empty());
}

TEST_F(Controls, ManyRowsChangedBeforeTheFormShowsReachTheListInOrder) {
    HWND list = H(form.checks);
    ASSERT_TRUE(PumpUntil([&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) == 600; }));
    char text[32] = {};
    for (int row : {0, 1, 7, 550, 599}) {
        SendMessageA(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text));
        EXPECT_EQ(text, form.checks.List(row)) << row;
    }
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 550);
}

TEST_F(Controls, AnotherFormsTimerKeepsFiringInAModalLoop) {
    tk::Form dialog("Dialog");
    tk::Timer watch{dialog, "watch", 40};
    int ticks = 0;
    form.timer.Tick = [&] { ++ticks; };
    form.timer.setEnabled(true);
    dialog.setBorderStyle(tk::BorderStyle::FixedDialog);
    const ULONGLONG deadline = GetTickCount64() + 5000;
    watch.Tick = [&] { if (ticks >= 5 || GetTickCount64() > deadline) dialog.Unload(); };
    dialog.Show(true, &form); // returns when the dialog has unloaded itself
    EXPECT_GE(ticks, 5) << "the owner's timer ran during the modal loop";
}

} // namespace
} // namespace qs::test::win
