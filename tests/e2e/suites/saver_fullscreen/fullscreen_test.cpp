// "/S" end to end: the real saver on the virtual display, driven as a user would.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <optional>
#include <set>
#include <thread>
#include <tuple>

#include "e2e_driver.h"

using namespace qs::e2e;

constexpr COLORREF kBlack = RGB(0, 0, 0), kLightYellow = RGB(255, 255, 127);  // the text slide's text on black
// The first tick comes 400 ms after the window loads and draws once the whole-second clock has moved on.
constexpr Ms kFirstSlideDeadline{2000};
constexpr Ms kSlideShown{5000};  // for tests about something else than that speed
const RECT kScreen{0, 0, 1024, 768};

// The text slide's heading across the top (on black).
bool TextSlideShown() { return CountScreenPixels(RECT{0, 0, 1024, 128}, kLightYellow, 24) > 200; }

class FullScreen : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ScreenWidth() == 1024 && ScreenHeight() == 768) << "the tests assume the 1024 x 768 test display";
        SetCursorPos(3, 3);  // away from everything the tests click or move to
        red_ = run_.WriteSolidBitmap("red.bmp", 200, 100, kRed);
        green_ = run_.WriteSolidBitmap("green.bmp", 100, 200, kGreen);
    }

    // "/S" on these settings; with `watchCentre`, the centre shows only the desktop and blue before red.
    HWND Start(const std::vector<std::string>& settings, bool watchCentre = false) {
        saver_.reset();
        run_.WriteSettings(settings);
        const COLORREF desktop = ScreenPixel(512, 384);
        saver_ = std::make_unique<SaverProcess>(run_, "/S");
        std::set<COLORREF> seen{desktop, kBlue, kRed};
        EXPECT_TRUE(!watchCentre ||
                    WaitUntil([&] { return *seen.insert(ScreenPixel(512, 384)).first == kRed; }, kStartDeadline));
        EXPECT_EQ(seen, (std::set<COLORREF>{desktop, kBlue, kRed})) << "colours at the centre before the first slide";
        return saver_->WaitForWindow(kSaverCaption, kStartDeadline);
    }

    RunFolder run_;
    std::unique_ptr<SaverProcess> saver_;
    const std::string bgBlue_ = "BGColor_0=" + std::to_string(kBlue);
    std::string red_, green_;
};

TEST_F(FullScreen, ShowsTheFirstSlideAtOnceCoveringTheScreenPlacedByItsFlagsAndAKeyEndsIt) {
    // Center, HStretch and VStretch (True or False), and where the 200 x 100 picture lands (the last,
    // wider than the screen, shows its middle).
    const std::pair<std::string, RECT> cases[] = {
        {"TFF", {412, 334, 612, 434}}, {"FFF", {0, 0, 200, 100}},   {"FTT", {0, 0, 1024, 768}},
        {"FTF", {0, 0, 1024, 512}},    {"TTF", {0, 128, 1024, 640}}, {"TFT", {-256, 0, 1280, 768}}};
    for (const auto& [flags, at] : cases) {
        SCOPED_TRACE(flags);
        const auto flag = [&](int i) { return std::string(flags[i] == 'T' ? "True" : "False"); };
        HWND window = Start({bgBlue_, "Delay_0=10", "PictureCount_0=1", "FileSpec_1=" + red_, "Center_1=" + flag(0),
                             "HStretch_1=" + flag(1), "VStretch_1=" + flag(2)});
        ASSERT_NE(window, nullptr);
        const RECT visible{std::max<LONG>(at.left, 0), at.top, std::min<LONG>(at.right, 1024), at.bottom};
        EXPECT_TRUE(WaitForScreenPixel((visible.left + visible.right) / 2, (visible.top + visible.bottom) / 2, kRed,
                                       kFirstSlideDeadline))
            << "no picture in time";
        const int red = (visible.right - visible.left) * (visible.bottom - visible.top);
        EXPECT_TRUE(WaitUntil([&] { return CountScreenPixels(visible, kRed) == red; }, kSlideShown));
        EXPECT_EQ(CountScreenPixels(kScreen, kRed), red);
        EXPECT_EQ(CountScreenPixels(kScreen, kBlue), 1024 * 768 - red) << "the background around the picture";

        EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
        EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);
        EXPECT_FALSE(CursorShowing());

        PressKey('Q');
        EXPECT_TRUE(saver_->WaitForExit(kExitDeadline));
        EXPECT_EQ(FindTopLevel(kSaverCaption), nullptr);
        EXPECT_TRUE(CursorShowing());
    }
}

