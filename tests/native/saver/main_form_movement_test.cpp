// MainForm's exits: any key, any mouse button, and the movement rule.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "saver_fixture.h"
#include "settings/shared_state.h"
#include "toolkit/application.h"
#include "ui/saver/main_form.h"

namespace qs::test {
namespace {

using ui::MainForm;

// The screen is 1024 x 768 at 15 twips per pixel; the cursor starts at pixel (10, 10).
constexpr float kTwips = 15;

class MainFormExit : public SaverTest {
protected:
    MainFormExit() {
        os.cursor.position = FakeCursor::Point{10, 10};
        WriteSettings({"Delay_0=10", "PictureCount_0=0"});
    }
    MainForm& Show() {
        MainForm& form = tk::NewForm<MainForm>();
        form.Show();
        return form;
    }
};

TEST_F(MainFormExit, AnyKeyUnloads) {
    for (std::int16_t key : {std::int16_t{'A'}, tk::vbKeyEscape, tk::vbKeySpace, std::int16_t{0x70}, std::int16_t{0x10}}) {
        SCOPED_TRACE(key);
        MainForm& form = Show();
        form.userKey(key, 0);
        EXPECT_FALSE(form.IsLoaded());
    }
}

TEST_F(MainFormExit, AnyMouseButtonUnloads) {
    for (int button : {tk::vbLeftButton, tk::vbRightButton, tk::vbMiddleButton}) {
        SCOPED_TRACE(button);
        MainForm& form = Show();
        form.userMouseDown(button, 0, 300 * kTwips, 200 * kTwips);
        EXPECT_FALSE(form.IsLoaded());
    }
}

TEST_F(MainFormExit, UnloadingShowsTheCursorAgain) {
    MainForm& form = Show();
    ASSERT_LE(os.cursor.displayCount, -6);
    form.userKey('A', 0);
    EXPECT_EQ(os.cursor.displayCount, 6);
}

// One mouse-move event: when (seconds after midnight) and where (screen pixels).
struct Move {
    double at;
    int x, y;
};

struct MovementCase {
    const char* name;
    std::vector<Move> moves;
    int endsAtMove;  // 1-based index of the move that ends the run; 0: it keeps running
    std::int16_t movesAfter;
    std::int32_t firstMoveTimeAfter;
};

class MovementRule : public MainFormExit, public ::testing::WithParamInterface<MovementCase> {};

TEST_P(MovementRule, CountsRealMovesWithinTwentySeconds) {
    const MovementCase& c = GetParam();
    MainForm& form = Show();
    int endedAt = 0;
    for (std::size_t i = 0; i < c.moves.size(); ++i) {
        os.clock.SetSecondsAfterMidnight(c.moves[i].at);
        form.userMouseMove(0, 0, c.moves[i].x * kTwips, c.moves[i].y * kTwips);
        if (!form.IsLoaded()) {
            endedAt = static_cast<int>(i) + 1;
            break;
        }
    }
    EXPECT_EQ(endedAt, c.endsAtMove);
    if (c.endsAtMove == 0) {
        EXPECT_EQ(MouseMoves, c.movesAfter);
        EXPECT_EQ(form.FirstMoveTime, c.firstMoveTimeAfter);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MovementRule,
    ::testing::Values(
        MovementCase{"ThreeMovesStay", {{100, 20, 20}, {101, 30, 30}, {102, 40, 40}}, 0, 3, 100},
        MovementCase{"FourthMoveEnds", {{100, 20, 20}, {101, 30, 30}, {102, 40, 40}, {103, 50, 50}}, 4, 0, 0},
        MovementCase{"FourthWithinTwentySecondsEnds", {{100, 20, 20}, {110, 30, 30}, {119, 40, 40}, {120, 50, 50}},
                     4, 0, 0},
        MovementCase{"MovesMoreThanTwentySecondsApartNeverEnd",
                     {{100, 20, 20}, {125, 30, 30}, {150, 40, 40}, {175, 50, 50}, {200, 60, 60}, {225, 70, 70},
                      {250, 80, 80}, {275, 90, 90}},
                     0, 0, 0},
        MovementCase{"ALateMoveClearsTheCountAndIsNotCounted",
                     {{100, 20, 20}, {110, 30, 30}, {121, 40, 40}, {126, 50, 50}}, 0, 1, 126},
        MovementCase{"ExactlyTwentySecondsStillCounts", {{100, 20, 20}, {120, 30, 30}, {120, 40, 40}}, 0, 3, 100},
        MovementCase{"TheCountIsTestedBeforeTheTime", {{100, 20, 20}, {101, 30, 30}, {102, 40, 40}, {500, 50, 50}},
                     4, 0, 0},
        MovementCase{"MidnightDoesNotClearTheCount",
                     {{86390, 20, 20}, {86399, 30, 30}, {3, 40, 40}, {30, 50, 50}}, 4, 0, 0},
        MovementCase{"TheFirstMoveTimeIsRounded", {{99.6, 20, 20}, {119.7, 30, 30}}, 0, 2, 100},
        MovementCase{"ThePositionAtLoadIsNoMove", {{100, 10, 10}, {101, 10, 10}, {102, 10, 10}, {103, 10, 10}}, 0, 0,
                     0},
        MovementCase{"RepeatedPositionsAreNoMoves",
                     {{100, 20, 20}, {100, 20, 20}, {101, 30, 30}, {101, 30, 30}, {102, 40, 40}, {102, 40, 40}}, 0, 3,
                     100},
        MovementCase{"ReturningToAnEarlierPositionIsAMove",
                     {{100, 20, 20}, {101, 10, 10}, {102, 20, 20}, {103, 10, 10}}, 4, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainFormExit, TheCountIsSixteenBitsAndWraps) {
    MainForm& form = Show();
    MouseMoves = 32767;
    os.clock.SetSecondsAfterMidnight(100);
    form.userMouseMove(0, 0, 20 * kTwips, 20 * kTwips);
    EXPECT_EQ(MouseMoves, -32768);
    EXPECT_TRUE(form.IsLoaded());
    form.userMouseMove(0, 0, 30 * kTwips, 30 * kTwips);
    EXPECT_EQ(MouseMoves, -32767);
    EXPECT_TRUE(form.IsLoaded());
}

TEST_F(MainFormExit, MovesOverThePictureCountLikeMovesOverTheWindow) {
    MainForm& form = Show();
    form.bgImg.Move(100 * kTwips, 50 * kTwips, 200 * kTwips, 100 * kTwips);
    os.clock.SetSecondsAfterMidnight(100);
    form.userMouseMove(0, 0, 20 * kTwips, 20 * kTwips);
    form.bgImg.userMouseMove(0, 0, 5 * kTwips, 5 * kTwips);
    EXPECT_EQ(MouseMoves, 2);
    // The picture's (0, 0) is the window's (100, 50): the same place is no move.
    form.userMouseMove(0, 0, 105 * kTwips, 55 * kTwips);
    EXPECT_EQ(MouseMoves, 2);
    form.bgImg.userMouseMove(0, 0, 6 * kTwips, 5 * kTwips);
    EXPECT_EQ(MouseMoves, 3);
    form.bgImg.userMouseMove(0, 0, 7 * kTwips, 5 * kTwips);
    EXPECT_FALSE(form.IsLoaded());
}

TEST_F(MainFormExit, WithTheCursorPositionUnknownTheFirstEventCounts) {
    os.cursor.position.reset();
    MainForm& form = Show();
    os.clock.SetSecondsAfterMidnight(100);
    form.userMouseMove(0, 0, 10 * kTwips, 10 * kTwips);
    EXPECT_EQ(MouseMoves, 1);
    form.userMouseMove(0, 0, 10 * kTwips, 10 * kTwips);
    EXPECT_EQ(MouseMoves, 1);
}

} // namespace
} // namespace qs::test
