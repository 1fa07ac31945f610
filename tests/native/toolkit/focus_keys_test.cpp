// The keyboard focus and the keys a form handles: key preview, Enter and Esc, access
// keys, Tab order, and keys for the focused control.
#include <gtest/gtest.h>

#include <algorithm>

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

TEST_F(FocusTest, SetFocusRunsLostFocusThenGotFocusAndTellsThePeer) {
    ASSERT_EQ(form.ActiveControl(), &form.chk);
    const int before = ui().syncCount(form.ok, tk::Prop::Focus);
    form.ok.SetFocus();
    EXPECT_EQ(form.log, (Log{"chkRandom_LostFocus", "cmdOK_GotFocus"}));
    EXPECT_TRUE(form.ok.hasFocus());
    EXPECT_FALSE(form.chk.hasFocus());
    EXPECT_EQ(ui().syncCount(form.ok, tk::Prop::Focus), before + 1);
}

TEST_F(FocusTest, SetFocusOnFocusedControlRunsNothing) {
    form.chk.SetFocus();
    EXPECT_TRUE(form.log.empty());
}

TEST_F(FocusTest, UserFocusRunsHandlersWithoutTellingThePeer) {
    form.list.userGotFocus();
    EXPECT_EQ(form.log, (Log{"chkRandom_LostFocus", "List1_GotFocus"}));
    EXPECT_EQ(ui().syncCount(form.list, tk::Prop::Focus), 0);
    form.list.userGotFocus();
    EXPECT_EQ(form.log.size(), 2u);
}

TEST_F(FocusTest, GotFocusThatMovesTheFocusOnLeavesItThere) {
    // As a text box that never keeps the focus hands it to the OK button.
    form.txt.GotFocus = [&] {
        form.log.push_back("DelayVal_GotFocus");
        form.ok.SetFocus();
    };
    form.txt.userGotFocus();
    EXPECT_EQ(form.ActiveControl(), &form.ok);
    EXPECT_EQ(form.log, (Log{"chkRandom_LostFocus", "DelayVal_GotFocus", "DelayVal_LostFocus", "cmdOK_GotFocus"}));
}

TEST_F(FocusTest, ControlsThatCannotHoldTheFocusIgnoreSetFocus) {
    form.ok.setEnabled(false);
    form.ok.SetFocus();
    form.cancel.setVisible(false);
    form.cancel.SetFocus();
    form.lbl.SetFocus();
    EXPECT_EQ(form.ActiveControl(), &form.chk);
    EXPECT_TRUE(form.log.empty());
}

TEST_F(FocusTest, DestroyedFocusedControlLeavesNoActiveControl) {
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
    EXPECT_EQ(form.ActiveControl(), &form.ok);
    ASSERT_TRUE(form.userKey(tk::vbKeyTab, tk::vbShiftMask));
    EXPECT_EQ(form.ActiveControl(), &form.bar) << "Shift+Tab wraps to the end";
}

TEST_F(FocusTest, TabSkipsControlsInHiddenContainer) {
    form.frame.setVisible(false);
    form.ok.SetFocus();
    for (int i = 0; i < 8; ++i) {
        form.userKey(tk::vbKeyTab, 0);
        EXPECT_NE(&form.ActiveControl()->container()->asComponent(), static_cast<tk::Component*>(&form.frame));
    }
}

struct KeyCase {
    const char* name;
    std::int16_t key;
    std::int16_t shift;
    std::function<void(ControlsForm&)> prepare;
    Log expected;
    bool used;
};

class FormKeyTest : public FocusTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(FormKeyTest, KeyReachesTheRightControl) {
    const KeyCase& c = GetParam();
    FillRows(form.list, 5);
    if (c.prepare) c.prepare(form);
    form.log.clear();
    EXPECT_EQ(form.userKey(c.key, c.shift), c.used);
    EXPECT_EQ(form.log, c.expected);
}

const auto kAlt = tk::vbAltMask;

