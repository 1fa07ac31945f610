// MainForm's password check: every close asks on the Windows 95 family with the
// system's option on; a refusal keeps the show; the NT family never asks.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "saver_fixture.h"
#include "settings/shared_state.h"
#include "toolkit/application.h"
#include "ui/saver/main_form.h"

namespace qs::test {
namespace {

using ui::MainForm;

constexpr unsigned kSpiScreenSaverRunning = 97;
constexpr float kTwips = 15;

class MainFormPassword : public SaverTest {
protected:
    MainFormPassword() {
        os.cursor.position = FakeCursor::Point{10, 10};
        WriteSettings({"Delay_0=10", "PictureCount_0=0"});
        SetPasswordOption(OptionValue::Text("1"));
        os.system.version.dwPlatformId = 1; // the Windows 95 family
        // What the cursor's count was while the question was up.
        os.passwords.onVerify = [this] { countDuringQuestion.push_back(os.cursor.displayCount); };
    }
    MainForm& Show() {
        MainForm& form = tk::NewForm<MainForm>();
        form.Show();
        return form;
    }
    int RunningFlagCalls(unsigned param) const {
        int n = 0;
        for (const auto& c : os.system.parametersCalls) n += c.action == kSpiScreenSaverRunning && c.param == param;
        return n;
    }
    std::vector<int> countDuringQuestion;
};

// Every way of closing the window, each of which must pass the check.
struct ClosePath {
    const char* name;
    std::function<void(MainForm&)> close;
};

class EveryClosePath : public MainFormPassword, public ::testing::WithParamInterface<ClosePath> {};

TEST_P(EveryClosePath, ARefusalKeepsTheShowWithTheCursorHiddenAgain) {
    MainForm& form = Show();
    os.passwords.verifyResults = {0};
    GetParam().close(form);
    EXPECT_TRUE(form.IsLoaded());
    ASSERT_EQ(os.passwords.verifyCalls.size(), 1u);
    EXPECT_EQ(os.passwords.verifyCalls[0], form.hWnd());
    ASSERT_EQ(countDuringQuestion.size(), 1u);
    EXPECT_GE(countDuringQuestion[0], 6) << "the cursor was hidden during the question";
    EXPECT_LE(os.cursor.displayCount, -6);
    EXPECT_EQ(RunningFlagCalls(0), 0);
}

TEST_P(EveryClosePath, TheRightPasswordLetsItClose) {
    MainForm& form = Show();
    os.passwords.verifyResults = {1};
    GetParam().close(form);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(os.passwords.verifyCalls.size(), 1u);
    EXPECT_GE(os.cursor.displayCount, 6);
    EXPECT_EQ(RunningFlagCalls(1), 1);
    ASSERT_EQ(RunningFlagCalls(0), 1);
    const auto& last = os.system.parametersCalls.back();
    EXPECT_EQ(last.action, kSpiScreenSaverRunning);
    EXPECT_EQ(last.param, 0u);
    EXPECT_TRUE(last.pointerGiven);
    EXPECT_EQ(last.valueAtCall, 0);
    EXPECT_EQ(last.winIni, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, EveryClosePath,
    ::testing::Values(ClosePath{"Key", [](MainForm& f) { f.userKey('P', 0); }},
                      ClosePath{"Click", [](MainForm& f) { f.userMouseDown(tk::vbLeftButton, 0, 0, 0); }},
                      ClosePath{"CloseBox", [](MainForm& f) { f.userClose(); }},
                      ClosePath{"Code", [](MainForm& f) { f.Unload(); }},
                      ClosePath{"FourthMove",
                                [](MainForm& f) {
                                    for (int i = 1; i <= 4; ++i) f.userMouseMove(0, 0, i * 100 * kTwips, 0);
                                }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainFormPassword, OnlyTheLowSixteenBitsOfTheAnswerCount) {
    MainForm& form = Show();
    os.passwords.verifyResults = {0x10000, 0x10001};
    form.userKey('A', 0);
    EXPECT_TRUE(form.IsLoaded());
    form.userKey('A', 0);
    EXPECT_FALSE(form.IsLoaded());
}

TEST_F(MainFormPassword, ARefusedFourthMoveLeavesTheCountStandingSoMovesAloneCannotAskAgainSoon) {
    MainForm& form = Show();
    os.passwords.verifyDefault = 0;
    os.clock.SetSecondsAfterMidnight(100);
    for (int i = 1; i <= 4; ++i) form.userMouseMove(0, 0, i * 100 * kTwips, 0);
    ASSERT_TRUE(form.IsLoaded());
    EXPECT_EQ(MouseMoves, 4);
    EXPECT_EQ(os.passwords.verifyCalls.size(), 1u);
    // More moves within the 20 seconds only count on: no question.
    for (int i = 5; i <= 8; ++i) form.userMouseMove(0, 0, i * 100 * kTwips, 0);
    EXPECT_EQ(MouseMoves, 8);
    EXPECT_EQ(os.passwords.verifyCalls.size(), 1u);
    // A move more than 20 seconds after the first clears the count...
    os.clock.SetSecondsAfterMidnight(121);
    form.userMouseMove(0, 0, 900 * kTwips, 0);
    EXPECT_EQ(MouseMoves, 0);
    // ...and four more ask again.
    os.passwords.verifyDefault = 1;
    for (int i = 1; i <= 4; ++i) form.userMouseMove(0, 0, i * 100 * kTwips, 300 * kTwips);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(os.passwords.verifyCalls.size(), 2u);
}

TEST_F(MainFormPassword, AKeyAsksAtOnceAfterARefusal) {
    MainForm& form = Show();
    os.passwords.verifyResults = {0, 0, 1};
    form.userKey('A', 0);
    form.userMouseDown(tk::vbRightButton, 0, 0, 0);
    EXPECT_TRUE(form.IsLoaded());
    form.userKey('B', 0);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(os.passwords.verifyCalls.size(), 3u);
}

struct NoQuestionCase {
    const char* name;
    std::uint32_t platform;
    std::optional<OptionValue> option;
};

class NoQuestion : public MainFormPassword, public ::testing::WithParamInterface<NoQuestionCase> {};

TEST_P(NoQuestion, ClosesWithoutAskingOrTellingTheSystem) {
    os.system.version.dwPlatformId = GetParam().platform;
    SetPasswordOption(GetParam().option);
    os.passwords.verifyDefault = 0; // were it asked, it would refuse
    MainForm& form = Show();
    form.userKey('A', 0);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_TRUE(os.passwords.verifyCalls.empty());
    EXPECT_TRUE(os.system.parametersCalls.empty());
    EXPECT_GE(os.cursor.displayCount, 6);
}

INSTANTIATE_TEST_SUITE_P(Cases, NoQuestion,
                         ::testing::Values(NoQuestionCase{"NtWithTheOptionOn", 2, OptionValue::Text("1")},
                                           NoQuestionCase{"NtWithTheOptionAsDword", 2, OptionValue::Dword(1)},
                                           NoQuestionCase{"Win95WithTheOptionOff", 1, OptionValue::Text("0")},
                                           NoQuestionCase{"Win95WithoutTheOption", 1, std::nullopt}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace qs::test
