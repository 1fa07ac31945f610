// "/S" with 24-megapixel pictures, each prepared while the one before it shows: their
// order, a file changed on disk after it was prepared, and a key while one is prepared.
#include <gtest/gtest.h>

#include <memory>

#include "e2e_driver.h"

namespace qs::e2e {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);
constexpr Ms kSlideChange{8000};

class PreparedSlides : public ::testing::Test {
protected:
    void SetUp() override {
        SetCursorPos(3, 3);
        for (const auto& [name, colour] : {std::pair{"red.bmp", kRed}, {"green.bmp", kGreen}, {"blue.bmp", kBlue}})
            paths_.push_back(run_.WriteSolidBitmap(name, 6000, 4000, colour));
    }
    // "/S" on black, the pictures stretched over the screen, each for `delay` seconds; returns
    // once the first is on show (the next one is being prepared then).
    void StartOnRed(int delay) {
        std::vector<std::string> lines{"BGColor_0=0", "Delay_0=" + std::to_string(delay), "PictureCount_0=3"};
        for (int i = 1; i <= 3; ++i) {
            const std::string n = std::to_string(i);
            lines.insert(lines.end(), {"FileSpec_" + n + "=" + paths_[i - 1], "HStretch_" + n + "=-1", "VStretch_" + n + "=-1"});
        }
        run_.WriteSettings(lines);
        saver_ = std::make_unique<SaverProcess>(run_, "/S");
        ASSERT_NE(saver_->WaitForWindow(kSaverCaption, kStartDeadline), nullptr);
        ASSERT_TRUE(WaitForScreenPixel(512, 384, kRed, kStartDeadline));
    }
    COLORREF CentreAfter(COLORREF shown) {
        COLORREF now = shown;
        WaitUntil([&] { return (now = ScreenPixel(512, 384)) != shown; }, kSlideChange);
        return now;
    }

    RunFolder run_;
    std::vector<std::string> paths_;
    std::unique_ptr<SaverProcess> saver_;
};

TEST_F(PreparedSlides, ShowInListOrder) {
    StartOnRed(2);
    std::vector<COLORREF> shown{kRed};
    for (int i = 0; i < 3; ++i) shown.push_back(CentreAfter(shown.back()));
    EXPECT_EQ(shown, (std::vector<COLORREF>{kRed, kGreen, kBlue, kRed}));
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
            ASSERT_TRUE(DeleteFileA(paths_[1].c_str()));
        } else {
            run_.WriteSolidBitmap("green.bmp", 4000, 3000, kYellow);
        }
        const COLORREF next = CentreAfter(kRed);
        EXPECT_NE(next, kGreen);
        EXPECT_TRUE(deleted || next == kYellow);
        // The text slide's heading, light yellow on black across the top.
        EXPECT_EQ(CountScreenPixels(RECT{0, 0, 1024, 128}, kLightYellow, 24) > 200, deleted);
    }
}

TEST_F(PreparedSlides, AKeyWhileTheNextIsPreparedEndsTheShow) {
    StartOnRed(2);
    PressKey('Q');
    EXPECT_TRUE(saver_->WaitForExit(kExitDeadline));
}

} // namespace
} // namespace qs::e2e