INSTANTIATE_TEST_SUITE_P(
    Keys, FormKeyTest,
    ::testing::Values(
        KeyCase{"EnterPressesDefaultButton", tk::vbKeyReturn, 0, nullptr, {"cmdOK_Click"}, true},
        KeyCase{"EnterPressesFocusedButton", tk::vbKeyReturn, 0,
                [](ControlsForm& f) { f.cancel.SetFocus(); }, {"cmdCancel_Click"}, true},
        KeyCase{"EnterWithDisabledDefaultDoesNothing", tk::vbKeyReturn, 0,
                [](ControlsForm& f) { f.ok.setEnabled(false); }, {}, false},
        KeyCase{"EscPressesCancelButton", tk::vbKeyEscape, 0, nullptr, {"cmdCancel_Click"}, true},
        KeyCase{"EscWithoutCancelButtonDoesNothing", tk::vbKeyEscape, 0,
                [](ControlsForm& f) { f.cancel.setCancel(false); }, {}, false},
        KeyCase{"AltLetterClicksButton", 'O', kAlt, nullptr,
                {"chkRandom_LostFocus", "cmdOK_GotFocus", "cmdOK_Click"}, true},
        KeyCase{"AltLetterTogglesCheckBox", 'R', kAlt, nullptr, {"chkRandom_Click"}, true},
        KeyCase{"AltLetterOfLabelFocusesNextControl", 'D', kAlt, nullptr,
                {"chkRandom_LostFocus", "DelayVal_GotFocus"}, true},
        KeyCase{"AltLetterOfFrameFocusesNextControl", 'O', kAlt,
                [](ControlsForm& f) { f.ok.setCaption("OK"); }, {}, true},
        KeyCase{"AltLetterOfDisabledButtonDoesNothing", 'C', kAlt,
                [](ControlsForm& f) { f.cancel.setEnabled(false); }, {}, false},
        KeyCase{"AltUnknownLetterIsNotUsed", 'Z', kAlt, nullptr, {}, false},
        KeyCase{"CtrlAltLetterIsNoAccessKey", 'O', kAlt | tk::vbCtrlMask, nullptr, {}, false},
        KeyCase{"LetterAloneIsNoAccessKey", 'O', 0, nullptr, {}, false},
        KeyCase{"ArrowGoesToFocusedList", tk::vbKeyDown, 0, [](ControlsForm& f) { f.list.SetFocus(); },
                {"List1_Click"}, true},
        KeyCase{"ArrowWithoutFocusedListIsNotUsed", tk::vbKeyDown, 0, nullptr, {}, false},
        KeyCase{"SpacePressesFocusedButton", tk::vbKeySpace, 0, [](ControlsForm& f) { f.ok.SetFocus(); },
                {"cmdOK_Click"}, true},
        KeyCase{"SpaceTogglesFocusedCheckBox", tk::vbKeySpace, 0, nullptr, {"chkRandom_Click"}, true},
        KeyCase{"ArrowMovesFocusedScrollBar", tk::vbKeyUp, 0, [](ControlsForm& f) { f.bar.SetFocus(); },
                {"upDown_Change"}, true}),
    [](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST_F(FocusTest, AltLetterOfFrameMovesToTheControlAfterIt) {
    form.ok.setCaption("OK");
    form.cancel.SetFocus();
    form.userKey('O', tk::vbAltMask);
    EXPECT_EQ(form.ActiveControl(), &form.chk) << "the first control after the frame &Options";
}

TEST_F(FocusTest, KeyPreviewSeesEveryKeyFirstAndMayConsumeIt) {
    form.setKeyPreview(true);
    form.userKey('H', tk::vbAltMask);
    form.userKey(tk::vbKeyReturn, 0);
    EXPECT_EQ(form.keys, (std::vector<std::pair<std::int16_t, std::int16_t>>{{'H', tk::vbAltMask},
                                                                             {tk::vbKeyReturn, 0}}));
    EXPECT_EQ(form.log, (Log{"Form_KeyDown", "Form_KeyDown", "cmdOK_Click"}));
    form.log.clear();
    form.consumeKey = tk::vbKeyReturn;
    EXPECT_TRUE(form.userKey(tk::vbKeyReturn, 0));
    EXPECT_EQ(form.log, (Log{"Form_KeyDown"})) << "a consumed key goes no further";
}

TEST_F(FocusTest, WithoutPreviewFormSeesKeysOnlyWhenNoControlHasFocus) {
    form.userKey('X', 0);
    EXPECT_TRUE(form.keys.empty());
    LifecycleForm bare("Bare");
    bare.Show();
    bare.userKey('X', tk::vbShiftMask);
    EXPECT_EQ(bare.keys, (std::vector<std::pair<std::int16_t, std::int16_t>>{{'X', tk::vbShiftMask}}));
}

TEST_F(FocusTest, PreviewEntryPointRunsOnlyTheFormHandler) {
    form.setKeyPreview(true);
    form.consumeKey = 'Q';
    EXPECT_FALSE(form.userKeyDownPreview(tk::vbKeyReturn, 0));
    EXPECT_TRUE(form.userKeyDownPreview('Q', 0));
    EXPECT_EQ(form.log, (Log{"Form_KeyDown", "Form_KeyDown"}));
}

TEST_F(FocusTest, KeyHandlerThatClosesTheFormEndsTheKey) {
    form.setKeyPreview(true);
    form.onKeyDown = [&] { form.Unload(); };
    EXPECT_TRUE(form.userKey(tk::vbKeyReturn, 0));
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(std::count(form.log.begin(), form.log.end(), "cmdOK_Click"), 0);
}

TEST_F(FocusTest, DisabledFormTakesNoKeys) {
    form.setKeyPreview(true);
    form.setEnabled(false);
    EXPECT_FALSE(form.userKey(tk::vbKeyReturn, 0));
    EXPECT_TRUE(form.log.empty());
}

TEST_F(FocusTest, CharactersGoToFocusedTextBox) {
    form.txt.SetFocus();
    form.userChar('1');
    EXPECT_EQ(form.txt.Text(), "601");
    form.ok.SetFocus();
    form.userChar('2');
    EXPECT_EQ(form.txt.Text(), "601");
}

TEST_F(FocusTest, KeyPressMayDiscardCharactersAndBackspaceDeletes) {
    form.txt.KeyPress = [](std::int16_t& key) {
        if (key == 'x') key = 0;
    };
    form.txt.userChar('x');
    form.txt.userChar('7');
    form.txt.userChar(8);
    form.txt.userChar(8);
    form.txt.userChar('\r');
    EXPECT_EQ(form.txt.Text(), "6");
    form.txt.setLocked(true);
    form.txt.userChar('9');
    EXPECT_EQ(form.txt.Text(), "6") << "a locked box keeps its text";
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
    EXPECT_FALSE(form.ok.Default());
    EXPECT_EQ(form.defaultButton(), &form.cancel);
    form.ok.setCancel(true);
    EXPECT_FALSE(form.cancel.Cancel());
    EXPECT_EQ(form.cancelButton(), &form.ok);
}

} // namespace
} // namespace qs::test
