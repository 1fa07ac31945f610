// The user's actions on real controls reach the components' handlers once; changes
// made from code are mirrored without running handlers a second time.
#include <gtest/gtest.h>

#include <cstdio>

#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "toolkit/win32/list_metrics.h"
#include "win_toolkit_support.h"

namespace qs::test::win {
namespace {

class ControlsForm : public tk::Form {
public:
    ControlsForm() : Form("ControlsForm") {
        setBorderStyle(tk::BorderStyle::FixedDialog);
        setClientSize(7000, 5000);
        setCaption("Controls");
        ok.Click = [this] { ++okClicks; };
        cancel.setCancel(true);
        cancel.Click = [this] { ++cancelClicks; };
        ok.setDefault(true);
        check.Click = [this] { ++checkClicks; };
        checks.Click = [this] { ++listClicks; };
        checks.Scroll = [this] { ++listScrolls; };
        plain.Click = [this] { ++plainClicks; };
        text.KeyPress = [this](std::int16_t& key) {
            if (key == 'x') key = 0;
        };
        bar.Change = [this] { ++barChanges; };
        bar.setLargeChange(10);
        for (int i = 0; i < 40; ++i) checks.AddItem("row " + std::to_string(i));
        for (int i = 0; i < 5; ++i) plain.AddItem("item " + std::to_string(i));
    }
    tk::CommandButton ok{*this, "cmdOK", "&OK", 120, 120, 1200, 375};
    tk::CommandButton cancel{*this, "cmdCancel", "&Cancel", 1500, 120, 1200, 375};
    tk::CheckBox check{*this, "chkOption", "O&ption", 120, 600, 2000, 300};
    tk::ListBox checks{*this, "CheckList", 120, 1000, 3000, 1500, true};
    tk::ListBox plain{*this, "FileList", 3300, 1000, 3000, 1500};
    tk::TextBox text{*this, "DelayVal", "", 120, 2700, 1500, 345};
    tk::VScrollBar bar{*this, "upDown", 1800, 2700, 255, 345, 2, 598, 540};
    int okClicks = 0, cancelClicks = 0, checkClicks = 0, listClicks = 0, listScrolls = 0, plainClicks = 0, barChanges = 0;
};

HWND H(const tk::Component& c) { return reinterpret_cast<HWND>(c.peer()->hwnd()); }

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

TEST_F(Controls, ButtonClickReachesClickOnce) {
    SendMessageA(H(form.ok), BM_CLICK, 0, 0);
    EXPECT_EQ(form.okClicks, 1);
    form.ok.setEnabled(false);
    SendMessageA(H(form.ok), BM_CLICK, 0, 0);
    EXPECT_EQ(form.okClicks, 1) << "a disabled button does not click";
}

TEST_F(Controls, CheckBoxClickTogglesThroughTheComponent) {
    SendMessageA(H(form.check), BM_CLICK, 0, 0);
    EXPECT_EQ(form.check.Value(), 1);
    EXPECT_EQ(form.checkClicks, 1);
    EXPECT_EQ(SendMessageA(H(form.check), BM_GETCHECK, 0, 0), BST_CHECKED);
    form.check.setValue(0); // from code: Click once, by the component, not again by the control
    EXPECT_EQ(form.checkClicks, 2);
    EXPECT_EQ(SendMessageA(H(form.check), BM_GETCHECK, 0, 0), BST_UNCHECKED);
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

    // Space toggles the current row's check.
    PostMessageA(list, WM_KEYDOWN, VK_SPACE, 0);
    ASSERT_TRUE(PumpUntil([&] { return form.checks.Selected(3); }));
}

TEST_F(Controls, ListScrollingByTheUserReachesScroll) {
    HWND list = H(form.checks);
    SendMessageA(list, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(form.checks.TopIndex(), 1);
    EXPECT_EQ(form.listScrolls, 1);
    form.checks.setTopIndex(5); // from code: mirrored, one Scroll from the component
    EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 5);
    EXPECT_EQ(form.listScrolls, 2);
}

TEST_F(Controls, PlainListSelectionByKeysReachesClick) {
    HWND list = H(form.plain);
    form.plain.setListIndex(0);
    EXPECT_EQ(form.plainClicks, 1);
    SetFocus(list);
    PostMessageA(list, WM_KEYDOWN, VK_DOWN, 0);
    ASSERT_TRUE(PumpUntil([&] { return form.plain.ListIndex() == 1; }));
    EXPECT_EQ(form.plainClicks, 2);
}

TEST_F(Controls, RowsMirrorTheComponent) {
    HWND list = H(form.plain);
    form.plain.AddItem("first", 0);
    form.plain.RemoveItem(3);
    ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), form.plain.ListCount());
    for (int r = 0; r < form.plain.ListCount(); ++r) {
        char buf[64] = {};
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(r), reinterpret_cast<LPARAM>(buf));
        EXPECT_EQ(std::string(buf), form.plain.List(r));
    }
    form.plain.Clear();
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 0);
}

