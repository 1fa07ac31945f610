// No slide lost end to end: a stored count above the list's limit survives a "/S" run
// ended by a key, and a preview ending before the settings dialog's OK (the other order
// is the settings dialog suite's) leaves the dialog's change and every slide in the file.
#include <gtest/gtest.h>

#include "e2e_driver.h"

namespace qs::e2e {
namespace {

TEST(NoSlideLost, ACountAboveTheLimitIsWrittenBackAsReadAfterAFullScreenRun) {
    RunFolder run;
    const std::string red = run.WriteSolidBitmap("red.bmp", 64, 48, RGB(255, 0, 0));
    run.WriteSettings({"Delay_0=1", "PictureCount_0=150000", "FileSpec_1=" + red});
    SaverProcess saver(run, "/S");
    HWND window = saver.WaitForWindow(kSaverCaption, kStartDeadline);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitForScreenPixel(10, 10, RGB(255, 0, 0), kStartDeadline)) << "the first slide";
    SetForegroundWindow(window);
    PressKey('Q');
    ASSERT_TRUE(saver.WaitForExit(kStartDeadline));
    auto settings = run.ReadSettings();
    EXPECT_EQ(settings["PictureCount_0"], "150000");
    EXPECT_EQ(settings["Delay_0"], "10") << "the run wrote back what it corrected";
    EXPECT_EQ(settings["FileSpec_1"], red);
}

TEST(NoSlideLost, APreviewEndingBeforeTheDialogsOkLeavesTheDialogsChangeAndEverySlide) {
    RunFolder run;
    const std::string red = run.WriteSolidBitmap("red.bmp", 64, 48, RGB(255, 0, 0));
    run.WriteSettings({"Delay_0=1", "PictureCount_0=2", "FileSpec_1=" + red, "FileSpec_2=" + red, "Center_2=1"});
    Host host = MakeHost();
    SaverProcess preview(run, "/P " + HandleText(host.get()));
    ASSERT_TRUE(WaitUntil([&] { return GetWindow(host.get(), GW_CHILD) != nullptr; }, kStartDeadline));
    SaverProcess saver(run, "/C");
    HWND dialog = saver.WaitForWindow(kSettingsCaption, kStartDeadline, "&OK");
    ASSERT_NE(dialog, nullptr);
    host.reset();
    ASSERT_TRUE(preview.WaitForExit(kExitDeadline));
    SetForegroundWindow(dialog);
    HWND random = FindChild(dialog, "Button", "Random order");
    ClickCentre(random);
    ASSERT_TRUE(WaitUntil([&] { return SendMessageA(random, BM_GETCHECK, 0, 0) == BST_CHECKED; }, Ms(3000)));
    ASSERT_TRUE(ClickButton(dialog, "&OK"));
    ASSERT_TRUE(saver.WaitForExit(kExitDeadline));
    auto settings = run.ReadSettings();
    EXPECT_EQ(settings["RandomDisplay_0"], "True");
    EXPECT_EQ(settings["Delay_0"], "10");
    EXPECT_EQ(settings["PictureCount_0"], "2");
    EXPECT_EQ(settings["FileSpec_2"], red);
    EXPECT_EQ(settings["Center_2"], "True");
}

} // namespace
} // namespace qs::e2e
