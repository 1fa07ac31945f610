// Real controls: the user's clicks, keys and scrolling raise events and changes from code raise none, closing,
// a modal loop, a handler that throws, a list filled while hidden.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "win_toolkit_support.h"

namespace qs::test::win {
namespace {

using Log = std::vector<std::string>;

// A control of each kind that takes input, its events logged; a close may be refused or fail.
class ControlsForm : public tk::Form {
public:
    ControlsForm() : Form({.border = tk::BorderStyle::FixedDialog, .clientWidth = 7000, .clientHeight = 5000}) {
        const auto logged = [this](const char* entry) { return [this, entry] { log.push_back(entry); }; };
        for (const auto& [event, entry] : {std::pair{&chk.onClick, "check"}, {&txt.onChange, "text"},
                                           {&bar.onChange, "bar"}, {&list.onChange, "list"},
                                           {&list.onScroll, "list scroll"}, {&checks.onChange, "checks"},
                                           {&ok.onClick, "ok"}, {&cancel.onClick, "cancel"}, {&chk.onFocus, "focus"}})
            *event = logged(entry);
    }
    Log log;
    bool refuse = false;
    std::vector<tk::CloseReason> reasons;
    std::function<void()> whileClosing;

    tk::GroupBox group{*this, {.bounds = {120, 120, 3000, 2000}, .caption = "&Options"}};
    tk::CheckBox chk{group, {.bounds = {120, 240, 1500, 300}, .caption = "&Random order"}};
    tk::Label lbl{group, {.bounds = {120, 600, 600, 255}, .caption = "&Delay"}};
    tk::TextBox txt{group, {.bounds = {720, 600, 500, 300}, .text = "60"}};
    tk::ScrollBar bar{group, {.bounds = {1260, 600, 255, 345}, .min = 2, .max = 598, .value = 540}};
    tk::ListBox list{*this, {.bounds = {3300, 120, 2000, 2535}}};
    tk::ListBox checks{*this, {.bounds = {5400, 120, 1000, 2535}, .checkBoxes = true}};
    tk::Button ok{*this, {.bounds = {3000, 3400, 960, 375}, .caption = "&OK", .isDefault = true}};
    tk::Button cancel{*this, {.bounds = {4100, 3400, 960, 375}, .caption = "&Cancel", .isCancel = true}};
    tk::Timer timer{*this, {.intervalMs = 100, .enabled = false}};

protected:
    bool onClosing(tk::CloseReason reason) override {
        reasons.push_back(reason);
        log.push_back("closing");
        if (whileClosing) whileClosing();
        return !refuse;
    }
    void onClosed() override { log.push_back("closed"); }
};

class Controls : public ::testing::Test {
protected:
    void SetUp() override {
        form.load();
        for (int i = 0; i < 600; ++i) form.checks.insertRow(i, "row " + std::to_string(i)); // while it cannot be seen
        form.checks.removeRow(0);
        form.checks.insertRow(0, "first");
        form.checks.setChecked(7, true);
        form.checks.setCurrentRow(550);
        for (int i = 0; i < 50; ++i) form.list.insertRow(i, "row " + std::to_string(i));
        form.show();
        ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(H(form)) != FALSE; }));
        PumpFor(50);
        form.log.clear();
    }
    int Runs(const std::string& handler) const { return int(std::count(form.log.begin(), form.log.end(), handler)); }
    ControlsForm form;
};

