// What a user's clicks and keys do on real controls: each reaches the component's
// handler once, and changes made from code are mirrored without running handlers a
// second time; closing, modal forms, and a handler that throws.
#include <gtest/gtest.h>

#include <stdexcept>

#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "win_toolkit_support.h"

namespace qs::test::win {
namespace {

class ControlsForm : public tk::Form {
public:
    ControlsForm() : Form("ControlsForm") {
        setBorderStyle(tk::BorderStyle::FixedDialog);
        setClientSize(7000, 5000);
        ok.setDefault(true);
        ok.Click = [this] { ++okClicks; };
        cancel.setCancel(true);
        cancel.Click = [this] { ++cancelClicks; };
        check.Click = [this] { ++checkClicks; };
        for (int i = 0; i < 40; ++i) checks.AddItem("row " + std::to_string(i));
    }
    tk::CommandButton ok{*this, "okButton", "&OK", 120, 120, 1200, 375};
    tk::CommandButton cancel{*this, "cancelButton", "&Cancel", 1500, 120, 1200, 375};
    tk::CheckBox check{*this, "optionBox", "O&ption", 120, 600, 2000, 300};
    tk::ListBox checks{*this, "checkList", 120, 1000, 3000, 1500, true};
    tk::TextBox text{*this, "delayBox", "", 120, 2700, 1500, 345};
    tk::Timer timer{*this, "timer", 20, false};
    int okClicks = 0, cancelClicks = 0, checkClicks = 0, queries = 0, unloads = 0;
    tk::CloseReason lastReason = tk::CloseReason::Code;
    bool refuse = false, fail = false;

protected:
    void Form_QueryUnload(bool& cancel, tk::CloseReason reason) override {
        ++queries;
        lastReason = reason;
        if (fail) throw std::runtime_error("query failed");
        if (refuse) cancel = true;
    }
    void Form_Unload(bool&) override { ++unloads; }
};

class Controls : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureToolkit();
        form.Show();
        ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(H(form)) != FALSE; }));
        PumpFor(50);
    }
    void TearDown() override { form.Unload(); }
    ControlsForm form;
};

// Also through a tool tip's subclass on top of the control's.
TEST_F(Controls, ClicksReachClickOnceWithOrWithoutAToolTipAndChangesFromCodeAreMirrored) {
    form.ok.setToolTipText("Accept the settings");
    SendMessageA(H(form.ok), BM_CLICK, 0, 0);
    form.ok.setEnabled(false);
    SendMessageA(H(form.ok), BM_CLICK, 0, 0);
    EXPECT_EQ(form.okClicks, 1) << "a disabled button does not click";

    SendMessageA(H(form.check), BM_CLICK, 0, 0);
    EXPECT_EQ(form.check.Value(), 1);
    form.check.setValue(0); // from code: Click once, by the component, not again by the control
    EXPECT_EQ(form.checkClicks, 2);
    EXPECT_EQ(SendMessageA(H(form.check), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(Controls, AQuickSecondClickIsAClickTooAndSpaceTogglesTheCurrentCheckRow) {
    const LPARAM inside = MAKELPARAM(10, 10);
    for (UINT down : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK})
        for (HWND target : {H(form.ok), H(form.check)}) {
            PostMessageA(target, down, MK_LBUTTON, inside);
            PostMessageA(target, WM_LBUTTONUP, 0, inside);
        }
    ASSERT_TRUE(PumpUntil([&] { return form.okClicks == 2 && form.checkClicks == 2; }))
        << form.okClicks << " " << form.checkClicks;
    EXPECT_EQ(form.check.Value(), 0) << "checked, then cleared";

    form.checks.setListIndex(3);
    form.checks.SetFocus();
    PostMessageA(H(form.checks), WM_KEYDOWN, VK_SPACE, 0);
    ASSERT_TRUE(PumpUntil([&] { return form.checks.Selected(3); }));
}

TEST_F(Controls, EnterAccessKeysAndTabReachTheirControls) {
    form.text.SetFocus();
    PostMessageA(H(form.text), WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(PumpUntil([&] { return form.okClicks == 1; }));
    PostMessageA(H(form.text), WM_SYSCHAR, 'p', 1 << 29); // Alt+P
    ASSERT_TRUE(PumpUntil([&] { return form.check.Value() == 1; }));
    PostMessageA(H(form.text), WM_SYSCHAR, 'c', 1 << 29); // Alt+C
    ASSERT_TRUE(PumpUntil([&] { return form.cancelClicks == 1; }));
    EXPECT_EQ(form.okClicks, 1);

    int got = 0; // Tab follows the tab order and runs GotFocus
    form.check.GotFocus = [&] { ++got; };
    form.cancel.SetFocus();
    PostMessageA(H(form.cancel), WM_KEYDOWN, VK_TAB, 0);
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == H(form.check); }));
    EXPECT_EQ(got, 1);
    EXPECT_EQ(form.ActiveControl(), &form.check);
}

