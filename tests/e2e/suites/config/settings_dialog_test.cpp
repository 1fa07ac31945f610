// "/C": the settings dialog, its preview in the monitor picture, the delay arrows, OK beside a "/P" run, Cancel
// and its question, the about box; and no slide lost by "/S".
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <tuple>

#include "e2e_driver.h"

using namespace qs::e2e;

constexpr Ms kReactionDeadline{3000};

class SettingsDialog : public ::testing::Test {
protected:
    void SetUp() override { SetCursorPos(3, 3); }
    // The about box copies what it reads into the registry of this Wine prefix.
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Brindle\\QuilloSaverF1\\AboutDlg"); }

    RunFolder run_;
};

class OpensOn : public SettingsDialog, public ::testing::WithParamInterface<const char*> {};

TEST_P(OpensOn, TheDialogWithItsControlsAndLeavesNoFileWhenCancelled) {
    SaverProcess saver(run_, GetParam());
    HWND dialog = OpenSettings(saver);
    ASSERT_NE(dialog, nullptr);
    for (const char* caption : {"&OK", "&Cancel", "&About...", "Select...", "&Edit Slides...", "Random order"})
        EXPECT_NE(FindChild(dialog, "Button", caption), nullptr) << caption;
    for (const char* caption : {"Backgroung Color", "Slide Display", "Delay (sec)", "0 Pictures"})
        EXPECT_NE(FindChild(dialog, "", caption), nullptr) << caption;
    EXPECT_EQ(TextOf(FindChild(dialog, "Edit")), "10");
    EXPECT_NE(FindChild(dialog, "ScrollBar"), nullptr);

    ASSERT_TRUE(ClickButton(dialog, "&Cancel"));
    ASSERT_TRUE(saver.WaitForExit(kExitDeadline));
    EXPECT_EQ(run_.SettingsText(), "") << "an untouched dialog writes nothing";
}

INSTANTIATE_TEST_SUITE_P(Switches, OpensOn, ::testing::Values("/C", "/c:1234", ""));

// A "/P" run beside the dialog ends after its OK or before it: the file keeps the dialog's changes and every slide.
TEST_F(SettingsDialog, PreviewShowsSlidesInsideTheMonitorPictureAndTheTopArrowAndOkWriteTheDelayWhicheverRunEndsLast) {
    const std::string green = run_.WriteSolidBitmap("green.bmp", 300, 200, kGreen);
    for (const auto& [previewEndsFirst, delayRead, delayWritten] : {std::tuple{false, "5", "6"}, {true, "1", "11"}}) {
        SCOPED_TRACE(previewEndsFirst ? "preview ends first" : "preview ends last");
        // Built with append: GCC 12 for i686 warns falsely about "literal" + std::string here.
        run_.WriteSettings({std::string("BGColor_0=").append(std::to_string(kRed)), std::string("Delay_0=") + delayRead,
                            "PictureCount_0=2", "FileSpec_1=" + green, "Center_1=True", "FileSpec_2=" + green,
                            "Center_2=1"});
        Host host = MakeHost();
        SaverProcess preview(run_, "/P " + HandleText(host.get()));
        ASSERT_NE(WaitForSurface(host.get()), nullptr);
        SaverProcess saver(run_, "/C");
        HWND dialog = OpenSettings(saver);
        ASSERT_NE(dialog, nullptr);
        if (previewEndsFirst) {
            host.reset();
            ASSERT_TRUE(preview.WaitForExit(kExitDeadline));
        }
        // The file has no RandomDisplay_0: a preview ending last would write its own reading back.
        ASSERT_TRUE(BringToFront(dialog));
        ASSERT_TRUE(ClickCheck(dialog, "Random order"));
        // At 15 twips a pixel: the monitor at (4200, 360), its screen (270, 270) inside it, 2290 x 1680.
        RECT screen{(4200 + 270) / 15, (360 + 270) / 15, (4200 + 270 + 2290) / 15, (360 + 270 + 1680) / 15};
        MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&screen), 2);
        const RECT inner{screen.left + 2, screen.top + 2, screen.right - 2, screen.bottom - 2};
        // The preview ticks every 100 ms and shows its first slide once the clock has moved on by a second.
        ASSERT_TRUE(WaitUntil([&] { return CountScreenPixels(inner, kGreen) > 200; }, Ms(4000)))
            << "no picture in the monitor's screen";
        EXPECT_GT(CountScreenPixels(inner, kRed), 5000) << "the background colour around the picture";
        // Scaled down and centred.
        const int cx = (screen.left + screen.right) / 2, cy = (screen.top + screen.bottom) / 2;
        EXPECT_TRUE(SameColour(ScreenPixel(cx, cy), kGreen));
        EXPECT_TRUE(SameColour(ScreenPixel(screen.left + 4, screen.top + 4), kRed));
        // Around the screen area: the monitor's dark recess and its bezel, never the slide.
        const RECT ring{screen.left - 12, screen.top - 12, screen.right + 12, screen.top - 1};
        EXPECT_EQ(CountScreenPixels(ring, kGreen) + CountScreenPixels(ring, kRed), 0);
        EXPECT_TRUE(SameColour(ScreenPixel(screen.left - 2, cy), RGB(0x2e, 0x33, 0x38), 16));
        EXPECT_TRUE(SameColour(ScreenPixel(screen.left - 10, cy), RGB(0xd8, 0xd4, 0xc8), 16));

        HWND delay = FindChild(dialog, "Edit");
        const RECT bar = ScreenRect(FindChild(dialog, "ScrollBar"));
        ClickAt((bar.left + bar.right) / 2, bar.top + 3);
        EXPECT_TRUE(WaitUntil([&] { return TextOf(delay) == delayWritten; }, kReactionDeadline)) << TextOf(delay);

        ASSERT_TRUE(ClickButton(dialog, "&OK"));
        ASSERT_TRUE(saver.WaitForExit(kExitDeadline)) << "OK asks nothing and closes";
        host.reset();
        ASSERT_TRUE(preview.WaitForExit(kExitDeadline));
        auto settings = run_.ReadSettings();
        EXPECT_EQ((std::array{settings["Delay_0"], settings["RandomDisplay_0"], settings["PictureCount_0"],
                              settings["FileSpec_2"], settings["Center_2"]}),
                  (std::array<std::string, 5>{delayWritten, "True", "2", green, "True"}));
    }
}

