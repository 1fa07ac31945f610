// The keyboard focus, the keys a form handles (key preview, Enter and Esc, access keys,
// Tab order, keys for the focused control), and changes made from code: they run the
// control's handler once before they return, and setting the value it holds runs nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "probe_forms.h"
#include "support/toolkit_fixture.h"

namespace qs::test {
namespace {

class FocusTest : public ToolkitTest {
protected:
    void SetUp() override {
        form.Show();
        form.log.clear();
    }
    ControlsForm form;
};

TEST_F(FocusTest, SetFocusRunsLostFocusThenGotFocusAndOnlyItTellsThePeer) {
    ASSERT_EQ(form.ActiveControl(), &form.chk);
    form.chk.SetFocus();
    form.ok.SetFocus();
    EXPECT_EQ(form.log, (Log{"chkRandom_LostFocus", "cmdOK_GotFocus"})) << "the focused control again runs nothing";
    EXPECT_EQ(ui().syncCount(form.ok, tk::Prop::Focus), 1);
    form.list.userGotFocus();
    form.list.userGotFocus();
    EXPECT_EQ(form.log, (Log{"chkRandom_LostFocus", "cmdOK_GotFocus", "cmdOK_LostFocus", "List1_GotFocus"}));
    EXPECT_EQ(ui().syncCount(form.list, tk::Prop::Focus), 0) << "the user's focus is already on the window";
}

TEST_F(FocusTest, GotFocusThatMovesTheFocusOnLeavesItThere) {
    form.txt.GotFocus = [&] {
        form.log.push_back("DelayVal_GotFocus");
        form.ok.SetFocus();
    };
    form.txt.userGotFocus();
    EXPECT_EQ(form.ActiveControl(), &form.ok);
    EXPECT_EQ(form.log, (Log{"chkRandom_LostFocus", "DelayVal_GotFocus", "DelayVal_LostFocus", "cmdOK_GotFocus"}));
}

TEST_F(FocusTest, ControlsThatCannotHoldTheFocusIgnoreSetFocusAndADestroyedOneLeavesNone) {
    form.ok.setEnabled(false);
    form.ok.SetFocus();
    form.cancel.setVisible(false);
    form.cancel.SetFocus();
    form.lbl.SetFocus();
    EXPECT_EQ(form.ActiveControl(), &form.chk);
    EXPECT_TRUE(form.log.empty());
    auto extra = std::make_unique<tk::CommandButton>(form, "Extra", "", 0, 0, 100, 100);
    extra->createPeerIfLoaded();
    extra->SetFocus();
    ASSERT_EQ(form.ActiveControl(), extra.get());
    extra.reset();
    EXPECT_EQ(form.ActiveControl(), nullptr);
}

TEST_F(FocusTest, TabAndShiftTabFollowTabIndexSkippingWhatCannotTakeFocus) {
    SetTabOrder({&form.ok, &form.list, &form.chk, &form.cancel, &form.checks, &form.txt, &form.bar});
    form.txt.setEnabled(false);
    form.checks.setTabStop(false);
    form.ok.SetFocus();
    std::vector<std::string> order;
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(form.userKey(tk::vbKeyTab, 0));
        order.push_back(form.ActiveControl()->Name());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"List1", "chkRandom", "cmdCancel", "upDown", "cmdOK", "List1"}));
    ASSERT_TRUE(form.userKey(tk::vbKeyTab, tk::vbShiftMask));
    ASSERT_TRUE(form.userKey(tk::vbKeyTab, tk::vbShiftMask));
    EXPECT_EQ(form.ActiveControl(), &form.bar) << "Shift+Tab wraps to the end";
    form.frame.setVisible(false);
    for (int i = 0; i < 8; ++i) {
        form.userKey(tk::vbKeyTab, 0);
        EXPECT_NE(&form.ActiveControl()->container()->asComponent(), static_cast<tk::Component*>(&form.frame))
            << "nothing in a hidden container takes the focus";
    }
}

