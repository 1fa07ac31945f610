// "/P" end to end: the saver's surface inside a host window of this test process, the
// way the display-settings dialog hosts it.
#include <gtest/gtest.h>

#include "e2e_driver.h"

namespace qs::e2e {
namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
// The host watch runs on the 400 ms timer; a process also needs a moment to end.
constexpr Ms kEndsSoon{2000};

class Preview : public ::testing::Test {
protected:
    // One slide: a 1024 x 512 red picture, so that on a surface 152 pixels wide it is
    // scaled to about 152 x 76 and, centred, covers the middle of the surface.
    void WriteShow(const std::string& picture) {
        run_.WriteSettings({"BGColor_0=" + std::to_string(kBlue), "Delay_0=10", "PictureCount_0=1",
                            "FileSpec_1=" + picture, "Center_1=True"});
    }
    RunFolder run_;
};

TEST_F(Preview, TheSurfaceBecomesAChildOfTheHostSizedToItsClientAreaAndShowsTheShow) {
    WriteShow(run_.WriteSolidBitmap("red.bmp", 1024, 512, kRed));
    HostWindow host(152, 112);
    ASSERT_NE(host.Handle(), nullptr);
    SaverProcess saver(run_, "/P " + host.HandleText());
    HWND surface = host.WaitForChild(kStartDeadline);
    ASSERT_NE(surface, nullptr) << "no surface arrived in the host";
    EXPECT_EQ(ProcessOfWindow(surface), saver.Id());
    const SIZE size = ClientSize(surface);
    EXPECT_EQ(size.cx, 152);
    EXPECT_EQ(size.cy, 112);
    RECT placed{};
    GetWindowRect(surface, &placed);
    MapWindowPoints(nullptr, host.Handle(), reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(placed.left, 0);
    EXPECT_EQ(placed.top, 0);

    EXPECT_TRUE(WaitForSurfacePixel(surface, 76, 56, kRed, Ms(1500)));
    EXPECT_TRUE(WaitForSurfacePixel(surface, 76, 5, kBlue, Ms(500)));
    // The preview form itself is never shown.
    for (HWND window : saver.TopLevelWindows()) EXPECT_FALSE(IsWindowVisible(window)) << ClassOf(window);
    EXPECT_TRUE(saver.Running());
}

TEST_F(Preview, WmCloseGivesZeroTakesTheSurfaceBackAndEndsTheRun) {
    WriteShow(run_.WriteSolidBitmap("red.bmp", 1024, 512, kRed));
    HostWindow host(152, 112);
    SaverProcess saver(run_, "/P " + host.HandleText());
    HWND surface = host.WaitForChild(kStartDeadline);
    ASSERT_NE(surface, nullptr);
    ASSERT_TRUE(WaitForSurfacePixel(surface, 76, 56, kRed, Ms(1500)));

    DWORD_PTR result = 12345;
    ASSERT_TRUE(SendMessageTimeoutA(surface, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 2000, &result));
    EXPECT_EQ(result, 0u);
    // Given back to the saver's own hidden form, not destroyed by the message.
    EXPECT_EQ(host.Child(), nullptr);
    EXPECT_TRUE(saver.WaitForExit(kEndsSoon)) << "the run did not end after WM_CLOSE";
    EXPECT_TRUE(IsWindow(host.Handle()));
}

TEST_F(Preview, DestroyingTheHostEndsTheRun) {
    WriteShow(run_.WriteSolidBitmap("red.bmp", 1024, 512, kRed));
    HostWindow host(152, 112);
    SaverProcess saver(run_, "/P " + host.HandleText());
    HWND surface = host.WaitForChild(kStartDeadline);
    ASSERT_NE(surface, nullptr);
    ASSERT_TRUE(WaitForSurfacePixel(surface, 76, 56, kRed, Ms(1500)));
    host.Destroy();
    EXPECT_TRUE(saver.WaitForExit(kEndsSoon)) << "the run outlived its host";
}

TEST_F(Preview, ALiveHostGetsTheFirstSlideTried) {
    // The positive side of the probe used below: with a host, the slide is attempted.
    PictureProbe probe;
    WriteShow(probe.Path());
    HostWindow host(152, 112);
    SaverProcess saver(run_, "/P " + host.HandleText());
    ASSERT_NE(host.WaitForChild(kStartDeadline), nullptr);
    EXPECT_TRUE(WaitUntil([&] { return probe.Opened(); }, Ms(3000)));
}

TEST_F(Preview, NoHostOrADeadHostEndsAtOnceWithoutDrawing) {
    // A window that existed once: its handle names no window any more.
    HostWindow gone(152, 112);
    const std::string deadHandle = gone.HandleText();
    gone.Destroy();

    for (const std::string& arguments : {std::string("/P"), std::string("/p 0"), "/P " + deadHandle}) {
        SCOPED_TRACE(arguments);
        PictureProbe probe;
        WriteShow(probe.Path());
        SaverProcess saver(run_, arguments);
        ASSERT_TRUE(saver.Started());
        EXPECT_TRUE(saver.WaitForExit(kStartDeadline));
        EXPECT_EQ(saver.ExitCode(), std::optional<DWORD>(0));
        EXPECT_FALSE(probe.Opened()) << "a slide was drawn";
    }
}

} // namespace
} // namespace qs::e2e