TEST_F(SettingsDialog, TheAboutBoxOpensAndClosesWithEscAndCancelAfterAChangeAsksNoKeepsAndYesWritesNothing) {
    run_.WriteText("QuilloSlides.INI", "[INIT]\r\nRandomDisplay_0=False\r\n[AboutDlg]\r\n"
                                       "HyperlinkDesc1=Project page:\r\nHyperlinkValue1=http://quillo-e2e.example/\r\n"
                                       "Warning1=Configured notice for this test.\r\n");
    const std::string before = run_.SettingsText();
    SaverProcess saver(run_, "/C");
    HWND dialog = OpenSettings(saver);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(ClickButton(dialog, "&About..."));
    HWND about = saver.WaitForWindow("About Quillo Slide Show", kReactionDeadline, "OK");
    ASSERT_NE(about, nullptr) << "no about box";
    for (const char* text : {"Quillo Slide Show", "Version 1.3.67", "Project page:", "http://quillo-e2e.example/",
                             "Configured notice for this test."})
        EXPECT_TRUE(ShowsLabel(about, text)) << text;
    EXPECT_NE(FindChild(about, "Button", "&System Info..."), nullptr);
    EXPECT_FALSE(IsWindowEnabled(dialog)) << "the about box is modal over the settings dialog";
    ASSERT_TRUE(BringToFront(about));
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(about); }, kReactionDeadline));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(dialog) != FALSE; }, kReactionDeadline));

    ASSERT_TRUE(ClickCheck(dialog, "Random order"));
    for (const char* answer : {"&No", "&Yes"}) {
        SCOPED_TRACE(answer);
        ASSERT_TRUE(ClickButton(dialog, "&Cancel"));
        HWND box = saver.WaitForWindow("Screen Saver", kReactionDeadline, answer);
        ASSERT_NE(box, nullptr) << "no question asked";
        EXPECT_TRUE(ShowsLabel(box, "Do you want to ignore all changes and exit?"));
        ASSERT_TRUE(ClickButton(box, answer));
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }, kReactionDeadline));
        if (answer[1] == 'N') {
            ASSERT_TRUE(IsWindow(dialog));
            EXPECT_EQ(SendMessageA(FindChild(dialog, "Button", "Random order"), BM_GETCHECK, 0, 0), BST_CHECKED)
                << "No keeps the change";
        }
    }
    ASSERT_TRUE(saver.WaitForExit(kExitDeadline));
    EXPECT_EQ(run_.SettingsText(), before);
}