TEST_F(Controls, RowHeightIsTheBackendsReportedHeight) {
    const float twips = tk::backend().listRowHeight(form.checks);
    const LRESULT px = SendMessageA(H(form.checks), LB_GETITEMHEIGHT, 0, 0);
    EXPECT_FLOAT_EQ(twips, px * tk::Screen::TwipsPerPixelY());
    EXPECT_GE(px, tk::win32::ListCheckBoxPx());
    std::printf("[ measured ] list rows: plain %d px, check-style %d px\n", tk::win32::ListRowHeightPx(false),
                tk::win32::ListRowHeightPx(true));
}

TEST_F(Controls, TypedCharactersGoThroughKeyPress) {
    HWND edit = H(form.text);
    SendMessageA(edit, WM_CHAR, '4', 0);
    SendMessageA(edit, WM_CHAR, 'x', 0); // discarded by KeyPress
    SendMessageA(edit, WM_CHAR, '2', 0);
    EXPECT_EQ(form.text.Text(), "42");
    char buf[32] = {};
    GetWindowTextA(edit, buf, sizeof buf);
    EXPECT_STREQ(buf, "42");
    SendMessageA(edit, WM_CHAR, 8, 0);
    EXPECT_EQ(form.text.Text(), "4");
}

struct ScrollCase {
    WPARAM code;
    int expected;
};

class ScrollBarActions : public Controls, public ::testing::WithParamInterface<ScrollCase> {};

TEST_P(ScrollBarActions, ArrowsPagesAndThumbMoveTheValue) {
    const auto& c = GetParam();
    SendMessageA(GetParent(H(form.bar)), WM_VSCROLL, c.code, reinterpret_cast<LPARAM>(H(form.bar)));
    EXPECT_EQ(form.bar.Value(), c.expected);
    EXPECT_EQ(form.barChanges, 1);
    EXPECT_EQ(GetScrollPos(H(form.bar), SB_CTL), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Codes, ScrollBarActions,
                         ::testing::Values(ScrollCase{SB_LINEUP, 539}, ScrollCase{SB_LINEDOWN, 541},
                                           ScrollCase{SB_PAGEUP, 530}, ScrollCase{SB_PAGEDOWN, 550},
                                           ScrollCase{SB_TOP, 2}, ScrollCase{SB_BOTTOM, 598}));

TEST_F(Controls, EnterAndEscapePressTheDefaultAndCancelButtons) {
    form.text.SetFocus();
    PostMessageA(H(form.text), WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(PumpUntil([&] { return form.okClicks == 1; }));
    PostMessageA(H(form.text), WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(PumpUntil([&] { return form.cancelClicks == 1; }));
    EXPECT_EQ(form.okClicks, 1);
}

TEST_F(Controls, AccessKeysPressButtonsAndToggleCheckBoxes) {
    form.text.SetFocus();
    PostMessageA(H(form.text), WM_SYSCHAR, 'p', 1 << 29); // Alt+P
    ASSERT_TRUE(PumpUntil([&] { return form.check.Value() == 1; }));
    EXPECT_EQ(form.checkClicks, 1);
    PostMessageA(H(form.text), WM_SYSCHAR, 'c', 1 << 29); // Alt+C
    ASSERT_TRUE(PumpUntil([&] { return form.cancelClicks == 1; }));
}

TEST_F(Controls, AQuickSecondClickIsAClickToo) {
    const LPARAM inside = MAKELPARAM(10, 10);
    for (UINT down : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}) {
        PostMessageA(H(form.ok), down, MK_LBUTTON, inside);
        PostMessageA(H(form.ok), WM_LBUTTONUP, 0, inside);
        PostMessageA(H(form.check), down, MK_LBUTTON, inside);
        PostMessageA(H(form.check), WM_LBUTTONUP, 0, inside);
    }
    ASSERT_TRUE(PumpUntil([&] { return form.okClicks == 2 && form.checkClicks == 2; }))
        << form.okClicks << " " << form.checkClicks;
    EXPECT_EQ(form.check.Value(), 0) << "checked, then cleared";
}

TEST_F(Controls, TabMovesTheFocusAndRunsGotFocus) {
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
