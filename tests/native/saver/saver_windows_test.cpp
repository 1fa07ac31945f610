// The Wine suites prove the real password dialog, the system's flag, and the preview's
// life in a real host window, filling it at 96 and 192 dpi.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "settings/app_settings.h"
#include "support/toolkit_fixture.h"
#include "toolkit/application.h"
#include "ui/saver/password_option.h"
#include "ui/saver/saver_window.h"

namespace qs::test {
namespace {

constexpr unsigned kSpiScreenSaverRunning = 97;
constexpr float kTwips = 15; // the screen is 1024 x 768 pixels of 15 twips

class SaverTest : public ToolkitTest {
protected:
    SaverTest() { os.cursor.position = FakeCursor::Point{10, 10}; }
    void TurnPasswordOptionOn() {
        PutRegValue(os.registry, platform::kHkeyCurrentUser, "Control Panel\\Desktop", "ScreenSaveUsePassword",
                    platform::kRegDword, std::string("\1\0\0\0", 4));
    }
    ui::SaverWindow& Show() {
        auto& window = tk::NewForm<ui::SaverWindow>();
        window.Show();
        return window;
    }
    // What the saver told the system, in order: the values it gave the running flag (99: any other change).
    std::vector<unsigned> RunningFlags() const {
        std::vector<unsigned> flags;
        for (const auto& c : os.system.parametersCalls)
            flags.push_back(c.action == kSpiScreenSaverRunning && c.pointerGiven && c.winIni == 0 ? c.param : 99);
        return flags;
    }
};

TEST(PasswordOption, IsOnForEveryStoredFormOfANonZeroValue) {
    // GetRegValue gives binary data as the whole 1024-byte buffer, zeros after the data.
    const auto binary = [](std::string data) { return data + std::string(1024 - data.size(), '\0'); };
    const std::pair<RegVariant, bool> cases[] = {
        {std::monostate{}, false}, {std::string(" 2 "), true}, {std::string("0.5"), false}, {std::string("0.6"), true},
        {std::string("70000"), true}, {std::string("False"), false}, {std::string("yes"), true},
        {std::int32_t{65536}, true}, {std::int32_t{0}, false}, {binary(std::string("\1\0\0\0", 4)), true},
        {binary(std::string(4, '\0')), false}};
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(ui::PasswordOptionValue(cases[i].first), cases[i].second) << "case " << i;
}

// Only off the NT family, with the option on, does the saver ask and tell the system (the
// Wine suite proves the usual cases, the option off or absent among them). The cursor stays
// hidden below -5 whatever count it started from, shows for the question and after the run.
TEST_F(SaverTest, OnlyOffNtWithTheOptionOnTheSaverAsksAndTellsTheSystemItRuns) {
    const std::tuple<std::uint32_t, bool, int, int> cases[] = { // platform, guards, cursor count at start, hidden
        {2, false, 4, -6}, {0, true, -20, -21}, {1, true, 0, -6}}; // NT, Win32s, the Windows 95 family
    TurnPasswordOptionOn();
    os.passwords.onVerify = [&] { EXPECT_GE(os.cursor.displayCount, 6) << "the cursor shows for the question"; };
    for (const auto& [platformId, guards, cursorAtStart, hidden] : cases) {
        SCOPED_TRACE(testing::Message() << platformId << " " << guards);
        os.system.version.dwPlatformId = platformId;
        os.system.parametersCalls.clear();
        os.passwords.verifyCalls.clear();
        os.cursor.displayCount = cursorAtStart;
        auto& window = Show();
        EXPECT_EQ(os.cursor.displayCount, hidden);
        EXPECT_EQ(RunningFlags(), guards ? std::vector<unsigned>{1} : std::vector<unsigned>{});
        os.passwords.verifyResults = {0x10000, 0x10001}; // only the low sixteen bits count
        window.userKey('A', 0);
        EXPECT_EQ(window.IsLoaded(), guards) << "a refusal keeps the show";
        if (guards) {
            EXPECT_LE(os.cursor.displayCount, -6) << "hidden again after a refusal";
            window.userKey('A', 0);
        }
        EXPECT_FALSE(window.IsLoaded());
        EXPECT_EQ(os.passwords.verifyCalls.size(), guards ? 2u : 0u);
        EXPECT_EQ(RunningFlags(), (guards ? std::vector<unsigned>{1, 0} : std::vector<unsigned>{}));
        EXPECT_GE(os.cursor.displayCount, 6);
    }
}

// Seconds after midnight, screen pixels, and whether the picture (lying at 100, 50) reports it.
struct Move { double at; int x, y; bool onPicture = false; };

TEST_F(SaverTest, TheFourthRealMoveWithinTwentySecondsEndsTheShow) {
    const std::pair<const char*, std::vector<Move>> cases[] = {
        {"a late move clears the count and is not counted",
         {{100, 20, 20}, {110, 30, 30}, {121, 40, 40}, {126, 50, 50}, {130, 60, 60}, {140, 70, 70}, {146, 80, 80}}},
        {"the count is tested before the time", {{100, 20, 20}, {101, 30, 30}, {102, 40, 40}, {500, 50, 50}}},
        {"midnight does not clear the count", {{86390, 20, 20}, {86399, 30, 30}, {3, 40, 40}, {30, 50, 50}}},
        {"the first move's time is rounded", {{99.6, 20, 20}, {119.7, 30, 30}, {119.8, 40, 40}, {119.9, 50, 50}}},
        {"the position at load and repeated positions are no moves",
         {{100, 10, 10}, {100, 20, 20}, {100, 20, 20}, {101, 30, 30}, {101, 30, 30}, {102, 40, 40}, {103, 50, 50}}},
        {"moves over the picture count on the window",
         {{100, 20, 20}, {100, 5, 5, true}, {101, 105, 55}, {101, 6, 5, true}, {102, 300, 300}}},
    };
    for (const auto& [name, moves] : cases) {
        SCOPED_TRACE(name);
        auto& window = Show();
        window.slidePicture.Move(100 * kTwips, 50 * kTwips, 200 * kTwips, 100 * kTwips);
        for (const Move& m : moves) {
            EXPECT_TRUE(window.IsLoaded()) << "ended before the move at " << m.at;
            os.clock.SetSecondsAfterMidnight(m.at);
            if (m.onPicture) window.slidePicture.userMouseMove(0, 0, m.x * kTwips, m.y * kTwips);
            else window.userMouseMove(0, 0, m.x * kTwips, m.y * kTwips);
        }
        EXPECT_FALSE(window.IsLoaded()) << "the last move ends it";
    }
}

// Every monitor but the primary gets a cover (the Wine suite proves them placed on two real
// monitors); a click or a close on a cover ends the show, asking the password once, and
// moves count on all monitors.
TEST_F(SaverTest, EveryOtherMonitorGetsACoverWhoseInputIsTheShows) {
    os.screen.monitors = {{{-1280, -200, 0, 824}}, {{0, 0, 1024, 768}, true}, {{0, -600, 800, 0}}};
    os.cursor.position = FakeCursor::Point{5, -595}; // on the monitor above
    os.system.version.dwPlatformId = 1; // the Windows 95 family: the saver asks for the password
    TurnPasswordOptionOn();
    for (int input = 0; input < 3; ++input) { // a click, a close request, moves
        auto& window = Show();
        ASSERT_EQ(tk::LoadedForms().size(), 3u);
        tk::Form *left = tk::LoadedForms()[1], *above = tk::LoadedForms()[2];
        EXPECT_TRUE(above->borderStyle() == tk::BorderStyle::None && above->BackColor() == AppSettings().bgColor());
        if (input == 0) above->userMouseDown(tk::vbLeftButton, 0, 0, 0);
        if (input == 1) above->userClose();
        if (input == 2) { // the first is where the cursor was at load: no move
            for (const auto& [form, at] :
                 {std::pair<tk::Form*, int>{above, 5}, {above, 6}, {&window, 20}, {left, 7}, {&window, 30}}) {
                EXPECT_TRUE(window.IsLoaded());
                form->userMouseMove(0, 0, at * kTwips, at * kTwips);
            }
        }
        EXPECT_TRUE(tk::LoadedForms().empty()) << "input " << input;
        EXPECT_EQ(os.passwords.verifyCalls.size(), input + 1u) << "asked once";
    }
}

} // namespace
} // namespace qs::test
