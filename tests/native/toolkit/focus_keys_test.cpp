#include <gtest/gtest.h>

#include <stdexcept>

#include "support/probe_forms.h"
#include "support/toolkit_fixture.h"

namespace qs::test {
namespace {

using Act = std::function<void(ControlsForm&)>;

class FocusTest : public ToolkitTest {
protected:
    void SetUp() override {
        form.Show();
        FillRows(form.list, 5);
        form.log.clear();
    }
    ControlsForm form;
};

TEST_F(FocusTest, FocusMovesOnlyToControlsThatCanHoldItAndTabFollowsTabIndex) {
    form.chk.SetFocus();
    form.cancel.setEnabled(false);
    form.cancel.SetFocus();
    form.lbl.SetFocus();
    form.ok.SetFocus();
    EXPECT_EQ(form.log, (Log{"randomBox_LostFocus", "okButton_GotFocus"}));
    SetTabOrder({&form.ok, &form.list, &form.chk, &form.cancel, &form.checks, &form.txt, &form.bar});
    form.cancel.setEnabled(true);
    form.txt.setEnabled(false);
    form.checks.setTabStop(false);
    std::vector<std::string> order;
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(form.userKey(tk::vbKeyTab, 0));
        order.push_back(form.ActiveControl()->Name());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"rowList", "randomBox", "cancelButton", "delaySpin", "okButton", "rowList"}));
    form.userKey(tk::vbKeyTab, tk::vbShiftMask);
    form.userKey(tk::vbKeyTab, tk::vbShiftMask);
    EXPECT_EQ(form.ActiveControl(), &form.bar) << "Shift+Tab wraps to the end";
    form.frame.setVisible(false);
    form.userKey(tk::vbKeyTab, 0);
    EXPECT_EQ(form.ActiveControl(), &form.ok) << "nothing in a hidden container takes the focus";
}

// The plain Enter and access-key cases are the Windows suite's; these are the exceptions.
TEST_F(ToolkitTest, KeysReachTheRightControl) {
    const auto alt = tk::vbAltMask;
    const struct {
        const char* name;
        std::int16_t key, shift;
        Act prepare;
        Log expected;
        bool used;
    } cases[] = {
        {"Enter presses a focused button", tk::vbKeyReturn, 0, [](auto& f) { f.cancel.SetFocus(); }, {"cancelButton_Click"}, true},
        {"Alt+letter of a label focuses the next control", 'D', alt, nullptr, {"randomBox_LostFocus", "delayBox_GotFocus"}, true},
        {"Alt+letter of a disabled button", 'C', alt, [](auto& f) { f.cancel.setEnabled(false); }, {}, false},
        {"Ctrl+Alt+letter", 'O', alt | tk::vbCtrlMask, nullptr, {}, false},
        {"an arrow for the focused list", tk::vbKeyDown, 0, [](auto& f) { f.list.SetFocus(); }, {"rowList_Click"}, true},
        {"Space toggles a focused check box", tk::vbKeySpace, 0, nullptr, {"randomBox_Click"}, true},
        {"a disabled form takes no keys", tk::vbKeyReturn, 0, [](auto& f) { f.setEnabled(false); }, {}, false},
        {"without key preview the focused control takes the key", 'X', 0, nullptr, {}, false},
        {"key preview sees the key first", tk::vbKeyReturn, 0, [](auto& f) { f.setKeyPreview(true); },
         {"Form_KeyDown", "okButton_Click"}, true},
        {"a consumed key goes no further", tk::vbKeyReturn, 0,
         [](auto& f) { f.setKeyPreview(true), f.consumeKey = tk::vbKeyReturn; }, {"Form_KeyDown"}, true},
        {"closing the form ends the key", tk::vbKeyReturn, 0,
         [](auto& f) { f.setKeyPreview(true), f.onKeyDown = [&f] { f.Unload(); }; },
         {"Form_KeyDown", "Form_QueryUnload", "Form_Unload"}, true},
    };
    for (const auto& c : cases) {
        ControlsForm form;
        form.Show();
        FillRows(form.list, 5);
        if (c.prepare) c.prepare(form);
        form.log.clear();
        EXPECT_EQ(form.userKey(c.key, c.shift), c.used) << c.name;
        EXPECT_EQ(form.log, c.expected) << c.name;
    }
}

