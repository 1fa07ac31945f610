// What a user's clicks and keys do on real controls: each reaches the component's
// handler once, and changes made from code are mirrored without running handlers a
// second time.
#include <gtest/gtest.h>

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
        checks.Click = [this] { ++listClicks; };
        for (int i = 0; i < 40; ++i) checks.AddItem("row " + std::to_string(i));
    }
    tk::CommandButton ok{*this, "cmdOK", "&OK", 120, 120, 1200, 375};
    tk::CommandButton cancel{*this, "cmdCancel", "&Cancel", 1500, 120, 1200, 375};
    tk::CheckBox check{*this, "chkOption", "O&ption", 120, 600, 2000, 300};
    tk::ListBox checks{*this, "CheckList", 120, 1000, 3000, 1500, true};
    tk::TextBox text{*this, "DelayVal", "", 120, 2700, 1500, 345};
    int okClicks = 0, cancelClicks = 0, checkClicks = 0, listClicks = 0;
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

TEST_F(Controls, ButtonAndCheckBoxClicksReachClickOnce) {
    SendMessageA(H(form.ok), BM_CLICK, 0, 0);
    EXPECT_EQ(form.okClicks, 1);
    form.ok.setEnabled(false);
    SendMessageA(H(form.ok), BM_CLICK, 0, 0);
    EXPECT_EQ(form.okClicks, 1) << "a disabled button does not click";

    SendMessageA(H(form.check), BM_CLICK, 0, 0);
    EXPECT_EQ(form.check.Value(), 1);
    EXPECT_EQ(form.checkClicks, 1);
    EXPECT_EQ(SendMessageA(H(form.check), BM_GETCHECK, 0, 0), BST_CHECKED);
    form.check.setValue(0); // from code: Click once, by the component, not again by the control
    EXPECT_EQ(form.checkClicks, 2);
    EXPECT_EQ(SendMessageA(H(form.check), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(Controls, AQuickSecondClickIsAClickToo) {
    const LPARAM inside = MAKELPARAM(10, 10);
    for (UINT down : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK})
        for (HWND target : {H(form.ok), H(form.check)}) {
            PostMessageA(target, down, MK_LBUTTON, inside);
            PostMessageA(target, WM_LBUTTONUP, 0, inside);
        }
    ASSERT_TRUE(PumpUntil([&] { return form.okClicks == 2 && form.checkClicks == 2; }))
        << form.okClicks << " " << form.checkClicks;
    EXPECT_EQ(form.check.Value(), 0) << "checked, then cleared";
}

// The tool tip puts a subclass of its own on top of the control's: messages must still
// reach the component through both, whichever is removed first, and the control must
// still end cleanly with its form.
TEST_F(Controls, AToolTipOnAControlLeavesItsClicksAndItsEnd) {
    form.ok.setToolTipText("Accept the settings");
    SendMessageA(H(form.ok), BM_CLICK, 0, 0);
    EXPECT_EQ(form.okClicks, 1);
    form.ok.setToolTipText("");
    SendMessageA(H(form.ok), BM_CLICK, 0, 0);
    EXPECT_EQ(form.okClicks, 2);

    ControlsForm other;
    other.ok.setToolTipText("Accept");
    other.Show();
    HWND button = H(other.ok);
    SendMessageA(button, BM_CLICK, 0, 0);
    EXPECT_EQ(other.okClicks, 1);
    other.Unload();
    EXPECT_FALSE(IsWindow(button));
    SendMessageA(H(form.ok), BM_CLICK, 0, 0);
    EXPECT_EQ(form.okClicks, 3) << "the first form's button still answers";
}

LPARAM RowPoint(HWND list, int row, int x) {
    RECT r{};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    return MAKELPARAM(x, (r.top + r.bottom) / 2);
}

TEST_F(Controls, CheckListClickInTheCheckAreaTogglesElsewhereSelects) {
    HWND list = H(form.checks);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, RowPoint(list, 2, 4));
    SendMessageA(list, WM_LBUTTONUP, 0, RowPoint(list, 2, 4));
    EXPECT_TRUE(form.checks.Selected(2));
    EXPECT_EQ(form.checks.ListIndex(), 2);
    EXPECT_EQ(form.listClicks, 1);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, RowPoint(list, 3, 60));
    SendMessageA(list, WM_LBUTTONUP, 0, RowPoint(list, 3, 60));
    EXPECT_FALSE(form.checks.Selected(3));
    EXPECT_EQ(form.checks.ListIndex(), 3);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 3);
    PostMessageA(list, WM_KEYDOWN, VK_SPACE, 0); // Space toggles the current row's check
    ASSERT_TRUE(PumpUntil([&] { return form.checks.Selected(3); }));
}

TEST_F(Controls, EnterEscapeAndAccessKeysPressTheirControls) {
    form.text.SetFocus();
    PostMessageA(H(form.text), WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(PumpUntil([&] { return form.okClicks == 1; }));
    PostMessageA(H(form.text), WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(PumpUntil([&] { return form.cancelClicks == 1; }));
    PostMessageA(H(form.text), WM_SYSCHAR, 'p', 1 << 29); // Alt+P
    ASSERT_TRUE(PumpUntil([&] { return form.check.Value() == 1; }));
    EXPECT_EQ(form.checkClicks, 1);
    PostMessageA(H(form.text), WM_SYSCHAR, 'c', 1 << 29); // Alt+C
    ASSERT_TRUE(PumpUntil([&] { return form.cancelClicks == 2; }));
    EXPECT_EQ(form.okClicks, 1);
}

TEST_F(Controls, TabFollowsTheTabOrderAndRunsGotFocus) {
    int got = 0;
    form.check.GotFocus = [&] { ++got; };
    form.cancel.SetFocus();
    PostMessageA(H(form.cancel), WM_KEYDOWN, VK_TAB, 0);
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == H(form.check); }));
    EXPECT_EQ(got, 1);
    EXPECT_EQ(form.ActiveControl(), &form.check);
}

} // namespace
} // namespace qs::test::win