TEST_F(FullScreen, TheFirstFrameIsTheBackgroundTheNextSlideFollowsOnceTheDelayHasPassedAndOnlyAFourthMoveEndsTheRun) {
    HWND window = Start({bgBlue_, "Delay_0=2", "PictureCount_0=2", "FileSpec_1=" + red_, "Center_1=True",
                         "FileSpec_2=" + green_, "Center_2=True"}, true);
    ASSERT_NE(window, nullptr);
    const auto first = Clock::now();
    // Delay 2 keeps a slide for 3 seconds of the whole-second clock: more than 2 s of real time.
    ASSERT_TRUE(WaitForScreenPixel(512, 384, kGreen, Ms(6000)));
    const auto held = Clock::now() - first;
    EXPECT_TRUE(held > Ms(2000) && held < Ms(4500)) << std::chrono::duration_cast<Ms>(held).count() << " ms";
    // The green picture is 100 x 200: the red one is gone, the background shows beside it.
    EXPECT_EQ(CountScreenPixels(kScreen, kRed), 0);
    EXPECT_EQ(CountScreenPixels(kScreen, kBlue), 1024 * 768 - 100 * 200);

    // Posted, as SendInput's moves would be merged while the saver has not taken them;
    // the first is where the cursor already is (the window appearing under it): no move.
    for (const POINT& p : {POINT{3, 3}, POINT{100, 100}, POINT{512, 384}, POINT{300, 600}})
        PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
    PumpFor(Ms(1000));
    ASSERT_TRUE(saver_->Running()) << "three moves ended the run";
    PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(700, 200));
    EXPECT_TRUE(saver_->WaitForExit(kExitDeadline)) << "the fourth move did not end the run";
}

TEST_F(FullScreen, AMissingPictureGivesTheTextSlide) {
    const std::string missing = run_.PathOf("no such picture.jpg");
    ASSERT_NE(Start({"BGColor_0=0", "Delay_0=10", "PictureCount_0=1", "FileSpec_1=" + missing}), nullptr);
    // The heading across the top, the path below it.
    EXPECT_TRUE(WaitUntil(TextSlideShown, kSlideShown));
    // The program's icon is stretched over a centred rectangle of half the screen's size.
    EXPECT_TRUE(SameColour(ScreenPixel(128, 384), kBlack));
    EXPECT_TRUE(SameColour(ScreenPixel(896, 384), kBlack));
    EXPECT_GT(CountScreenPixels(RECT{0, 748, 1024, 768}, kLightYellow, 24), 10) << "the credit line";
    // Smooth from the icon's largest image: more colours than its 32 x 32 one holds.
    const std::vector<std::uint32_t> icon = ScreenPixels(RECT{256, 192, 768, 576});
    EXPECT_GT(std::set<std::uint32_t>(icon.begin(), icon.end()).size(), 1024u) << "no smooth icon in the middle";
    // The heading is 25 points at the screen's resolution: its capitals are over half an em high.
    HDC screen = GetDC(nullptr);
    const double em = 25.0 * GetDeviceCaps(screen, LOGPIXELSY) / 72;
    ReleaseDC(nullptr, screen);
    auto inked = [&](int y) { return CountScreenPixels(RECT{400, y, 624, y + 1}, kLightYellow, 24) > 0; };
    int top = 0, bottom = 0;
    while (top < 192 && !inked(top)) bottom = ++top;
    while (bottom < 192 && inked(bottom)) ++bottom;
    EXPECT_GT(bottom - top, em / 2) << "em " << em;
    EXPECT_LT(bottom - top, em) << "em " << em;
}