TEST_F(ToolkitTest, KeysReachTheRightControl) {
    const auto kAlt = tk::vbAltMask;
    const struct {
        const char* name;
        std::int16_t key, shift;
        std::function<void(ControlsForm&)> prepare;
        Log expected;
        bool used;
    } cases[] = {
        {"Enter presses the default button", tk::vbKeyReturn, 0, nullptr, {"cmdOK_Click"}, true},
        {"Enter presses a focused button", tk::vbKeyReturn, 0, [](ControlsForm& f) { f.cancel.SetFocus(); },
         {"cmdCancel_Click"}, true},
        {"Enter with the default disabled", tk::vbKeyReturn, 0, [](ControlsForm& f) { f.ok.setEnabled(false); }, {},
         false},
        {"Esc presses the cancel button", tk::vbKeyEscape, 0, nullptr, {"cmdCancel_Click"}, true},
        {"Esc without a cancel button", tk::vbKeyEscape, 0, [](ControlsForm& f) { f.cancel.setCancel(false); }, {},
         false},
        {"Alt+letter clicks a button", 'O', kAlt, nullptr, {"chkRandom_LostFocus", "cmdOK_GotFocus", "cmdOK_Click"},
         true},
        {"Alt+letter toggles a check box", 'R', kAlt, nullptr, {"chkRandom_Click"}, true},
        {"Alt+letter of a label focuses the next control", 'D', kAlt, nullptr,
         {"chkRandom_LostFocus", "DelayVal_GotFocus"}, true},
        {"Alt+letter of a frame focuses the first control after it", 'O', kAlt,
         [](ControlsForm& f) {
             f.ok.setCaption("OK");
             f.cancel.SetFocus();
         },
         {"cmdCancel_LostFocus", "chkRandom_GotFocus"}, true},
        {"Alt+letter of a disabled button", 'C', kAlt, [](ControlsForm& f) { f.cancel.setEnabled(false); }, {}, false},
        {"Alt+unknown letter", 'Z', kAlt, nullptr, {}, false},
        {"Ctrl+Alt+letter", 'O', kAlt | tk::vbCtrlMask, nullptr, {}, false},
        {"a letter alone", 'O', 0, nullptr, {}, false},
        {"an arrow for the focused list", tk::vbKeyDown, 0, [](ControlsForm& f) { f.list.SetFocus(); },
         {"List1_Click"}, true},
        {"an arrow without a focused list", tk::vbKeyDown, 0, nullptr, {}, false},
        {"Space presses a focused button", tk::vbKeySpace, 0, [](ControlsForm& f) { f.ok.SetFocus(); },
         {"cmdOK_Click"}, true},
        {"Space toggles a focused check box", tk::vbKeySpace, 0, nullptr, {"chkRandom_Click"}, true},
        {"an arrow moves a focused scroll bar", tk::vbKeyUp, 0, [](ControlsForm& f) { f.bar.SetFocus(); },
         {"upDown_Change"}, true},
        {"a disabled form takes no keys", tk::vbKeyReturn, 0, [](ControlsForm& f) { f.setEnabled(false); }, {},
         false},
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

TEST_F(FocusTest, KeyPreviewSeesEveryKeyFirstAndMayConsumeOrCloseIt) {
    form.userKey('X', 0);
    EXPECT_TRUE(form.keys.empty()) << "without preview a focused control takes the key";
    form.setKeyPreview(true);
    form.userKey('H', tk::vbAltMask);
    form.userKey(tk::vbKeyReturn, 0);
    EXPECT_EQ(form.keys, (std::vector<std::pair<std::int16_t, std::int16_t>>{{'H', tk::vbAltMask},
                                                                             {tk::vbKeyReturn, 0}}));
    EXPECT_EQ(form.log, (Log{"Form_KeyDown", "Form_KeyDown", "cmdOK_Click"}));
    form.log.clear();
    form.consumeKey = tk::vbKeyReturn;
    EXPECT_TRUE(form.userKey(tk::vbKeyReturn, 0));
    EXPECT_FALSE(form.userKeyDownPreview('Q', 0)) << "the preview entry point runs only the form's handler";
    EXPECT_TRUE(form.userKeyDownPreview(tk::vbKeyReturn, 0));
    EXPECT_EQ(form.log, (Log{"Form_KeyDown", "Form_KeyDown", "Form_KeyDown"})) << "a consumed key goes no further";
    form.consumeKey = -1;
    form.onKeyDown = [&] { form.Unload(); };
    EXPECT_TRUE(form.userKey(tk::vbKeyReturn, 0));
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(std::count(form.log.begin(), form.log.end(), "cmdOK_Click"), 0) << "closing the form ends the key";
    LifecycleForm bare("Bare");
    bare.Show();
    bare.userKey('X', tk::vbShiftMask);
    EXPECT_EQ(bare.keys.size(), 1u) << "a form without controls sees its keys";
}

TEST_F(FocusTest, CharactersGoToTheFocusedTextBoxThroughKeyPress) {
    form.txt.KeyPress = [](std::int16_t& key) {
        if (key == 'x') key = 0;
    };
    form.txt.SetFocus();
    for (std::int16_t key : std::initializer_list<std::int16_t>{'1', 'x', '7', 8, 8, '\r'}) form.userChar(key);
    EXPECT_EQ(form.txt.Text(), "60") << "x discarded, backspace deletes, Enter is no character";
    form.ok.SetFocus();
    form.userChar('2');
    form.txt.setLocked(true);
    form.txt.userChar('9');
    EXPECT_EQ(form.txt.Text(), "60") << "only the focused, unlocked box takes characters";
}

TEST(AccessKey, LetterAfterAmpersand) {
    const struct {
        const char* caption;
        char key;
    } cases[] = {{"&OK", 'O'},     {"Do&wn", 'W'},  {"De&lete All", 'L'}, {"Fish && Chips", 0},
                 {"&&Not &This", 'T'}, {"No key", 0}, {"Trailing&", 0},      {"", 0}};
    for (const auto& c : cases) EXPECT_EQ(tk::Control::AccessKeyOf(c.caption), c.key) << c.caption;
}

TEST_F(ToolkitTest, OnlyOneDefaultAndOneCancelButton) {
    ControlsForm form;
    form.cancel.setDefault(true);
    form.ok.setCancel(true);
    EXPECT_FALSE(form.ok.Default());
    EXPECT_FALSE(form.cancel.Cancel());
    EXPECT_EQ(form.defaultButton(), &form.cancel);
    EXPECT_EQ(form.cancelButton(), &form.ok);
}

TEST_F(ToolkitTest, ChangesFromCodeRunTheHandlerOnceWithTheNewStateAndNothingForTheSameValue) {
    using Act = std::function<void(ControlsForm&)>;
    using State = std::function<int(ControlsForm&)>;
    const State checkValue = [](ControlsForm& f) { return int(f.chk.Value()); };
    const State barValue = [](ControlsForm& f) { return int(f.bar.Value()); };
    const State listIndex = [](ControlsForm& f) { return f.list.ListIndex(); };
    const State rowChecked = [](ControlsForm& f) { return int(f.checks.Selected(2)); };
    const struct {
        const char* handler;
        Act prepare, change;
        State state;
    } cases[] = {
        {"chkRandom_Click", nullptr, [](ControlsForm& f) { f.chk.setValue(1); }, checkValue},
        {"chkRandom_Click", [](ControlsForm& f) { f.chk.setValue(1); }, [](ControlsForm& f) { f.chk.setValue(0); },
         checkValue},
        {"DelayVal_Change", nullptr, [](ControlsForm& f) { f.txt.setText("11"); },
         [](ControlsForm& f) { return std::stoi(f.txt.Text()); }},
        {"upDown_Change", nullptr, [](ControlsForm& f) { f.bar.setValue(590); }, barValue},
        {"upDown_Change", nullptr, [](ControlsForm& f) { f.bar.setValue(5000); }, barValue}, // clamped to Max
        {"upDown_Change", nullptr, [](ControlsForm& f) { f.bar.setMax(100); }, barValue},    // Max below the value
        {"List1_Click", nullptr, [](ControlsForm& f) { f.list.setListIndex(3); }, listIndex},
        {"List1_Click", [](ControlsForm& f) { f.list.setListIndex(3); },
         [](ControlsForm& f) { f.list.setListIndex(-1); }, listIndex},
        {"List1_Click", nullptr, [](ControlsForm& f) { f.list.setSelected(4, true); }, listIndex},
        {"List1_Scroll", nullptr, [](ControlsForm& f) { f.list.setTopIndex(4); },
         [](ControlsForm& f) { return f.list.TopIndex(); }},
        {"Checks_Click", nullptr, [](ControlsForm& f) { f.checks.setSelected(2, true); }, rowChecked},
        {"Checks_Click", [](ControlsForm& f) { f.checks.setSelected(2, true); },
         [](ControlsForm& f) { f.checks.setSelected(2, false); }, rowChecked},
    };
    for (const auto& c : cases) {
        ControlsForm form;
        form.Show();
        FillRows(form.list, 30);
        FillRows(form.checks, 30);
        if (c.prepare) c.prepare(form);
        form.log.clear();
        std::vector<int> seen; // the state each handler run saw
        std::function<void()>* slots[] = {&form.chk.Click, &form.txt.Change, &form.bar.Change,
                                          &form.list.Click, &form.list.Scroll, &form.checks.Click};
        for (std::function<void()>* slot : slots) {
            *slot = [&, logging = *slot] {
                seen.push_back(c.state(form));
                logging();
            };
        }
        c.change(form);
        c.change(form);
        EXPECT_EQ(form.log, (Log{c.handler})) << c.handler;
        EXPECT_EQ(seen, (std::vector<int>{c.state(form)})) << c.handler;
    }
}

TEST_F(ToolkitTest, ChangesThatKeepTheValueRunNoHandler) {
    const std::function<void(ControlsForm&)> changes[] = {
        [](ControlsForm& f) { f.list.AddItem("new", 0); },
        [](ControlsForm& f) { f.list.AddItem("new"); },
        [](ControlsForm& f) { f.list.RemoveItem(5); }, // the current row
        [](ControlsForm& f) {
            while (f.list.ListCount() > 3) f.list.RemoveItem(0); // until the top row moves
        },
        [](ControlsForm& f) { f.list.Clear(); },
        [](ControlsForm& f) { f.list.setList(1, "renamed"); },
        [](ControlsForm& f) { f.list.setItemData(1, 42); },
        [](ControlsForm& f) { f.chk.setValue(7); },              // out of range
        [](ControlsForm& f) { f.list.setListIndex(99); },        // out of range
        [](ControlsForm& f) { f.checks.setSelected(5, true); },  // out of range
        [](ControlsForm& f) { f.list.setTopIndex(f.list.TopIndex() + 100); }, // already at the end
        [](ControlsForm& f) { f.bar.setMin(100); },              // the range still holds the value
        [](ControlsForm& f) {
            f.chk.setEnabled(false);
            f.chk.userClick();
        },
    };
    int i = 0;
    for (const auto& change : changes) {
        ControlsForm form;
        form.Show();
        FillRows(form.list, 30);
        form.list.setListIndex(5);
        form.list.setTopIndex(1000); // clamped: the last rows fill the list
        form.checks.AddItem("");
        form.log.clear();
        change(form);
        EXPECT_EQ(form.log, Log{}) << "change " << i++;
    }
}

TEST_F(ToolkitTest, HandlersNestAndAThrowingOneDoesNotEscape) {
    ControlsForm form;
    form.Show();
    form.chk.Click = [&] {
        form.log.push_back("chk in");
        form.txt.setText("changed by chk");
        form.log.push_back("chk out");
    };
    form.chk.setValue(1);
    EXPECT_EQ(Log(form.log.end() - 3, form.log.end()), (Log{"chk in", "DelayVal_Change", "chk out"}));
    form.txt.Change = [] { throw std::runtime_error("handler failed"); };
    EXPECT_NO_THROW(form.txt.setText("12"));
    EXPECT_EQ(form.txt.Text(), "12");
}

} // namespace
} // namespace qs::test
