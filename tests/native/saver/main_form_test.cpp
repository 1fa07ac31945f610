// The full-screen window: how it starts, what ends it, and the password check on the
// Windows 95 family.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "saver_fixture.h"
#include "ui/saver/main_form.h"

namespace qs::test {
namespace {

using ui::MainForm;

constexpr unsigned kSpiScreenSaverRunning = 97;
constexpr float kTwips = 15; // the screen is 1024 x 768 pixels of 15 twips

class MainFormTest : public SaverTest {
protected:
    MainFormTest() {
        os.cursor.position = FakeCursor::Point{10, 10};
        WriteSettings("Delay_0=7\r\nPictureCount_0=1\r\nFileSpec_1=" + PicturePath("quadrants.gif"));
    }
    // The running-flag calls made with this value.
    int RunningFlagCalls(unsigned param) const {
        int n = 0;
        for (const auto& c : os.system.parametersCalls) {
            n += c.action == kSpiScreenSaverRunning && c.param == param && c.pointerGiven && c.winIni == 0;
        }
        return n;
    }
};

// The system asks for the password itself on NT; on the others the saver asks, with the
// system's option on, and tells the system it runs.
TEST_F(MainFormTest, OnlyOffNtWithTheOptionOnTheSaverAsksForThePasswordAndTellsTheSystem) {
    const std::tuple<std::uint32_t, std::optional<OptionValue>, std::int16_t, bool> cases[] = {
        // platform (2: NT, 1: Windows 95, 0: Win32s), option, UsePassword, the saver guards the password
        {2, OptionValue::Dword(1), 1, false}, {1, OptionValue::Text("1"), 1, true}, {1, OptionValue::Text("0"), 0, false},
        {0, OptionValue::Dword(1), 1, true}, {1, OptionValue{platform::kRegExpandSz, std::string("1\0", 2)}, 0, false}};
    os.passwords.verifyDefault = 1;
    for (const auto& [platformId, option, usePassword, guards] : cases) {
        SCOPED_TRACE(testing::Message() << platformId << " " << usePassword);
        os.system.version.dwPlatformId = platformId;
        os.system.parametersCalls.clear();
        os.passwords.verifyCalls.clear();
        SetPasswordOption(option);
        MainForm& form = Show<MainForm>();
        EXPECT_EQ(UsePassword, usePassword);
        EXPECT_EQ(RunningFlagCalls(1), guards ? 1 : 0);
        form.userKey('A', 0);
        EXPECT_FALSE(form.IsLoaded());
        EXPECT_EQ(os.passwords.verifyCalls.size(), guards ? 1u : 0u);
        EXPECT_EQ(RunningFlagCalls(0), guards ? 1 : 0);
        EXPECT_EQ(os.system.parametersCalls.size(), guards ? 2u : 0u) << "no other system parameter changes";
        EXPECT_GE(os.cursor.displayCount, 6);
    }
}

TEST_F(MainFormTest, HidesTheCursorUntilTheCountIsBelowMinusFiveAndShowsItAgainOnUnload) {
    for (const auto& [start, end, calls] : {std::tuple{4, -6, 10}, {-20, -21, 1}}) {
        os.cursor.displayCount = start;
        os.cursor.calls.clear();
        MainForm& form = Show<MainForm>();
        EXPECT_EQ(os.cursor.displayCount, end);
        EXPECT_EQ(os.cursor.calls, std::vector<bool>(static_cast<std::size_t>(calls), false));
        form.Unload();
        EXPECT_EQ(os.cursor.displayCount, 6);
    }
}

struct Move {
    double at; // seconds after midnight
    int x, y;  // screen pixels
};

TEST_F(MainFormTest, FourRealMovesWithinTwentySecondsEndTheShow) {
    struct Case {
        const char* name;
        std::vector<Move> moves;
        int endsAtMove; // 1-based; 0: it keeps running
        std::int16_t movesAfter;
        std::int32_t firstMoveTimeAfter;
    };
    const Case cases[] = {
        {"FourthWithinTwentySecondsEnds", {{100, 20, 20}, {110, 30, 30}, {119, 40, 40}, {120, 50, 50}}, 4, 0, 0},
        {"ALateMoveClearsTheCountAndIsNotCounted", {{100, 20, 20}, {110, 30, 30}, {121, 40, 40}, {126, 50, 50}}, 0, 1,
         126},
        {"TheCountIsTestedBeforeTheTime", {{100, 20, 20}, {101, 30, 30}, {102, 40, 40}, {500, 50, 50}}, 4, 0, 0},
        {"MidnightDoesNotClearTheCount", {{86390, 20, 20}, {86399, 30, 30}, {3, 40, 40}, {30, 50, 50}}, 4, 0, 0},
        {"TheFirstMoveTimeIsRounded", {{99.6, 20, 20}, {119.7, 30, 30}}, 0, 2, 100},
        {"ThePositionAtLoadIsNoMove", {{100, 10, 10}, {101, 10, 10}, {102, 10, 10}, {103, 10, 10}}, 0, 0, 0},
        {"RepeatedPositionsAreNoMoves", {{100, 20, 20}, {100, 20, 20}, {101, 30, 30}, {101, 30, 30}}, 0, 2, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MouseMoves = 0;
        MainForm& form = Show<MainForm>();
        int endedAt = 0;
        for (std::size_t i = 0; i < c.moves.size() && endedAt == 0; ++i) {
            os.clock.SetSecondsAfterMidnight(c.moves[i].at);
            form.userMouseMove(0, 0, c.moves[i].x * kTwips, c.moves[i].y * kTwips);
            if (!form.IsLoaded()) endedAt = static_cast<int>(i) + 1;
        }
        EXPECT_EQ(endedAt, c.endsAtMove);
        if (c.endsAtMove == 0) {
            EXPECT_EQ(MouseMoves, c.movesAfter);
            EXPECT_EQ(form.FirstMoveTime, c.firstMoveTimeAfter);
            form.Unload();
        }
    }
}

TEST_F(MainFormTest, MovesOverThePictureCountOnTheWindowAndTheCountWrapsAtSixteenBits) {
    MainForm& form = Show<MainForm>();
    form.bgImg.Move(100 * kTwips, 50 * kTwips, 200 * kTwips, 100 * kTwips);
    form.userMouseMove(0, 0, 20 * kTwips, 20 * kTwips);
    form.bgImg.userMouseMove(0, 0, 5 * kTwips, 5 * kTwips);
    form.userMouseMove(0, 0, 105 * kTwips, 55 * kTwips); // the picture's (5, 5): no move
    EXPECT_EQ(MouseMoves, 2);
    MouseMoves = 32767;
    form.bgImg.userMouseMove(0, 0, 6 * kTwips, 5 * kTwips);
    EXPECT_EQ(MouseMoves, -32768);
    EXPECT_TRUE(form.IsLoaded());
}

// Any key or mouse button, the close box, code and the fourth move all end the show;
// with the password guarded each must pass the check.
TEST_F(MainFormTest, EveryWayOfClosingAsksAndOnlyTheRightPasswordCloses) {
    SetPasswordOption(OptionValue::Text("1"));
    os.system.version.dwPlatformId = 1; // the Windows 95 family
    std::vector<int> countDuringQuestion;
    os.passwords.onVerify = [&] { countDuringQuestion.push_back(os.cursor.displayCount); };
    const std::pair<const char*, std::function<void(MainForm&)>> paths[] = {
        {"key", [](MainForm& f) { f.userKey('P', 0); }},
        {"click", [](MainForm& f) { f.userMouseDown(tk::vbLeftButton, 0, 0, 0); }},
        {"right button", [](MainForm& f) { f.userMouseDown(tk::vbRightButton, 0, 300 * kTwips, 200 * kTwips); }},
        {"close box", [](MainForm& f) { f.userClose(); }},
        {"code", [](MainForm& f) { f.Unload(); }},
        {"fourth move", [](MainForm& f) { for (int i = 1; i <= 4; ++i) f.userMouseMove(0, 0, i * 100 * kTwips, 0); }}};
    for (const auto& [name, close] : paths) {
        SCOPED_TRACE(name);
        MouseMoves = 0;
        os.passwords.verifyCalls.clear();
        os.system.parametersCalls.clear();
        countDuringQuestion.clear();
        MainForm& form = Show<MainForm>();
        os.passwords.verifyResults = {0x10000, 0x10001}; // only the low sixteen bits count
        close(form);
        EXPECT_TRUE(form.IsLoaded());
        EXPECT_EQ(os.passwords.verifyCalls, std::vector<platform::WindowHandle>{form.hWnd()});
        ASSERT_EQ(countDuringQuestion.size(), 1u);
        EXPECT_GE(countDuringQuestion[0], 6) << "the cursor shows during the question";
        EXPECT_LE(os.cursor.displayCount, -6) << "and hides again after a refusal";
        EXPECT_EQ(RunningFlagCalls(0), 0);
        form.userKey('A', 0); // a refusal never holds off the next question
        EXPECT_FALSE(form.IsLoaded());
        EXPECT_EQ(os.passwords.verifyCalls.size(), 2u);
        EXPECT_GE(os.cursor.displayCount, 6);
        EXPECT_TRUE(RunningFlagCalls(1) == 1 && RunningFlagCalls(0) == 1);
        EXPECT_EQ(os.system.parametersCalls.back().param, 0u);
    }
}

} // namespace
} // namespace qs::test