TEST_F(FullScreen, ASecondStartOpensNothingAndAClickEndsTheFirstWhichWritesItsSettingsBackNormalised) {
    ASSERT_NE(Start({bgBlue_, "RandomDisplay_0=yes", "Delay_0=5000", "PictureCount_0=2.6", "FileSpec_1=" + red_,
                     "Center_1=-1", "FileSpec_2=" + green_, "HStretch_2=true", "FileSpec_3=" + red_, "VStretch_3=TRUE",
                     "FileSpec_4=kept beyond the count"}),
              nullptr);
    ASSERT_TRUE(WaitForScreenPixel(512, 384, kRed, kSlideShown));  // the first slide, centred

    RunFolder other;
    other.WriteSettings({"BGColor_0=0", "Delay_0=7"});
    const std::string untouched = other.SettingsText();
    SaverProcess second(other, "/s");
    EXPECT_TRUE(second.WaitForExit(kStartDeadline));
    EXPECT_EQ(second.ExitCode(), std::optional<DWORD>(0));
    EXPECT_TRUE(saver_->Running());
    EXPECT_EQ(other.SettingsText(), untouched);

    ClickAt(512, 384);  // on the picture: it counts as on the window
    ASSERT_TRUE(saver_->WaitForExit(kExitDeadline));
    const std::map<std::string, std::string> expected = {
        {"BGColor_0", std::to_string(kBlue)}, {"RandomDisplay_0", "False"}, {"Delay_0", "10"},
        {"PreviewFlag_0", "False"},     {"DisplayWarnings_0", "False"}, {"PictureCount_0", "3"},
        {"FileSpec_1", red_},           {"Center_1", "True"},        {"HStretch_1", "False"},  {"VStretch_1", "False"},
        {"FileSpec_2", green_},         {"Center_2", "False"},       {"HStretch_2", "True"},   {"VStretch_2", "False"},
        {"FileSpec_3", red_},           {"Center_3", "False"},       {"HStretch_3", "False"},  {"VStretch_3", "True"},
        {"FileSpec_4", "kept beyond the count"},
    };
    EXPECT_EQ(run_.ReadSettings(), expected);
}

// 24-megapixel pictures, each prepared while the one before it shows.
class PreparedSlides : public FullScreen {
protected:
    // Red, green and blue stretched on black, each `delay` seconds; returns on red, while green is prepared.
    void StartOnRed(int delay) {
        std::vector<std::string> lines{"BGColor_0=0", "Delay_0=" + std::to_string(delay), "PictureCount_0=3"};
        for (const auto& [n, colour] : {std::pair<std::string, COLORREF>{"1", kRed}, {"2", kGreen}, {"3", kBlue}}) {
            const std::string path = run_.WriteSolidBitmap(n + ".bmp", 6000, 4000, colour);
            lines.insert(lines.end(), {"FileSpec_" + n + "=" + path, "HStretch_" + n + "=-1", "VStretch_" + n + "=-1"});
        }
        ASSERT_NE(Start(lines), nullptr);
        ASSERT_TRUE(WaitForScreenPixel(512, 384, kRed, kStartDeadline));
    }
    static COLORREF CentreAfter(COLORREF shown) {
        COLORREF now = shown;
        WaitUntil([&] { return (now = ScreenPixel(512, 384)) != shown; }, Ms(8000));
        return now;
    }
};

TEST_F(PreparedSlides, ShowInListOrderAndAKeyWhileTheNextIsPreparedEndsTheShow) {
    StartOnRed(2);
    std::vector<COLORREF> shown{kRed};
    for (int i = 0; i < 3; ++i) shown.push_back(CentreAfter(shown.back()));
    EXPECT_EQ(shown, (std::vector<COLORREF>{kRed, kGreen, kBlue, kRed}));
    PressKey('Q');
    EXPECT_TRUE(saver_->WaitForExit(kExitDeadline));
}

