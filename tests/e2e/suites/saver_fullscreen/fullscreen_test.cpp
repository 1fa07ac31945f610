// "/S" end to end: the real saver on the virtual display, driven as a user would.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <optional>
#include <string>

#include "e2e_driver.h"

namespace qs::e2e {
namespace {

using std::chrono::steady_clock;

constexpr char kCaption[] = "Quillo ScrSav Main Form";
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);
// The first tick comes 400 ms after the window has loaded and draws as soon as the
// whole-second clock has moved on: within about 1.4 s of the window, decoding aside.
constexpr Ms kFirstSlideDeadline{2000};
// For tests about something else than the first slide's speed.
constexpr Ms kSlideShown{5000};

std::string Packed(COLORREF colour) {
    // The settings file packs red + 256 * green + 65536 * blue, as COLORREF does.
    return std::to_string(static_cast<unsigned long>(colour));
}

class FullScreen : public ::testing::Test {
protected:
    void SetUp() override {
        // A known cursor position away from everything the tests click or move to.
        SetCursorPos(3, 3);
        red_ = run_.WriteSolidBitmap("red.bmp", 200, 100, kRed);
        green_ = run_.WriteSolidBitmap("green.bmp", 100, 200, kGreen);
    }

    // Starts "/S" and waits for its window.
    HWND Start(SaverProcess& saver) {
        EXPECT_TRUE(saver.Started());
        HWND window = saver.WaitForWindow(kCaption, kStartDeadline);
        EXPECT_NE(window, nullptr) << "no window captioned " << kCaption;
        return window;
    }

    RunFolder run_;
    std::string red_, green_;
};

TEST_F(FullScreen, CoversTheScreenTopmostAndShowsTheFirstSlidePlacedByItsFlags) {
    run_.WriteSettings({"BGColor_0=" + Packed(kBlue), "Delay_0=10", "PictureCount_0=1", "FileSpec_1=" + red_,
                        "Center_1=True", "HStretch_1=False", "VStretch_1=False"});
    SaverProcess saver(run_, "/S");
    HWND window = Start(saver);
    ASSERT_NE(window, nullptr);
    const auto loaded = steady_clock::now();

    const int cx = ScreenWidth() / 2, cy = ScreenHeight() / 2;
    EXPECT_TRUE(WaitForScreenPixel(cx, cy, kRed, kFirstSlideDeadline)) << "no red picture at the centre in time";
    const auto shown = std::chrono::duration_cast<Ms>(steady_clock::now() - loaded);
    RecordProperty("first_slide_ms", static_cast<int>(shown.count()));

    RECT r{};
    GetWindowRect(window, &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, ScreenWidth());
    EXPECT_EQ(r.bottom, ScreenHeight());
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);

    // The 200 x 100 picture at its natural size, centred; the background around it.
    EXPECT_TRUE(SameColour(ScreenPixel(cx - 95, cy - 45), kRed));
    EXPECT_TRUE(SameColour(ScreenPixel(cx + 95, cy + 45), kRed));
    EXPECT_TRUE(SameColour(ScreenPixel(cx - 110, cy), kBlue));
    EXPECT_TRUE(SameColour(ScreenPixel(cx, cy - 60), kBlue));
    EXPECT_TRUE(SameColour(ScreenPixel(2, 2), kBlue));
    EXPECT_TRUE(SameColour(ScreenPixel(ScreenWidth() - 2, ScreenHeight() - 2), kBlue));
    EXPECT_EQ(CountScreenPixels(RECT{0, 0, ScreenWidth(), ScreenHeight()}, kRed), 200 * 100);
    EXPECT_FALSE(CursorShowing());
}

TEST_F(FullScreen, PicturesWithoutCentreSitTopLeftAndStretchedOnesFillTheirAxis) {
    struct Case {
        const char* flags[3];  // Center, HStretch, VStretch
        RECT redArea;          // where the 200 x 100 picture lands on a 1024 x 768 screen
    };
    const Case cases[] = {
        {{"False", "False", "False"}, {0, 0, 200, 100}},
        {{"False", "True", "True"}, {0, 0, 1024, 768}},
        {{"False", "True", "False"}, {0, 0, 1024, 512}},
        {{"True", "True", "False"}, {0, 128, 1024, 640}},
        {{"True", "False", "True"}, {-256, 0, 1280, 768}},
    };
    ASSERT_EQ(ScreenWidth(), 1024) << "the table assumes the 1024 x 768 test display";
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("Center/HStretch/VStretch = ") + c.flags[0] + "/" + c.flags[1] + "/" + c.flags[2]);
        run_.WriteSettings({"BGColor_0=" + Packed(kBlue), "Delay_0=10", "PictureCount_0=1", "FileSpec_1=" + red_,
                            std::string("Center_1=") + c.flags[0], std::string("HStretch_1=") + c.flags[1],
                            std::string("VStretch_1=") + c.flags[2]});
        SaverProcess saver(run_, "/S");
        ASSERT_NE(Start(saver), nullptr);
        // A centred picture wider than the screen starts left of it: what shows is its visible part.
        const RECT visible{std::max<LONG>(c.redArea.left, 0), std::max<LONG>(c.redArea.top, 0),
                           std::min<LONG>(c.redArea.right, 1024), std::min<LONG>(c.redArea.bottom, 768)};
        const int expected = (visible.right - visible.left) * (visible.bottom - visible.top);
        EXPECT_TRUE(WaitUntil([&] { return CountScreenPixels(visible, kRed) == expected; }, kSlideShown));
        EXPECT_EQ(CountScreenPixels(RECT{0, 0, 1024, 768}, kRed), expected);
        PressKey('Q');
        EXPECT_TRUE(saver.WaitForExit(kExitDeadline));
    }
}

