// The pan and zoom's arithmetic: where the view lies through a slide's time, the place its
// picture is prepared at, and the frames resampled from it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "toolkit/drift_path.h"

namespace qs::test {
namespace {

constexpr int kFrameW = 200, kFrameH = 150, kPictureW = 242, kPictureH = 182; // the frame prepared at 1.2

// Every path a show may choose starts and ends at rest within the picture, zooms by at least a tenth
// between 1 and 1.2, and moves: no frame reads beyond the prepared picture.
TEST(DriftPath, EveryChosenPathStaysWithinThePictureAndZoomsAndMoves) {
    std::mt19937 engine(7);
    std::uniform_real_distribution<double> uniform(0, 1);
    for (int i = 0; i < 500; ++i) {
        const tk::DriftPath path = tk::ChooseDriftPath([&] { return uniform(engine); });
        EXPECT_GE(std::abs(path.toZoom - path.fromZoom), 0.1);
        EXPECT_GE(std::hypot(path.toX - path.fromX, path.toY - path.fromY), 0.6);
        for (double t = -0.5; t <= 1.5; t += 0.05) {
            const tk::DriftView v = path.at(t, kFrameW, kFrameH, kPictureW, kPictureH);
            ASSERT_TRUE(v.scale >= 1 && v.scale <= 1.2 && v.x >= 0 && v.y >= 0) << i << " at " << t;
            ASSERT_LE(v.x + kFrameW * v.scale, kPictureW - 1) << i << " at " << t;
            ASSERT_LE(v.y + kFrameH * v.scale, kPictureH - 1) << i << " at " << t;
        }
        EXPECT_LT(path.shift(0, 0.01, kFrameW, kFrameH, kPictureW, kPictureH), 0.05) << "not at rest at the start";
        EXPECT_LT(path.shift(0.99, 1, kFrameW, kFrameH, kPictureW, kPictureH), 0.05) << "not at rest at the end";
        EXPECT_GT(path.shift(0.45, 0.55, kFrameW, kFrameH, kPictureW, kPictureH), 1) << "still in the middle";
    }
}

TEST(DriftPath, TheViewGoesFromTheFirstCornerAndZoomToTheSecondHalfwayAtHalfTime) {
    const tk::DriftPath path{0, 1, 1, 0, 1, 1.2};
    const std::tuple<double, double, double, double> cases[] = { // t, x, y, scale
        {0, 0, kPictureH - 1 - kFrameH * 1.2, 1.2},
        {1, kPictureW - 1 - kFrameW, 0, 1},
        {0.5, (kPictureW - 1 - kFrameW * 1.2 / 1.1) / 2, (kPictureH - 1 - kFrameH * 1.2 / 1.1) / 2, 1.2 / 1.1}};
    for (const auto& [t, x, y, scale] : cases) {
        const tk::DriftView v = path.at(t, kFrameW, kFrameH, kPictureW, kPictureH);
        EXPECT_NEAR(v.scale, scale, 1e-9) << t;
        EXPECT_NEAR(v.x, x, 1e-9) << t;
        EXPECT_NEAR(v.y, y, 1e-9) << t;
    }
}

// The picture is prepared at the zoom's largest about the visible part's corner, for that part alone.
TEST(DriftPath, ThePreparedPlaceIsTheVisiblePartEnlargedAboutItsCorner) {
    const std::pair<tk::DisplayPlace, tk::DisplayPlace> cases[] = {
        {{0, 0, 1024, 768, 1024, 768}, {0, 0, 1230, 923, 1230, 923}},          // stretched over the screen
        {{480, 360, 64, 48, 1024, 768}, {480, 360, 78, 59, 1134, 851}},        // centred and small
        {{-256, 0, 1536, 768, 1024, 768}, {-307, 0, 1845, 923, 1230, 923}}};   // wider than the screen
    for (const auto& [place, want] : cases) {
        const tk::DisplayPlace got = tk::DriftPlace(place);
        EXPECT_EQ(std::make_tuple(got.left, got.top, got.width, got.height, got.clientWidth, got.clientHeight),
                  std::make_tuple(want.left, want.top, want.width, want.height, want.clientWidth, want.clientHeight));
    }
}

// Each channel of a frame within one level of bilinear sampling in floating point, at views between pixels.
TEST(DriftPath, AFrameIsThePictureSampledBilinearlyAtTheView) {
    std::mt19937 engine(3);
    std::vector<std::uint32_t> pixels(kPictureW * kPictureH), out(kFrameW * kFrameH);
    for (std::uint32_t& p : pixels) p = engine() & 0xFFFFFF;
    const tk::PixelSpan picture{pixels.data(), kPictureW, kPictureH}, frame{out.data(), kFrameW, kFrameH};
    const auto channel = [](std::uint32_t p, int shift) { return static_cast<double>(p >> shift & 0xFF); };
    std::vector<std::uint32_t> scratch;
    for (const tk::DriftView view : {tk::DriftView{0, 0, 1}, {17.25, 3.5, 1.1}, {20.8, 11.1, 1.05}}) {
        tk::DriftRows(picture, view, frame, 0, kFrameH, scratch);
        for (int y = 0; y < kFrameH; y += 7) {
            for (int x = 0; x < kFrameW; x += 5) {
                const double sx = view.x + (x + 0.5) * view.scale - 0.5, sy = view.y + (y + 0.5) * view.scale - 0.5;
                const int ix = static_cast<int>(sx), iy = static_cast<int>(sy);
                const double fx = sx - ix, fy = sy - iy;
                const auto at = [&](int px, int py) { return pixels[py * kPictureW + px]; };
                for (int shift : {0, 8, 16}) {
                    const double want =
                        (channel(at(ix, iy), shift) * (1 - fx) + channel(at(ix + 1, iy), shift) * fx) * (1 - fy) +
                        (channel(at(ix, iy + 1), shift) * (1 - fx) + channel(at(ix + 1, iy + 1), shift) * fx) * fy;
                    ASSERT_NEAR(channel(out[y * kFrameW + x], shift), want, 2.0) << x << "," << y << " of " << view.x;
                }
            }
        }
    }
}

} // namespace
} // namespace qs::test