// Green is prepared while red shows its 6 seconds; then it is replaced or deleted.
TEST_F(PreparedSlides, AFileChangedAfterItWasPreparedShowsAsItIsNow) {
    const COLORREF kYellow = RGB(255, 255, 0);
    for (const bool deleted : {false, true}) {
        SCOPED_TRACE(deleted ? "deleted" : "replaced");
        StartOnRed(5);
        PumpFor(Ms(3000));
        ASSERT_EQ(ScreenPixel(512, 384), kRed) << "the slide stays its time";
        if (deleted) ASSERT_TRUE(DeleteFileA(run_.PathOf("2.bmp").c_str()));
        else run_.WriteSolidBitmap("2.bmp", 4000, 3000, kYellow);
        const COLORREF next = CentreAfter(kRed);
        EXPECT_TRUE(deleted ? next != kGreen : next == kYellow);
        EXPECT_EQ(TextSlideShown(), deleted);
    }
}

// Files that misbehave as the show reads them; the show goes on, slides stretched on black.
class TroubledFiles : public FullScreen {
protected:
    HWND StartWith(int delay, const std::vector<std::string>& paths) {
        std::vector<std::string> lines{"BGColor_0=0", "Delay_0=" + std::to_string(delay),
                                       "PictureCount_0=" + std::to_string(paths.size())};
        for (std::size_t i = 0; i < paths.size(); ++i) {
            const std::string n = std::to_string(i + 1);
            lines.insert(lines.end(), {"FileSpec_" + n + "=" + paths[i], "HStretch_" + n + "=-1", "VStretch_" + n + "=-1"});
        }
        return Start(lines);
    }
};

// A webcam's snapshot, rewritten more often than it decodes: it still comes in its turn.
TEST_F(TroubledFiles, APictureRewrittenFasterThanItDecodesStillComesInItsTurn) {
    std::atomic<bool> writing{true};
    std::thread writer([&] {
        for (int i = 0; writing; ++i) run_.WriteSolidBitmap("live.bmp", 3000, 2000 + i % 2, kGreen);
    });
    ASSERT_NE(StartWith(2, {red_, run_.PathOf("live.bmp")}), nullptr);
    int changes = 0;
    bool red = false;
    WaitUntil([&] {
        if (SameColour(ScreenPixel(512, 384), kRed) != red) red = !red, ++changes;
        return changes >= 5;
    }, Ms(20000));
    writing = false;
    writer.join();
    EXPECT_GE(changes, 5) << "the show held on one slide";
}

// A picture cut off as it is written: the text slide for its turn, then the next slide.
TEST_F(TroubledFiles, AHalfWrittenPictureGivesTheTextSlideForItsTurnAndTheShowGoesOn) {
    std::vector<std::string> paths;
    for (const std::string& whole : {WindowsPath(QS_E2E_SOURCE_DIR "/assets/sample/harbour.jpg"),
                                     WindowsPath(QS_E2E_SOURCE_DIR "/docs/slide-show.png"),
                                     run_.WriteSolidBitmap("whole.bmp", 300, 200, kRed)}) {
        const std::string name = "cut" + whole.substr(whole.size() - 4);
        run_.CopyIn(whole, name);
        const std::string bytes = run_.ReadText(name);
        ASSERT_GT(bytes.size(), 1000u) << whole;
        run_.WriteText(name, bytes.substr(0, bytes.size() * 2 / 3));
        paths.insert(paths.end(), {run_.PathOf(name), green_});
    }
    ASSERT_NE(StartWith(2, paths), nullptr);
    std::vector<std::string> seen;
    WaitUntil([&] {
        const std::string now = TextSlideShown() ? "text" : SameColour(ScreenPixel(512, 384), kGreen) ? "green" : "";
        if (!now.empty() && (seen.empty() || seen.back() != now)) seen.push_back(now);
        return seen.size() >= 6;
    }, Ms(40000));
    EXPECT_EQ(seen, (std::vector<std::string>{"text", "green", "text", "green", "text", "green"}));
}

