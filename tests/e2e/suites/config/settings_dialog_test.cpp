// "/C" end to end: the settings dialog of the real saver under Wine, its live preview
// inside the monitor picture, the delay arrows, and what reaches the settings file
// after OK, Cancel and the question Cancel asks.
#include <gtest/gtest.h>

#include <string>

#include "e2e_driver.h"

namespace qs::e2e {
namespace {

constexpr char kQuestionCaption[] = "Screen Saver";
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
// The preview ticks every 100 ms and shows its first slide once the clock has moved
// on by a second.
constexpr Ms kFirstSlideDeadline{4000};
constexpr Ms kReactionDeadline{3000};

// Picture1 in the dialog's client area, in pixels at 15 twips a pixel: monitorImg at
// (4200, 360) twips, Picture1 (270, 270) inside it, 2290 x 1680 twips.
RECT PreviewRect(HWND dialog) {
    POINT origin{0, 0};
    ClientToScreen(dialog, &origin);
    const int left = origin.x + (4200 + 270) / 15, top = origin.y + (360 + 270) / 15;
    return RECT{left, top, left + 2290 / 15, top + 1680 / 15};
}

class SettingsDialog : public ::testing::Test {
protected:
    void SetUp() override { SetCursorPos(3, 3); }

    HWND Open(SaverProcess& saver) {
        EXPECT_TRUE(saver.Started());
        HWND dialog = WaitForDialog(saver, kSettingsCaption, "&OK", kStartDeadline);
        EXPECT_NE(dialog, nullptr) << "no window captioned " << kSettingsCaption;
        if (dialog) SetForegroundWindow(dialog);
        return dialog;
    }

    HWND Button(HWND dialog, const std::string& caption) {
        HWND button = FindChild(dialog, "Button", caption);
        EXPECT_NE(button, nullptr) << "no button " << caption;
        return button;
    }

    // Ticks "Random order" and waits until the box shows the tick; the box, or null.
    HWND TickRandom(HWND dialog) {
        HWND random = Button(dialog, "Random order");
        if (!random) return nullptr;
        ClickCentre(random);
        return WaitUntil([&] { return IsChecked(random); }, kReactionDeadline) ? random : nullptr;
    }

    static bool IsChecked(HWND box) { return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

    // Presses Cancel and answers the close question with the button of that caption.
    void CancelAndAnswer(SaverProcess& saver, HWND dialog, const std::string& button) {
        ClickCentre(Button(dialog, "&Cancel"));
        HWND box = WaitForDialog(saver, kQuestionCaption, button, kReactionDeadline);
        ASSERT_NE(box, nullptr) << "no question asked";
        EXPECT_NE(FindChild(box, "Static", "Do you want to ignore all changes and exit?"), nullptr);
        ClickCentre(FindChild(box, "Button", button));
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }, kReactionDeadline));
    }

    RunFolder run_;
};

class OpensOn : public SettingsDialog, public ::testing::WithParamInterface<const char*> {};

TEST_P(OpensOn, TheDialogWithItsControlsAndLeavesNoFileWhenCancelled) {
    SaverProcess saver(run_, GetParam());
    HWND dialog = Open(saver);
    ASSERT_NE(dialog, nullptr);
    for (const char* caption : {"&OK", "&Cancel", "&About...", "Select...", "&Edit Slides...", "Random order"})
        EXPECT_NE(FindChild(dialog, "Button", caption), nullptr) << caption;
    for (const char* caption : {"Backgroung Color", "Slide Display", "Delay (sec)", "0 Pictures"})
        EXPECT_NE(FindChild(dialog, "", caption), nullptr) << caption;
    HWND delay = FindChild(dialog, "Edit");
    ASSERT_NE(delay, nullptr);
    EXPECT_EQ(TextOf(delay), "10");
    EXPECT_NE(FindChild(dialog, "ScrollBar"), nullptr);

    ClickCentre(Button(dialog, "&Cancel"));
    ASSERT_TRUE(saver.WaitForExit(kExitDeadline));
    EXPECT_EQ(run_.SettingsText(), "") << "an untouched dialog writes nothing";
}

INSTANTIATE_TEST_SUITE_P(Switches, OpensOn, ::testing::Values("/C", "/c:1234", ""),
                         [](const auto& info) { return std::to_string(info.index); });

