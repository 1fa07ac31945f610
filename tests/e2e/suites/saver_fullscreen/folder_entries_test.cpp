// "/S" with folder entries on: a folder's pictures in list order, read again as the show
// comes back to it; an empty folder gives its text slide.
#include <gtest/gtest.h>

#include "e2e_driver.h"

using namespace qs::e2e;

TEST(FolderEntries, PicturesAddedWhileTheShowRunsComeOnTheNextPassAndAnEmptyFolderGivesTheTextSlide) {
    SetCursorPos(3, 3);
    RunFolder run;
    run.WriteSolidBitmap("F\\a.bmp", 1024, 768, kRed);
    ASSERT_TRUE(CreateDirectoryA(run.PathOf("E").c_str(), nullptr));
    run.WriteSettings({"FolderEntries_0=True", "BGColor_0=0", "Delay_0=2", "PictureCount_0=2",
                       "FileSpec_1=" + run.PathOf("F"), "HStretch_1=True", "FileSpec_2=" + run.PathOf("E")});
    SaverProcess saver(run, "/S");
    const auto shows = [](COLORREF colour) { return WaitForScreenPixel(512, 384, colour, Ms(8000)); };
    const auto heading = [] { return CountScreenPixels(RECT{0, 0, 1024, 128}, RGB(255, 255, 127), 24) > 200; };
    const auto textSlide = [&] { return WaitUntil(heading, Ms(8000)); };
    ASSERT_TRUE(shows(kRed)) << "the folder's picture";
    run.WriteSolidBitmap("F\\b.bmp", 1024, 768, kGreen);
    EXPECT_TRUE(textSlide()) << "the empty folder's text slide";
    EXPECT_TRUE(shows(kRed)) << "the folder again, from its first picture";
    EXPECT_TRUE(shows(kGreen)) << "the picture added";
    EXPECT_TRUE(textSlide()) << "the empty folder's text slide, once a pass";
    PressKey('Q');
    EXPECT_TRUE(saver.WaitForExit(kExitDeadline));
}