// A picture whose read may block (a pipe that nobody writes to): the text slide within one delay, then
// the next slide; and a key while it is read again ends the run at once.
TEST_F(TroubledFiles, APictureWhoseReadBlocksGivesTheTextSlideAndAKeyStillEndsTheRunAtOnce) {
    const std::string pipe = "\\\\.\\pipe\\quillo-e2e-" + std::to_string(GetCurrentProcessId());
    HANDLE server = CreateNamedPipeA(pipe.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, PIPE_UNLIMITED_INSTANCES,
                                     4096, 4096, 0, nullptr);
    ASSERT_NE(server, INVALID_HANDLE_VALUE);
    ASSERT_NE(StartWith(2, {pipe, green_}), nullptr);
    // Delay 2 keeps a slide three clock seconds.
    EXPECT_TRUE(WaitUntil(TextSlideShown, kFirstSlideDeadline + Ms(3000))) << "no text slide in time";
    EXPECT_TRUE(WaitForScreenPixel(512, 384, kGreen, Ms(6000))) << "the show did not go on";
    PressKey('Q');
    EXPECT_TRUE(saver_->WaitForExit(Ms(1000))) << "the run did not end at once";
    CloseHandle(server);
}

// Steered by keys: red, green and blue centred on black, Delay 2, paused by Space on the first slide.
TEST_F(FullScreen, KeysStepThroughTheListAndBackThroughWhatWasShownSpaceHoldsAndResumesALetterEnds) {
    const std::string blue = run_.WriteSolidBitmap("blue.bmp", 300, 300, kBlue);
    const auto signShown = [] { return CountScreenPixels(RECT{824, 0, 1024, 200}, RGB(232, 232, 232), 4) > 100; };
    const auto startPaused = [&](const std::string& randomOrder) {
        ASSERT_NE(Start({"BGColor_0=0", "SteeringKeys_0=True", "Delay_0=2", "RandomDisplay_0=" + randomOrder,
                         "PictureCount_0=3", "FileSpec_1=" + red_, "Center_1=True", "FileSpec_2=" + green_,
                         "Center_2=True", "FileSpec_3=" + blue, "Center_3=True"}), nullptr);
        ASSERT_TRUE(WaitUntil([] { return ScreenPixel(512, 384) != kBlack; }, kSlideShown)) << "no first slide";
        PressKey(VK_SPACE);
        ASSERT_TRUE(WaitUntil(signShown, Ms(2000))) << "no pause sign";
    };
    // The centre before and after each key: a new slide, or after a while the one that came twice.
    const auto afterKeys = [](const std::vector<WORD>& keys) {
        std::vector<COLORREF> shown{ScreenPixel(512, 384)};
        for (const WORD key : keys) {
            PressKey(key);
            COLORREF now = shown.back();
            WaitUntil([&] { return (now = ScreenPixel(512, 384)) != shown.back() && now != kBlack; }, Ms(1500));
            shown.push_back(now);
        }
        return shown;
    };
    startPaused("False");
    PumpFor(Ms(4000));  // past its delay
    EXPECT_EQ(afterKeys({VK_RIGHT, VK_RIGHT, VK_NEXT, VK_LEFT, VK_PRIOR, VK_LEFT, VK_LEFT, VK_RIGHT}),
              (std::vector{kRed, kGreen, kBlue, kRed, kBlue, kGreen, kRed, kRed, kGreen}));
    PressKey(VK_SPACE);
    EXPECT_TRUE(WaitUntil([&] { return !signShown(); }, Ms(2000))) << "the sign stayed";
    EXPECT_TRUE(WaitForScreenPixel(512, 384, kBlue, Ms(5000))) << "the show did not go on through what was shown";
    PressKey('Q');
    EXPECT_TRUE(saver_->WaitForExit(kExitDeadline));
    // In random order back retraces the slides as they came; a click on the sign is the show's.
    startPaused("True");
    const std::vector<COLORREF> forward = afterKeys(std::vector<WORD>(5, VK_RIGHT));
    const std::vector<COLORREF> back = afterKeys(std::vector<WORD>(5, VK_LEFT));
    EXPECT_EQ(std::vector(back.rbegin(), back.rend()), forward);
    ClickAt(992, 32);
    EXPECT_TRUE(saver_->WaitForExit(kExitDeadline));
}