// "Show Options": its Cancel keeps nothing; its OK hands the options back, which the settings dialog's Cancel
// asks about and its OK writes. Shuffle is enabled only while Random order is ticked.
TEST_F(SettingsDialog, ShowOptionsCancelKeepsNothingAndOkHandsBackWhatCancelAsksAboutAndOkWrites) {
    const std::string allFormats = "Open every picture format Windows can decode",
                      shuffle = "Shuffle: every picture once before any repeats";
    SaverProcess saver(run_, "/C");
    HWND dialog = OpenSettings(saver);
    ASSERT_NE(dialog, nullptr);
    // Opens the options, ticks the box (then does `also`) and leaves with `button`: says how far that went.
    const auto tick = [&](const std::string& caption, const std::string& button,
                          const std::function<bool(HWND)>& also = nullptr) -> std::string {
        HWND options = ClickButton(dialog, "O&ptions...") ? saver.WaitForWindow("Show Options", kReactionDeadline, "OK")
                                                          : nullptr;
        if (!options) return "no options dialog";
        const bool ticked = ClickCheck(options, caption);
        if (also && !also(options)) return "no change beside the box";
        const auto back = [&] { return IsWindowEnabled(dialog) != FALSE; };
        if (!ClickButton(options, button) || !WaitUntil(back, kReactionDeadline)) return "the options dialog stayed";
        return ticked ? "ticked" : "not ticked";
    };
    EXPECT_EQ(tick(shuffle, "OK"), "not ticked") << "enabled without Random order";
    ASSERT_EQ(tick(allFormats, "Cancel"), "ticked");
    ASSERT_EQ(tick(allFormats, "OK"), "ticked") << "the options' Cancel kept the tick";
    ASSERT_TRUE(ClickButton(dialog, "&Cancel"));
    HWND box = saver.WaitForWindow("Screen Saver", kReactionDeadline, "&No");
    ASSERT_NE(box, nullptr) << "no question after the options' OK";
    ASSERT_TRUE(ClickButton(box, "&No"));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(dialog) != FALSE; }, kReactionDeadline));
    ASSERT_TRUE(ClickCheck(dialog, "Random order"));
    ASSERT_EQ(tick(shuffle, "OK"), "ticked") << "disabled with Random order";
    // The fade's length, enabled with its box: the top arrow lengthens it by half a second.
    ASSERT_EQ(tick("Fade between slides", "OK", [](HWND options) {
        const RECT bar = ScreenRect(FindChild(options, "ScrollBar"));
        ClickAt((bar.left + bar.right) / 2, bar.top + 3);
        return WaitUntil([&] { return ShowsLabel(options, "1.5 s"); }, kReactionDeadline);
    }), "ticked");
    ASSERT_EQ(tick("Pan and zoom", "OK"), "ticked");
    ASSERT_TRUE(ClickButton(dialog, "&OK"));
    ASSERT_TRUE(saver.WaitForExit(kExitDeadline));
    auto settings = run_.ReadSettings();
    EXPECT_EQ((std::array{settings["AllFormats_0"], settings["Shuffle_0"], settings["FolderEntries_0"],
                          settings["Fade_0"], settings["FadeSeconds_0"], settings["PanZoom_0"]}),
              (std::array<std::string, 6>{"True", "True", "", "True", "1.5", "True"}));
}

TEST(NoSlideLost, ACountAboveTheLimitIsWrittenBackAsReadAfterAFullScreenRun) {
    RunFolder run;
    const std::string red = run.WriteSolidBitmap("red.bmp", 64, 48, kRed);
    run.WriteSettings({"Delay_0=1", "PictureCount_0=150000", "FileSpec_1=" + red});
    SaverProcess saver(run, "/S");
    HWND window = saver.WaitForWindow(kSaverCaption, kStartDeadline);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitForScreenPixel(10, 10, kRed, kStartDeadline)) << "the first slide";
    ASSERT_TRUE(BringToFront(window));
    PressKey('Q');
    ASSERT_TRUE(saver.WaitForExit(kStartDeadline));
    auto settings = run.ReadSettings();
    EXPECT_EQ((std::array{settings["PictureCount_0"], settings["Delay_0"], settings["FileSpec_1"]}),
              (std::array<std::string, 3>{"150000", "10", red})) << "Delay_0 as the run corrected it";
}