// A click reaches onClick once, also through a tool tip's subclass on top of the control's.
TEST_F(Controls, ClicksReachOnClickOnceChangesFromCodeAreShownAndAThrowingHandlerEndsOnlyItsOwnWork) {
    form.ok.setToolTip("Accept the settings");
    SendMessageA(H(form.ok), BM_CLICK, 0, 0);
    EXPECT_EQ(Runs("ok"), 1);
    SendMessageA(H(form.chk), BM_CLICK, 0, 0);
    EXPECT_TRUE(form.chk.checked());
    form.chk.setChecked(false); // from code: shown, no event
    EXPECT_EQ(SendMessageA(H(form.chk), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(Runs("check"), 1);

    const LPARAM inside = MAKELPARAM(10, 10); // a quick second click is a click too
    for (UINT down : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK})
        for (HWND target : {H(form.ok), H(form.chk)}) {
            PostMessageA(target, down, MK_LBUTTON, inside);
            PostMessageA(target, WM_LBUTTONUP, 0, inside);
        }
    ASSERT_TRUE(PumpUntil([&] { return Runs("ok") == 3 && Runs("check") == 3; }));
    EXPECT_FALSE(form.chk.checked()) << "checked, then cleared";

    // What a handler threw goes to the debugger output; the window, its controls and its timers go on.
    form.ok.onClick = [&] {
        form.log.push_back("click");
        throw std::runtime_error("click failed");
    };
    int ticks = 0;
    form.timer.onTick = [&] {
        ++ticks;
        throw std::runtime_error("tick failed");
    };
    form.timer.setEnabled(true);
    SendMessageA(H(form.ok), BM_CLICK, 0, 0);
    SendMessageA(H(form.ok), BM_CLICK, 0, 0);
    EXPECT_EQ(Runs("click"), 2);
    ASSERT_TRUE(PumpUntil([&] { return ticks >= 3; })) << "a failed tick stopped the timer";
}

// The windows show every change from code at once, as LB_SETCURSEL and BM_SETCHECK do, and like them tell no
// one; the user's own moves of the same controls raise their events.
TEST_F(Controls, ChangesFromCodeRaiseNoEventTheUsersMovesDo) {
    form.txt.setText("42");
    form.bar.setValue(100);
    form.list.setCurrentRow(40);
    form.list.setTopRow(30);
    form.checks.setChecked(5, true);
    form.txt.setFocus();
    form.chk.setFocus();
    PumpFor(50);
    EXPECT_EQ(form.log, Log{});
    char text[8] = {};
    GetWindowTextA(H(form.txt), text, sizeof text);
    EXPECT_STREQ(text, "42");
    EXPECT_EQ(GetScrollPos(H(form.bar), SB_CTL), 100);
    EXPECT_EQ(SendMessageA(H(form.list), LB_GETCURSEL, 0, 0), 40);
    EXPECT_EQ(SendMessageA(H(form.list), LB_GETTOPINDEX, 0, 0), 30);
    EXPECT_EQ(GetFocus(), H(form.chk));

    SendMessageA(H(form.group), WM_VSCROLL, SB_LINEUP, reinterpret_cast<LPARAM>(H(form.bar)));
    EXPECT_EQ(form.bar.value(), 99) << "the top arrow moves towards the minimum";
    form.list.setFocus();
    PostMessageA(H(form.list), WM_KEYDOWN, VK_UP, 0);
    ASSERT_TRUE(PumpUntil([&] { return form.list.currentRow() == 39; }));
    SendMessageA(H(form.list), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(form.list.topRow(), 31);
    EXPECT_EQ(form.log, (Log{"bar", "list", "list scroll"}));
}

TEST_F(Controls, EnterSpaceAccessKeysAndTabReachTheirControls) {
    form.txt.setFocus();
    PostMessageA(H(form.txt), WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(PumpUntil([&] { return Runs("ok") == 1; }));
    PostMessageA(H(form.txt), WM_SYSCHAR, 'r', 1 << 29); // Alt+R
    ASSERT_TRUE(PumpUntil([&] { return form.chk.checked(); }));
    PostMessageA(H(form.txt), WM_SYSCHAR, 'c', 1 << 29); // Alt+C
    ASSERT_TRUE(PumpUntil([&] { return Runs("cancel") == 1; }));
    EXPECT_EQ(Runs("ok"), 1);
    form.checks.setCurrentRow(3); // Space toggles the current check row
    form.checks.setFocus();
    PostMessageA(H(form.checks), WM_KEYDOWN, VK_SPACE, 0);
    ASSERT_TRUE(PumpUntil([&] { return form.checks.isChecked(3); }));
    EXPECT_EQ(Runs("checks"), 1);

    form.cancel.setFocus(); // Tab follows the tab order and raises onFocus
    form.log.clear();
    PostMessageA(H(form.cancel), WM_KEYDOWN, VK_TAB, 0);
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == H(form.chk); }));
    EXPECT_EQ(Runs("focus"), 1);
    EXPECT_EQ(form.focusedControl(), &form.chk);
}