TEST_F(FullScreen, ACaptionShowsInTheBottomLeftCornerOnlyWithItsOptionsOn) {
    const RECT corner{0, 688, 512, 768}, rest{512, 0, 1024, 688};
    for (const std::string on : {"False", "True"}) {
        SCOPED_TRACE("captions " + on);
        ASSERT_NE(Start({bgBlue_, "Delay_0=10", "PictureCount_0=1", "FileSpec_1=" + red_, "HStretch_1=True",
                         "VStretch_1=True", "CaptionName_0=" + on, "CaptionDate_0=" + on}), nullptr);
        ASSERT_TRUE(WaitUntil([&] { return CountScreenPixels(rest, kRed) == 512 * 688; }, kSlideShown));
        // White letters on a black outline over the red picture, drawn with it.
        EXPECT_EQ(CountScreenPixels(corner, kRed) == 512 * 80, on == "False");
        EXPECT_EQ(CountScreenPixels(corner, RGB(255, 255, 255)) > 100, on == "True");
        EXPECT_EQ(CountScreenPixels(corner, kBlack) > 100, on == "True");
        PressKey('Q');
        EXPECT_TRUE(saver_->WaitForExit(kExitDeadline));
    }
}

// With the fade on, the first slide comes at once (Start watches the centre), and the second fades in over it: every
// colour sampled meanwhile lies strictly between red and green, for about the fade's length. Off, a cut.
TEST_F(FullScreen, WithTheFadeOnTheNextSlideFadesInOverTheLastFromItsTickAndTheFirstComesAtOnce) {
    for (const std::string on : {"True", "False"}) {
        SCOPED_TRACE("fade " + on);
        ASSERT_NE(Start({bgBlue_, "Delay_0=3", "Fade_0=" + on, "FadeSeconds_0=2", "PictureCount_0=2",
                         "FileSpec_1=" + red_, "HStretch_1=True", "VStretch_1=True", "FileSpec_2=" + green_,
                         "HStretch_2=True", "VStretch_2=True"}, true), nullptr);
        std::set<COLORREF> between;
        std::optional<Clock::time_point> first;
        ASSERT_TRUE(WaitUntil([&] {
            const COLORREF c = ScreenPixel(512, 384);
            if (c != kRed && c != kGreen && between.insert(c).second && !first) first = Clock::now();
            return c == kGreen;
        }, Ms(8000))) << "the second slide never showed whole";
        const auto strictlyBetween = [](COLORREF c) {
            return GetRValue(c) > 0 && GetRValue(c) < 255 && GetGValue(c) > 0 && GetGValue(c) < 255 && !GetBValue(c);
        };
        const auto onTheWay = static_cast<std::size_t>(std::count_if(between.begin(), between.end(), strictlyBetween));
        EXPECT_EQ(onTheWay, between.size()) << "colours off the way from red to green";
        EXPECT_EQ(between.empty(), on == "False") << "colours between the slides";
        EXPECT_TRUE(on == "False" || MsSince(*first) > 1000) << "the fade was over too soon";
        PressKey('Q');
        EXPECT_TRUE(saver_->WaitForExit(kExitDeadline));
    }
}

