// What a user's clicks and keys do on real controls, closing, modal forms, a handler that
// throws, and rows changed by the hundred while a list cannot be seen.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "support/probe_forms.h"
#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "win_toolkit_support.h"

namespace qs::test::win {
namespace {

class Controls : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureToolkit();
        form.setBorderStyle(tk::BorderStyle::FixedDialog);
        form.setClientSize(7000, 5000);
        FillRows(form.checks, 40);
        form.Show();
        ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(H(form)) != FALSE; }));
        PumpFor(50);
        form.log.clear();
    }
    void TearDown() override { form.Unload(); }
    int Runs(const std::string& handler) const { return int(std::count(form.log.begin(), form.log.end(), handler)); }
    ControlsForm form;
};

// A click reaches Click once, also through a tool tip's subclass on top of the control's.
TEST_F(Controls, ClicksQuickOrNotReachClickOnceAndChangesFromCodeAreMirrored) {
    form.ok.setToolTipText("Accept the settings");
    SendMessageA(H(form.ok), BM_CLICK, 0, 0);
    form.ok.setEnabled(false);
    SendMessageA(H(form.ok), BM_CLICK, 0, 0);
    EXPECT_EQ(Runs("okButton_Click"), 1) << "a disabled button does not click";
    form.ok.setEnabled(true);
    SendMessageA(H(form.chk), BM_CLICK, 0, 0);
    EXPECT_EQ(form.chk.Value(), 1);
    form.chk.setValue(0); // from code: Click once, by the component, not again by the control
    EXPECT_EQ(Runs("randomBox_Click"), 2);
    EXPECT_EQ(SendMessageA(H(form.chk), BM_GETCHECK, 0, 0), BST_UNCHECKED);

    const LPARAM inside = MAKELPARAM(10, 10); // a quick second click is a click too
    for (UINT down : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK})
        for (HWND target : {H(form.ok), H(form.chk)}) {
            PostMessageA(target, down, MK_LBUTTON, inside);
            PostMessageA(target, WM_LBUTTONUP, 0, inside);
        }
    ASSERT_TRUE(PumpUntil([&] { return Runs("okButton_Click") == 3 && Runs("randomBox_Click") == 4; }));
    EXPECT_EQ(form.chk.Value(), 0) << "checked, then cleared";
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

// The window procedure writes the failure to the debugger output and answers the
// message; the window, its controls and its timers go on.
TEST_F(Controls, AHandlerThatThrowsEndsOnlyItsOwnWork) {
    form.ok.Click = [&] { form.log.push_back("click"), throw std::runtime_error("click failed"); };
    int ticks = 0;
    form.timer.Tick = [&] { ++ticks, throw std::runtime_error("tick failed"); };
    form.timer.setEnabled(true);
    SendMessageA(H(form.ok), BM_CLICK, 0, 0);
    SendMessageA(H(form.ok), BM_CLICK, 0, 0);
    EXPECT_EQ(Runs("click"), 2);
    ASSERT_TRUE(PumpUntil([&] { return ticks >= 3; })) << "a failed tick stopped the timer";
}

// Every way a window is closed goes through QueryUnload: the saver's password check hangs on it.
TEST_F(Controls, CloseBoxAndSessionEndAskQueryUnloadWhichMayRefuseOrFail) {
    const HWND hwnd = H(form);
    for (bool fail : {false, true}) {
        form.cancelQuery = !fail;
        form.onQueryUnload = [fail] { if (fail) throw std::runtime_error("query failed"); };
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
        ASSERT_TRUE(PumpUntil([&] { return Runs("Form_QueryUnload") == 1 + fail; }));
        EXPECT_EQ(form.reasons.back(), tk::CloseReason::ControlMenu);
        EXPECT_TRUE(form.IsLoaded() && IsWindow(hwnd)) << (fail ? "failed" : "refused");
    }
    form.cancelQuery = false;
    form.onQueryUnload = nullptr;
    EXPECT_TRUE(SendMessageA(hwnd, WM_QUERYENDSESSION, 0, 0));
    EXPECT_EQ(form.reasons.back(), tk::CloseReason::AppWindows);
    EXPECT_EQ(Runs("Form_Unload"), 1);
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST(ListFill, ManyRowsChangedBeforeTheFormShowsReachTheControlInOrder) {
    EnsureToolkit();
    ControlsForm form;
    form.Load();
    FillRows(form.checks, 600);
    form.checks.RemoveItem(0);
    form.checks.AddItem("first", 0);
    form.checks.setSelected(7, true);
    form.checks.setListIndex(550);
    form.Show();
    HWND list = H(form.checks);
    ASSERT_TRUE(PumpUntil([&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) == 600; }));
    PumpFor(50);
    char text[32] = {};
    for (int row : {0, 1, 7, 550, 599}) {
        SendMessageA(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text));
        EXPECT_EQ(text, form.checks.List(row)) << row;
    }
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 550);
    form.Unload();
}

TEST(ModalLoop, AnotherFormsTimerKeepsFiring) {
    EnsureToolkit();
    tk::Form owner("Owner"), dialog("Dialog");
    int ticks = 0;
    tk::Timer tick{owner, "tick", 30}, watch{dialog, "watch", 40};
    tick.Tick = [&] { ++ticks; };
    owner.Show();
    dialog.setBorderStyle(tk::BorderStyle::FixedDialog);
    const ULONGLONG deadline = GetTickCount64() + 5000;
    watch.Tick = [&] { if (ticks >= 5 || GetTickCount64() > deadline) dialog.Unload(); };
    dialog.Show(true, &owner); // returns when the dialog has unloaded itself
    EXPECT_GE(ticks, 5) << "the owner's timer ran during the modal loop";
    owner.Unload();
}

} // namespace
} // namespace qs::test::win