// Every way a window is closed asks onClosing, which may refuse or fail: the saver's password check hangs on
// it. The close box of a disabled form is dead; the session's end is not.
TEST(Closing, EveryCloseAsksOnClosingWhichMayRefuseThenTellsOnClosed) {
    using enum tk::CloseReason; // how: Program is close(), User WM_CLOSE, SessionEnding WM_QUERYENDSESSION
    const struct {
        tk::CloseReason how;
        bool refuse, disabled, fails, closes;
        Log log;
    } cases[] = {{Program, false, false, false, true, {"closing", "closed"}},
                 {Program, true, false, false, false, {"closing"}},
                 {User, false, false, false, true, {"closing", "closed"}},
                 {User, true, false, false, false, {"closing"}},
                 {User, false, false, true, false, {"closing"}},
                 {User, false, true, false, false, {}},
                 {SessionEnding, false, true, false, true, {"closing", "closed"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << int(c.how) << c.refuse << c.disabled << c.fails);
        ControlsForm form;
        form.show();
        form.setEnabled(!c.disabled);
        form.refuse = c.refuse;
        form.whileClosing = [&] { if (c.fails) throw std::runtime_error("closing failed"); };
        form.log.clear();
        const HWND hwnd = H(form);
        const LRESULT answer = c.how == Program ? form.close()
                               : SendMessageW(hwnd, c.how == User ? WM_CLOSE : WM_QUERYENDSESSION, 0, 0);
        EXPECT_EQ(answer != 0, c.closes && c.how != User) << "the answer of close() and of the session's end";
        EXPECT_EQ(form.log, c.log);
        EXPECT_EQ(form.reasons, c.log.empty() ? std::vector<tk::CloseReason>{} : std::vector{c.how});
        EXPECT_EQ(form.isLoaded() && form.visible() && IsWindow(hwnd), !c.closes);
    }
    ControlsForm never;
    EXPECT_TRUE(never.close()) << "a form not loaded closes without its events";
    EXPECT_TRUE(never.log.empty());
}

TEST_F(Controls, ManyRowsChangedBeforeTheFormShowsReachTheListInOrder) {
    HWND list = H(form.checks);
    ASSERT_TRUE(PumpUntil([&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) == 600; }));
    char text[32] = {};
    for (int row : {0, 1, 7, 550, 599}) {
        SendMessageA(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text));
        EXPECT_EQ(text, form.checks.rowText(row)) << row;
    }
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 550);
}

TEST_F(Controls, AnotherFormsTimerKeepsFiringInAModalLoop) {
    tk::Form dialog({.border = tk::BorderStyle::FixedDialog});
    tk::Timer watch{dialog, {.intervalMs = 40}};
    int ticks = 0;
    form.timer.onTick = [&] { ++ticks; };
    form.timer.setEnabled(true);
    const ULONGLONG deadline = GetTickCount64() + 5000;
    watch.onTick = [&] { if (ticks >= 5 || GetTickCount64() > deadline) dialog.close(); };
    dialog.showModal(&form); // returns when the dialog has closed itself
    EXPECT_GE(ticks, 5) << "the owner's timer ran during the modal loop";
}

} // namespace
} // namespace qs::test::win