// A picture in quarters (red, green over white, black), stretched: with pan and zoom on, the edge between red and green
// (on a row through the top half) or between red and white (on a column through the left half) moves across the
// screen between two samples two seconds apart (a quarter and three quarters into the drift, each path moving one of
// them by at least 11 px then); off, both stay in the middle. Centred at its natural size, it drifts
// within its own rectangle: the background around it never changes.
TEST_F(FullScreen, WithPanAndZoomOnThePictureDriftsWithinItsPlaceAndOffItStaysStill) {
    const std::string quarters = run_.WriteBitmap("quarters.bmp", 64, 48, [](int x, int y) {
        return y < 24 ? (x < 32 ? kRed : kGreen) : (x < 32 ? RGB(255, 255, 255) : kBlack);
    });
    // The first pixel of the line that is more green than red (more blue, down the column).
    const auto edges = [] {
        const std::vector<std::uint32_t> row = ScreenPixels(RECT{0, 192, 1024, 193});
        const std::vector<std::uint32_t> column = ScreenPixels(RECT{256, 0, 257, 768});
        const auto x = std::ranges::find_if(row, [](std::uint32_t c) { return (c >> 8 & 0xFF) > (c >> 16 & 0xFF); });
        const auto y = std::ranges::find_if(column, [](std::uint32_t c) { return (c & 0xFF) > 128; });
        return std::pair<long, long>(x - row.begin(), y - column.begin());
    };
    for (const std::string on : {"True", "False"}) {
        SCOPED_TRACE("pan and zoom " + on);
        ASSERT_NE(Start({bgBlue_, "Delay_0=4", "PanZoom_0=" + on, "PictureCount_0=1", "FileSpec_1=" + quarters,
                         "HStretch_1=True", "VStretch_1=True"}), nullptr);
        ASSERT_TRUE(WaitUntil([] { return SameColour(ScreenPixel(100, 100), kRed); }, kSlideShown));
        Sleep(1000);  // past the slow start of the drift
        const auto [x1, y1] = edges();
        Sleep(2000);
        const auto [x2, y2] = edges();
        if (on == "True") {
            EXPECT_GE(std::max(std::abs(x2 - x1), std::abs(y2 - y1)), 4) << "the edges stood still";
        } else {
            EXPECT_EQ(std::make_tuple(x1, y1, x2, y2), std::make_tuple(512L, 384L, 512L, 384L));
        }
        PressKey('Q');
        EXPECT_TRUE(saver_->WaitForExit(kExitDeadline));
    }
    ASSERT_NE(Start({bgBlue_, "Delay_0=6", "PanZoom_0=True", "PictureCount_0=1", "FileSpec_1=" + quarters,
                     "Center_1=True"}), nullptr);
    ASSERT_TRUE(WaitUntil([] { return SameColour(ScreenPixel(500, 370), kRed); }, kSlideShown));
    for (int sample = 0; sample < 4; ++sample, Sleep(500))
        EXPECT_EQ(CountScreenPixels(kScreen, kBlue), 1024 * 768 - 64 * 48) << "the background around the picture";
    PressKey('Q');
    EXPECT_TRUE(saver_->WaitForExit(kExitDeadline));
}

using Corners = std::tuple<LONG, LONG, LONG, LONG>;

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT r, LPARAM list) {
    reinterpret_cast<std::multiset<Corners>*>(list)->emplace(r->left, r->top, r->right, r->bottom);
    return TRUE;
}