TEST_F(ToolkitTest, ChangesFromCodeRunTheHandlerOnceWithTheNewStateAndNothingWhenTheValueStays) {
    using State = std::function<int(ControlsForm&)>;
    const State barValue = [](ControlsForm& f) { return int(f.bar.Value()); }, none = [](ControlsForm&) { return 0; };
    const struct {
        const char* handler; // nullptr: none may run
        Act prepare, change;
        State state;
    } cases[] = {
        {"randomBox_Click", [](auto& f) { f.chk.setValue(1); }, [](auto& f) { f.chk.setValue(0); },
         [](ControlsForm& f) { return int(f.chk.Value()); }},
        {"delayBox_Change", nullptr, [](auto& f) { f.txt.setText("11"); }, [](ControlsForm& f) { return std::stoi(f.txt.Text()); }},
        {"delaySpin_Change", nullptr, [](auto& f) { f.bar.setValue(5000); }, barValue}, // clamped to Max
        {"delaySpin_Change", nullptr, [](auto& f) { f.bar.setMax(100); }, barValue},    // Max below the value
        {"rowList_Click", [](auto& f) { f.list.setListIndex(3); }, [](auto& f) { f.list.setListIndex(-1); },
         [](ControlsForm& f) { return f.list.ListIndex(); }},
        {"rowList_Scroll", nullptr, [](auto& f) { f.list.setTopIndex(4); }, [](ControlsForm& f) { return f.list.TopIndex(); }},
        {"checkList_Click", nullptr, [](auto& f) { f.checks.setSelected(2, true); },
         [](ControlsForm& f) { return int(f.checks.Selected(2)); }},
        {nullptr, nullptr, [](auto& f) { f.list.AddItem("new", 0); }, none},
        {nullptr, nullptr, [](auto& f) { f.list.RemoveItem(5); }, none}, // the current row
        {nullptr, nullptr, [](auto& f) { while (f.list.ListCount() > 3) f.list.RemoveItem(0); }, none},
        {nullptr, nullptr, [](auto& f) { f.list.Clear(); }, none},
        {nullptr, nullptr, [](auto& f) { f.chk.setValue(7); }, none},                           // out of range
        {nullptr, nullptr, [](auto& f) { f.list.setListIndex(99); }, none},                     // out of range
        {nullptr, nullptr, [](auto& f) { f.list.setTopIndex(f.list.TopIndex() + 100); }, none}, // already at the end
        {nullptr, nullptr, [](auto& f) { f.bar.setMin(100); }, none}, // the range still holds the value
        {nullptr, nullptr, [](auto& f) { f.chk.setEnabled(false), f.chk.userClick(); }, none},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.handler ? c.handler : "no handler, case " + std::to_string(&c - cases));
        ControlsForm form;
        form.Show();
        FillRows(form.list, 30);
        FillRows(form.checks, 30);
        form.list.setListIndex(5);
        form.list.setTopIndex(1000); // clamped: the last rows fill the list
        if (c.prepare) c.prepare(form);
        form.log.clear();
        std::vector<int> seen; // the state each handler run saw
        for (std::function<void()>* slot : {&form.chk.Click, &form.txt.Change, &form.bar.Change, &form.list.Click,
                                            &form.list.Scroll, &form.checks.Click})
            *slot = [&, logging = *slot] { seen.push_back(c.state(form)), logging(); };
        c.change(form);
        c.change(form);
        EXPECT_EQ(form.log, c.handler ? Log{c.handler} : Log{});
        EXPECT_EQ(seen, c.handler ? std::vector<int>{c.state(form)} : std::vector<int>{});
    }
}

TEST_F(FocusTest, HandlersNestAndAThrowingOneReachesTheCallerWithTheChangeMade) {
    form.chk.Click = [&] { form.txt.setText("changed by chk"), form.log.push_back("chk out"); };
    form.chk.setValue(1);
    EXPECT_EQ(form.log, (Log{"delayBox_Change", "chk out"}));
    form.txt.Change = [] { throw std::runtime_error("handler failed"); };
    EXPECT_THROW(form.txt.setText("12"), std::runtime_error);
    EXPECT_EQ(form.txt.Text(), "12");
}

} // namespace
} // namespace qs::test