TEST_F(SettingsDialog, PreviewShowsSlidesInsideTheMonitorPicture) {
    const std::string green = run_.WriteSolidBitmap("green.bmp", 300, 200, kGreen);
    run_.WriteSettings({std::string("BGColor_0=").append(std::to_string(kRed)), "Delay_0=5", "PictureCount_0=1", "FileSpec_1=" + green,
                        "Center_1=True"});
    SaverProcess saver(run_, "/C");
    HWND dialog = Open(saver);
    ASSERT_NE(dialog, nullptr);
    const RECT screen = PreviewRect(dialog);
    const RECT inner{screen.left + 2, screen.top + 2, screen.right - 2, screen.bottom - 2};
    ASSERT_TRUE(WaitUntil([&] { return CountScreenPixels(inner, kGreen) > 200; }, kFirstSlideDeadline))
        << "no picture in the monitor's screen";
    EXPECT_GT(CountScreenPixels(inner, kRed), 5000) << "the background colour around the picture";

    // The picture is scaled down for the small screen and centred in it.
    const int cx = (screen.left + screen.right) / 2, cy = (screen.top + screen.bottom) / 2;
    EXPECT_TRUE(SameColour(ScreenPixel(cx, cy), kGreen));
    EXPECT_TRUE(SameColour(ScreenPixel(screen.left + 4, screen.top + 4), kRed));
    // Around the screen area: the monitor's dark recess and its bezel, never the slide.
    const RECT ring{screen.left - 12, screen.top - 12, screen.right + 12, screen.top - 1};
    EXPECT_EQ(CountScreenPixels(ring, kGreen) + CountScreenPixels(ring, kRed), 0);
    EXPECT_TRUE(SameColour(ScreenPixel(screen.left - 2, cy), RGB(0x2e, 0x33, 0x38), 16));
    EXPECT_TRUE(SameColour(ScreenPixel(screen.left - 10, cy), RGB(0xd8, 0xd4, 0xc8), 16));

    ClickCentre(Button(dialog, "&Cancel"));
    EXPECT_TRUE(saver.WaitForExit(kExitDeadline));
}

TEST_F(SettingsDialog, TopArrowRaisesTheDelayByOneAndOkWritesIt) {
    run_.WriteSettings({"Delay_0=10"});
    SaverProcess saver(run_, "/C");
    HWND dialog = Open(saver);
    ASSERT_NE(dialog, nullptr);
    HWND delay = FindChild(dialog, "Edit");
    HWND arrows = FindChild(dialog, "ScrollBar");
    ASSERT_NE(delay, nullptr);
    ASSERT_NE(arrows, nullptr);
    const RECT bar = ScreenRect(arrows);
    ClickAt((bar.left + bar.right) / 2, bar.top + 3);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(delay) == "11"; }, kReactionDeadline)) << TextOf(delay);

    ClickCentre(Button(dialog, "&OK"));
    ASSERT_TRUE(saver.WaitForExit(kExitDeadline)) << "OK asks nothing and closes";
    EXPECT_EQ(run_.ReadSettings()["Delay_0"], "11");
}

TEST_F(SettingsDialog, CancelAfterAChangeAsksAndYesWritesNothing) {
    run_.WriteSettings({"RandomDisplay_0=False", "Delay_0=10"});
    const std::string before = run_.SettingsText();
    SaverProcess saver(run_, "/C");
    HWND dialog = Open(saver);
    ASSERT_NE(dialog, nullptr);
    ASSERT_NE(TickRandom(dialog), nullptr);
    CancelAndAnswer(saver, dialog, "&Yes");
    ASSERT_TRUE(saver.WaitForExit(kExitDeadline));
    EXPECT_EQ(run_.SettingsText(), before);
}

TEST_F(SettingsDialog, NoKeepsTheDialogWithItsChangeForOk) {
    run_.WriteSettings({"RandomDisplay_0=False", "Delay_0=10"});
    SaverProcess saver(run_, "/C");
    HWND dialog = Open(saver);
    ASSERT_NE(dialog, nullptr);
    HWND random = TickRandom(dialog);
    ASSERT_NE(random, nullptr);
    CancelAndAnswer(saver, dialog, "&No");
    ASSERT_TRUE(IsWindow(dialog));
    EXPECT_TRUE(IsChecked(random));
    ClickCentre(Button(dialog, "&OK"));
    ASSERT_TRUE(saver.WaitForExit(kExitDeadline));
    EXPECT_EQ(run_.ReadSettings()["RandomDisplay_0"], "True");
}

} // namespace
} // namespace qs::e2e