TEST_F(FullScreen, TheNextSlideFollowsOnceTheDelayHasPassed) {
    run_.WriteSettings({"BGColor_0=" + Packed(kBlue), "Delay_0=2", "PictureCount_0=2", "FileSpec_1=" + red_,
                        "Center_1=True", "FileSpec_2=" + green_, "Center_2=True"});
    SaverProcess saver(run_, "/S");
    ASSERT_NE(Start(saver), nullptr);
    const int cx = ScreenWidth() / 2, cy = ScreenHeight() / 2;
    ASSERT_TRUE(WaitForScreenPixel(cx, cy, kRed, kSlideShown));
    const auto first = steady_clock::now();
    // Delay 2 keeps a slide for 3 seconds of the whole-second clock: more than 2 s of real time.
    ASSERT_TRUE(WaitForScreenPixel(cx, cy, kGreen, Ms(6000)));
    const auto held = std::chrono::duration_cast<Ms>(steady_clock::now() - first);
    EXPECT_GT(held.count(), 2000);
    EXPECT_LT(held.count(), 4500);
    // The green picture is 100 x 200: the red one is gone, the background shows beside it.
    EXPECT_EQ(CountScreenPixels(RECT{0, 0, ScreenWidth(), ScreenHeight()}, kRed), 0);
    EXPECT_TRUE(SameColour(ScreenPixel(cx - 60, cy), kBlue));
}

TEST_F(FullScreen, AMissingPictureGivesTheTextSlide) {
    const std::string missing = run_.PathOf("no such picture.jpg");
    run_.WriteSettings({"BGColor_0=0", "Delay_0=10", "PictureCount_0=1", "FileSpec_1=" + missing});
    SaverProcess saver(run_, "/S");
    ASSERT_NE(Start(saver), nullptr);
    // On black the text is light yellow: the heading across the top, the path below it.
    const COLORREF kLightYellow = RGB(255, 255, 127);
    const RECT top{0, 0, ScreenWidth(), ScreenHeight() / 6};
    EXPECT_TRUE(WaitUntil([&] { return CountScreenPixels(top, kLightYellow, 24) > 200; }, kSlideShown));
    // The icon fills a centred rectangle of half the screen's size: the corners stay black.
    EXPECT_TRUE(SameColour(ScreenPixel(ScreenWidth() / 8, ScreenHeight() / 2), kBlack));
    EXPECT_TRUE(SameColour(ScreenPixel(ScreenWidth() * 7 / 8, ScreenHeight() / 2), kBlack));
    // The program's icon, stretched over that rectangle, covers much of it.
    const RECT middle{ScreenWidth() / 4, ScreenHeight() / 4, ScreenWidth() * 3 / 4, ScreenHeight() * 3 / 4};
    const int middleArea = (middle.right - middle.left) * (middle.bottom - middle.top);
    EXPECT_LT(CountScreenPixels(middle, kBlack, 24), middleArea * 3 / 4) << "no icon in the middle";
    // The credit line at the bottom of the full-screen window.
    const RECT bottom{0, ScreenHeight() - 20, ScreenWidth(), ScreenHeight()};
    EXPECT_GT(CountScreenPixels(bottom, kLightYellow, 24), 10);
}

TEST_F(FullScreen, AKeyEndsTheRun) {
    run_.WriteSettings({"BGColor_0=" + Packed(kBlue), "PictureCount_0=1", "FileSpec_1=" + red_, "Center_1=1"});
    SaverProcess saver(run_, "/S");
    ASSERT_NE(Start(saver), nullptr);
    ASSERT_TRUE(WaitForScreenPixel(ScreenWidth() / 2, ScreenHeight() / 2, kRed, kSlideShown));
    PressKey('A');
    EXPECT_TRUE(saver.WaitForExit(kExitDeadline));
    EXPECT_EQ(FindTopLevel(kCaption), nullptr);
    EXPECT_TRUE(CursorShowing());
}

