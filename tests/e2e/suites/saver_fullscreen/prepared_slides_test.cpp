// "/S" with 24-megapixel pictures, each prepared while the one before it shows.
#include <gtest/gtest.h>

#include "e2e_driver.h"

using namespace qs::e2e;

class PreparedSlides : public ::testing::Test {
protected:
    // Red, green and blue stretched on black, each `delay` seconds; returns on red, while green is prepared.
    void StartOnRed(int delay) {
        SetCursorPos(3, 3);
        std::vector<std::string> lines{"BGColor_0=0", "Delay_0=" + std::to_string(delay), "PictureCount_0=3"};
        for (const auto& [n, colour] : {std::pair<std::string, COLORREF>{"1", kRed}, {"2", kGreen}, {"3", kBlue}}) {
            const std::string path = run_.WriteSolidBitmap(n + ".bmp", 6000, 4000, colour);
            lines.insert(lines.end(), {"FileSpec_" + n + "=" + path, "HStretch_" + n + "=-1", "VStretch_" + n + "=-1"});
        }
        run_.WriteSettings(lines);
        saver_ = std::make_unique<SaverProcess>(run_, "/S");
        ASSERT_NE(saver_->WaitForWindow(kSaverCaption, kStartDeadline), nullptr);
        ASSERT_TRUE(WaitForScreenPixel(512, 384, kRed, kStartDeadline));
    }
    static COLORREF CentreAfter(COLORREF shown) {
        COLORREF now = shown;
        WaitUntil([&] { return (now = ScreenPixel(512, 384)) != shown; }, Ms(8000));
        return now;
    }

    RunFolder run_;
    std::unique_ptr<SaverProcess> saver_;
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
    const COLORREF kYellow = RGB(255, 255, 0), kLightYellow = RGB(255, 255, 127);
    for (const bool deleted : {false, true}) {
        SCOPED_TRACE(deleted ? "deleted" : "replaced");
        StartOnRed(5);
        PumpFor(Ms(3000));
        ASSERT_EQ(ScreenPixel(512, 384), kRed) << "the slide stays its time";
        if (deleted) {
            ASSERT_TRUE(DeleteFileA(run_.PathOf("2.bmp").c_str()));
        } else {
            run_.WriteSolidBitmap("2.bmp", 4000, 3000, kYellow);
        }
        const COLORREF next = CentreAfter(kRed);
        EXPECT_TRUE(deleted ? next != kGreen : next == kYellow);
        // The text slide's heading, light yellow on black across the top.
        EXPECT_EQ(CountScreenPixels(RECT{0, 0, 1024, 128}, kLightYellow, 24) > 200, deleted);
    }
}