// The window procedure writes the failure to the debugger output and answers the
// message; the window, its controls and its timers go on.
TEST_F(Controls, AHandlerThatThrowsEndsOnlyItsOwnWork) {
    form.ok.Click = [&] { ++form.okClicks, throw std::runtime_error("click failed"); };
    int ticks = 0;
    form.timer.Tick = [&] { ++ticks, throw std::runtime_error("tick failed"); };
    form.timer.setEnabled(true);
    SendMessageA(H(form.ok), BM_CLICK, 0, 0);
    SendMessageA(H(form.ok), BM_CLICK, 0, 0);
    EXPECT_EQ(form.okClicks, 2);
    ASSERT_TRUE(PumpUntil([&] { return ticks >= 3; })) << "a failed tick stopped the timer";
}

// Every way a window is closed goes through QueryUnload: the saver's password check hangs on it.
TEST_F(Controls, CloseBoxAndSessionEndAskQueryUnloadWhichMayRefuseOrFail) {
    const HWND hwnd = H(form);
    for (bool fail : {false, true}) {
        form.refuse = !fail, form.fail = fail;
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
        ASSERT_TRUE(PumpUntil([&] { return form.queries == 1 + fail; }));
        EXPECT_EQ(form.lastReason, tk::CloseReason::ControlMenu);
        EXPECT_TRUE(form.IsLoaded() && IsWindow(hwnd)) << (fail ? "failed" : "refused");
    }
    form.refuse = form.fail = false;
    EXPECT_TRUE(SendMessageA(hwnd, WM_QUERYENDSESSION, 0, 0));
    EXPECT_EQ(form.lastReason, tk::CloseReason::AppWindows);
    EXPECT_EQ(form.unloads, 1);
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST(ModalLoop, AnotherFormsTimerKeepsFiringWhileTheOwnerIsDisabled) {
    EnsureToolkit();
    tk::Form owner("Owner"), dialog("Dialog");
    int ticks = 0;
    tk::Timer tick{owner, "tick", 30}, watch{dialog, "watch", 40};
    tick.Tick = [&] { ++ticks; };
    owner.Show();
    dialog.setBorderStyle(tk::BorderStyle::FixedDialog);
    const ULONGLONG deadline = GetTickCount64() + 5000;
    bool ownerEnabled = true;
    watch.Tick = [&] {
        ownerEnabled = ownerEnabled && IsWindowEnabled(H(owner)) != FALSE;
        if (ticks >= 5 || GetTickCount64() > deadline) dialog.Unload();
    };
    dialog.Show(true, &owner); // returns when the dialog has unloaded itself
    EXPECT_GE(ticks, 5) << "the owner's timer ran during the modal loop";
    EXPECT_FALSE(ownerEnabled) << "the owner took input while the dialog was up";
    EXPECT_TRUE(IsWindowEnabled(H(owner)));
    owner.Unload();
}

} // namespace
} // namespace qs::test::win
