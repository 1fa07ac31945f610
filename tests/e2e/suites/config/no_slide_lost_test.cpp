// No slide lost end to end: a stored count above the list's limit survives a "/S" run
// ended by a key, and a preview ending before the settings dialog's OK (the other order
// is the settings dialog suite's) leaves the dialog's change and every slide in the file.
#include <gtest/gtest.h>

#include <array>

#include "e2e_driver.h"

using namespace qs::e2e;

TEST(NoSlideLost, ACountAboveTheLimitIsWrittenBackAsReadAfterAFullScreenRun) {
    RunFolder run;
    const std::string red = run.WriteSolidBitmap("red.bmp", 64, 48, kRed);
    run.WriteSettings({"Delay_0=1", "PictureCount_0=150000", "FileSpec_1=" + red});
    SaverProcess saver(run, "/S");
    HWND window = saver.WaitForWindow(kSaverCaption, kStartDeadline);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitForScreenPixel(10, 10, kRed, kStartDeadline)) << "the first slide";
    SetForegroundWindow(window);
    PressKey('Q');
    ASSERT_TRUE(saver.WaitForExit(kStartDeadline));
    auto settings = run.ReadSettings();
    EXPECT_EQ((std::array{settings["PictureCount_0"], settings["Delay_0"], settings["FileSpec_1"]}),
              (std::array<std::string, 3>{"150000", "10", red})) << "Delay_0 as the run corrected it";
}

TEST(NoSlideLost, APreviewEndingBeforeTheDialogsOkLeavesTheDialogsChangeAndEverySlide) {
    RunFolder run;
    const std::string red = run.WriteSolidBitmap("red.bmp", 64, 48, kRed);
    run.WriteSettings({"Delay_0=1", "PictureCount_0=2", "FileSpec_1=" + red, "FileSpec_2=" + red, "Center_2=1"});
    Host host = MakeHost();
    SaverProcess preview(run, "/P " + HandleText(host.get()));
    ASSERT_NE(WaitForSurface(host.get()), nullptr);
    SaverProcess saver(run, "/C");
    HWND dialog = OpenSettings(saver);
    ASSERT_NE(dialog, nullptr);
    host.reset();
    ASSERT_TRUE(preview.WaitForExit(kExitDeadline));
    SetForegroundWindow(dialog);
    ASSERT_TRUE(ClickCheck(dialog, "Random order"));
    ASSERT_TRUE(ClickButton(dialog, "&OK"));
    ASSERT_TRUE(saver.WaitForExit(kExitDeadline));
    auto settings = run.ReadSettings();
    EXPECT_EQ((std::array{settings["RandomDisplay_0"], settings["Delay_0"], settings["PictureCount_0"],
                          settings["FileSpec_2"], settings["Center_2"]}),
              (std::array<std::string, 5>{"True", "10", "2", red, "True"}));
}