TEST_F(FullScreen, AMouseButtonEndsTheRun) {
    run_.WriteSettings({"BGColor_0=" + Packed(kBlue), "PictureCount_0=1", "FileSpec_1=" + red_, "Center_1=1"});
    SaverProcess saver(run_, "/S");
    ASSERT_NE(Start(saver), nullptr);
    ASSERT_TRUE(WaitForScreenPixel(ScreenWidth() / 2, ScreenHeight() / 2, kRed, kSlideShown));
    // A click on the picture counts as on the window.
    ClickAt(ScreenWidth() / 2, ScreenHeight() / 2);
    EXPECT_TRUE(saver.WaitForExit(kExitDeadline));
}

TEST_F(FullScreen, ThreeMovesLeaveTheShowRunningAndTheFourthEndsIt) {
    run_.WriteSettings({"BGColor_0=" + Packed(kBlue), "PictureCount_0=1", "FileSpec_1=" + red_, "Center_1=1"});
    SaverProcess saver(run_, "/S");
    HWND window = Start(saver);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitForScreenPixel(ScreenWidth() / 2, ScreenHeight() / 2, kRed, kSlideShown));
    // A move where the cursor already is (the window appearing under it) is no move.
    PostMouseMove(window, 3, 3);
    // Moves over the background and over the picture count alike.
    const POINT moves[] = {{100, 100}, {ScreenWidth() / 2, ScreenHeight() / 2}, {300, 600}};
    for (const POINT& p : moves) PostMouseMove(window, p.x, p.y);
    PumpFor(Ms(1000));
    ASSERT_TRUE(saver.Running()) << "three moves ended the run";
    PostMouseMove(window, 700, 200);
    EXPECT_TRUE(saver.WaitForExit(kExitDeadline)) << "the fourth move did not end the run";
}

TEST_F(FullScreen, ASecondStartOpensNothingWhileOneRuns) {
    run_.WriteSettings({"BGColor_0=" + Packed(kBlue), "PictureCount_0=1", "FileSpec_1=" + red_, "Center_1=1"});
    SaverProcess first(run_, "/S");
    ASSERT_NE(Start(first), nullptr);

    RunFolder other;
    other.WriteSettings({"BGColor_0=" + Packed(kBlack), "Delay_0=7"});
    SaverProcess second(other, "/s");
    ASSERT_TRUE(second.Started());
    EXPECT_TRUE(second.WaitForExit(kStartDeadline));
    EXPECT_EQ(second.ExitCode(), std::optional<DWORD>(0));
    EXPECT_TRUE(first.Running());
    // It never touched the settings, so it did not write its own file back.
    EXPECT_EQ(other.ReadSettings().at("Delay_0"), "7");
    EXPECT_EQ(other.ReadSettings().count("PictureCount_0"), 0u);

    PressKey(VK_ESCAPE);
    EXPECT_TRUE(first.WaitForExit(kExitDeadline));
}

TEST_F(FullScreen, TheSettingsFileIsWrittenBackNormalisedAtTheEnd) {
    run_.WriteSettings({"BGColor_0=" + Packed(kBlue), "RandomDisplay_0=yes", "Delay_0=5000", "PictureCount_0=2.6",
                        "FileSpec_1=" + red_, "Center_1=-1", "FileSpec_2=" + green_, "HStretch_2=true",
                        "FileSpec_3=" + red_, "VStretch_3=TRUE", "FileSpec_4=kept beyond the count"});
    SaverProcess saver(run_, "/S");
    ASSERT_NE(Start(saver), nullptr);
    ASSERT_TRUE(WaitUntil([&] { return CountScreenPixels(RECT{0, 0, ScreenWidth(), ScreenHeight()}, kRed) > 0; },
                          kSlideShown));
    PressKey(VK_SPACE);
    ASSERT_TRUE(saver.WaitForExit(kExitDeadline));

    const auto ini = run_.ReadSettings();
    const std::map<std::string, std::string> expected = {
        {"BGColor_0", Packed(kBlue)},  {"RandomDisplay_0", "False"}, {"Delay_0", "10"},
        {"PreviewFlag_0", "False"},    {"DisplayWarnings_0", "False"}, {"PictureCount_0", "3"},
        {"FileSpec_1", red_},          {"Center_1", "True"},         {"HStretch_1", "False"},
        {"VStretch_1", "False"},       {"FileSpec_2", green_},       {"Center_2", "False"},
        {"HStretch_2", "True"},        {"VStretch_2", "False"},      {"FileSpec_3", red_},
        {"Center_3", "False"},         {"HStretch_3", "False"},      {"VStretch_3", "True"},
        {"FileSpec_4", "kept beyond the count"},
    };
    EXPECT_EQ(ini, expected);
}

} // namespace
} // namespace qs::e2e