// Only with two monitors (qs_two_monitor_run), both at the origin in Xvfb: the second's window is raised. With every
// monitor on it shows its own slide at its own size, the one after the primary's in list order; off, the background.
TEST(TwoMonitors, TheShowCoversBothTheSecondHasItsOwnSlidesOnlyWithTheOptionAndAKeyOnItEndsTheShow) {
    std::multiset<Corners> monitors, shown;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    RunFolder run;
    const std::string red = run.WriteSolidBitmap("r.bmp", 200, 100, kRed), green = run.WriteSolidBitmap("g.bmp", 100, 200, kGreen);
    for (const bool on : {true, false}) {
        SCOPED_TRACE(on);
        run.WriteSettings({"BGColor_0=" + std::to_string(kBlue), "Delay_0=10", on ? "EveryMonitor_0=True" : "",
                           "PictureCount_0=2", "FileSpec_1=" + red, "Center_1=1", "FileSpec_2=" + green, "Center_2=1"});
        SaverProcess saver(run, "/S");
        HWND show = saver.WaitForWindow(kSaverCaption, kStartDeadline), second = nullptr;
        ASSERT_NE(show, nullptr);
        ASSERT_TRUE(WaitUntil([&] {
            shown.clear();
            for (HWND w : saver.TopLevelWindows())
                if (const RECT r = ScreenRect(w); IsWindowVisible(w)) {
                    shown.emplace(r.left, r.top, r.right, r.bottom);
                    if (w != show) second = w;
                }
            return shown.size() == 2;
        }, kStartDeadline));
        EXPECT_EQ(shown, monitors);
        ASSERT_TRUE(WaitForScreenPixel(512, 384, kRed, kStartDeadline)) << "the primary's first slide";
        SetWindowPos(second, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        const RECT r = ScreenRect(second);
        const int want = on ? 100 * 200 : (r.right - r.left) * (r.bottom - r.top);  // green on, else blue throughout
        EXPECT_TRUE(WaitUntil([&] { return CountScreenPixels(r, on ? kGreen : kBlue) == want; }, kSlideShown));
        PostMessageA(second, WM_KEYDOWN, 'Q', 0);
        EXPECT_TRUE(saver.WaitForExit(kExitDeadline));
    }
}

// Shuffled, 50 pictures of 50 colours: the first 50 slides show each once, and the 51st, which begins
// the next round, is another than the 50th: no slide was held twice its time.
TEST_F(PreparedSlides, ShuffledEveryPictureShowsOnceARoundAndNeverTwiceInARow) {
    std::vector<std::string> lines{"BGColor_0=0", "Delay_0=2", "RandomDisplay_0=1", "Shuffle_0=1", "PictureCount_0=50"};
    std::set<COLORREF> colours;
    for (int i = 0; i < 50; ++i) {
        const COLORREF colour = *colours.insert(RGB(40 + i % 5 * 50, 40 + i / 5 % 5 * 50, 60 + i / 25 * 120)).first;
        const std::string n = std::to_string(i + 1), path = run_.WriteSolidBitmap(n + ".bmp", 16, 16, colour);
        lines.insert(lines.end(), {"FileSpec_" + n + "=" + path, "HStretch_" + n + "=1", "VStretch_" + n + "=1"});
    }
    ASSERT_NE(Start(lines), nullptr);
    ASSERT_TRUE(WaitUntil([&] { return colours.contains(ScreenPixel(512, 384)); }, kSlideShown));
    std::vector<COLORREF> shown{ScreenPixel(512, 384)};
    double longest = 0;
    for (auto since = Clock::now(); shown.size() <= 50; since = Clock::now()) {
        shown.push_back(CentreAfter(shown.back()));
        longest = std::max(longest, MsSince(since));
    }
    EXPECT_EQ(std::set<COLORREF>(shown.begin(), shown.end() - 1), colours) << "a round repeated a picture";
    EXPECT_LT(longest, 5000) << "a picture came twice in a row";
}

// A format beyond the five, an icon: with every format on it shows as a picture, without the option as
// the text slide, as before.
TEST_F(FullScreen, AFormatBeyondTheFiveShowsOnlyWithEveryFormatOn) {
    run_.WriteSolidIcon("green.ico", 64, kGreen);
    for (const bool on : {true, false}) {
        ASSERT_NE(Start({"BGColor_0=0", "Delay_0=10", on ? "AllFormats_0=True" : "", "PictureCount_0=1",
                         "FileSpec_1=" + run_.PathOf("green.ico"), "Center_1=True"}), nullptr);
        EXPECT_TRUE(WaitUntil([&] { return CountScreenPixels(kScreen, kGreen) == 64 * 64 || TextSlideShown(); },
                              kSlideShown));
        EXPECT_EQ(TextSlideShown(), !on);
        EXPECT_EQ(CountScreenPixels(kScreen, kGreen), on ? 64 * 64 : 0);
        PressKey('Q');
        EXPECT_TRUE(saver_->WaitForExit(kExitDeadline));
    }
}
