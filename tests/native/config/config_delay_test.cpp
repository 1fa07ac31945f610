// The delay: changed only through the spin arrows (the top arrow lengthens it), shown
// in a text box that takes no keystrokes and gives the focus away, and stored at once.
#include <gtest/gtest.h>

#include <string>

#include "config_fixture.h"

namespace qs::test {
namespace {

enum class Arrow { Top, Bottom };

struct ArrowCase {
    int stored;
    Arrow arrow;
    int shown;       // the text afterwards
    int spinValue;   // the scroll bar afterwards
    bool changed;    // whether SettingsChanged is set
};

class DelayArrowTest : public ConfigDialogTest, public ::testing::WithParamInterface<ArrowCase> {};

TEST_P(DelayArrowTest, OneClickMovesTheDelayByOneWithinTheRange) {
    const ArrowCase& c = GetParam();
    WriteSettings("Delay_0=" + std::to_string(c.stored) + "\r\n");
    ui::frmConfig& dlg = Open();
    if (c.arrow == Arrow::Top) {
        dlg.upDown.userLineUp();
    } else {
        dlg.upDown.userLineDown();
    }
    EXPECT_EQ(dlg.DelayVal.Text(), std::to_string(c.shown));
    EXPECT_EQ(AppSettings().Delay(), c.shown);
    EXPECT_EQ(dlg.upDown.Value(), c.spinValue);
    EXPECT_EQ(SettingsChanged, c.changed);
}

INSTANTIATE_TEST_SUITE_P(Arrows, DelayArrowTest,
                         ::testing::Values(ArrowCase{10, Arrow::Top, 11, 589, true},
                                           ArrowCase{10, Arrow::Bottom, 9, 591, true},
                                           ArrowCase{2, Arrow::Bottom, 2, 598, false},
                                           ArrowCase{3, Arrow::Bottom, 2, 598, true},
                                           ArrowCase{2, Arrow::Top, 3, 597, true},
                                           ArrowCase{597, Arrow::Top, 598, 2, true},
                                           ArrowCase{598, Arrow::Top, 598, 2, false},
                                           ArrowCase{598, Arrow::Bottom, 597, 3, true}));

TEST_F(ConfigDialogTest, DelayOf598ShowsTheBarAtItsMinimum) {
    WriteSettings("Delay_0=598\r\n");
    ui::frmConfig& dlg = Open();
    EXPECT_EQ(dlg.upDown.Value(), dlg.upDown.Min());
    EXPECT_EQ(dlg.DelayVal.Text(), "598");
}

TEST_F(ConfigDialogTest, ArrowClicksAddUpAndReachTheFileAfterOk) {
    WriteSettings("Delay_0=10\r\n");
    ui::frmConfig& dlg = Open();
    for (int i = 0; i < 5; ++i) dlg.upDown.userLineUp();
    dlg.upDown.userLineDown();
    EXPECT_EQ(dlg.DelayVal.Text(), "14");
    dlg.cmdOK.userClick();
    Release();
    EXPECT_EQ(IniValue("Delay_0"), "14");
}

// Delays of 599 to 1000 seconds can be stored in the file but lie beyond the arrows'
// range: the bar stands at its end and the delay is shown and kept as stored.
class LongDelayTest : public ConfigDialogTest, public ::testing::WithParamInterface<int> {};

TEST_P(LongDelayTest, IsShownAndKeptUntilAnArrowMoves) {
    const int stored = GetParam();
    WriteSettings("Delay_0=" + std::to_string(stored) + "\r\n");
    ui::frmConfig& dlg = Open();
    EXPECT_EQ(dlg.DelayVal.Text(), std::to_string(stored));
    EXPECT_EQ(dlg.upDown.Value(), dlg.upDown.Min());
    EXPECT_EQ(AppSettings().Delay(), stored);
    EXPECT_FALSE(SettingsChanged);

    dlg.upDown.userLineUp(); // the bar is at its end already
    EXPECT_EQ(dlg.DelayVal.Text(), std::to_string(stored));
    EXPECT_EQ(AppSettings().Delay(), stored);

    dlg.cmdOK.userClick();
    Release();
    EXPECT_EQ(IniValue("Delay_0"), std::to_string(stored));
}

TEST_P(LongDelayTest, TheBottomArrowComesBackIntoTheRange) {
    WriteSettings("Delay_0=" + std::to_string(GetParam()) + "\r\n");
    ui::frmConfig& dlg = Open();
    dlg.upDown.userLineDown();
    EXPECT_EQ(dlg.DelayVal.Text(), "597");
    EXPECT_EQ(AppSettings().Delay(), 597);
    EXPECT_TRUE(SettingsChanged);
}

INSTANTIATE_TEST_SUITE_P(Stored, LongDelayTest, ::testing::Values(599, 600, 750, 1000));

TEST_F(ConfigDialogTest, TypingIntoTheDelayBoxDoesNothing) {
    WriteSettings("Delay_0=25\r\n");
    ui::frmConfig& dlg = Open();
    for (char ch : std::string("7a\b\r ")) dlg.DelayVal.userChar(ch);
    EXPECT_EQ(dlg.DelayVal.Text(), "25");
    EXPECT_EQ(AppSettings().Delay(), 25);
    EXPECT_FALSE(SettingsChanged);
}

TEST_F(ConfigDialogTest, TheDelayBoxHandsTheFocusToOk) {
    ui::frmConfig& dlg = Open();
    dlg.DelayVal.userGotFocus();
    EXPECT_EQ(dlg.ActiveControl(), &dlg.cmdOK);
    dlg.chkRandom.SetFocus();
    dlg.DelayVal.SetFocus();
    EXPECT_EQ(dlg.ActiveControl(), &dlg.cmdOK);
}

TEST_F(ConfigDialogTest, TextWrittenFromCodeIsStoredAsTheNumberItStartsWith) {
    ui::frmConfig& dlg = Open();
    const struct {
        const char* text;
        int stored;
    } cases[] = {{"42", 42}, {"", 0}, {"30 seconds", 30}, {"abc", 0}, {"2.5", 2}, {"3.5", 4}};
    for (const auto& c : cases) {
        dlg.DelayVal.setText(c.text);
        EXPECT_EQ(AppSettings().Delay(), c.stored) << c.text;
    }
}

} // namespace
} // namespace qs::test
