// Decoding for display: the size decoded, orientation of the pixels, the resampler,
// and a large photograph drawn at screen size without a full-size bitmap.
#include <gtest/gtest.h>
#include <wincodec.h>

#include <chrono>
#include <cstring>

#include "toolkit/application.h"
#include "toolkit/picture.h"
#include "toolkit/win32/pixel_scaling.h"
#include "toolkit/win32/wic_pictures.h"
#include "win_toolkit_support.h"

namespace qs::test::win {
namespace {

using tk::win32::DecodeForDisplay;
using tk::win32::PixelRect;
using tk::win32::ResampleRegion;
using tk::win32::WicPictureData;

const WicPictureData& Data(const tk::Picture& p) { return dynamic_cast<const WicPictureData&>(*p.data()); }

// Which of the four test colours a decoded pixel is closest to.
char ColourAt(const tk::win32::DecodedBitmap& b, int x, int y) {
    const std::uint8_t* p = b.bits() + (static_cast<std::size_t>(y) * b.width() + x) * 4;
    const int blue = p[0], green = p[1], red = p[2];
    if (red > 180 && green > 180 && blue > 180) return 'W';
    if (red > 180) return 'R';
    if (green > 180) return 'G';
    if (blue > 180) return 'B';
    return '?';
}

struct OrientationCase {
    int orientation;
    const char* corners; // top-left, top-right, bottom-left, bottom-right as shown
};

class Orientation : public ::testing::TestWithParam<OrientationCase> {
protected:
    void SetUp() override { EnsureToolkit(); }
};

TEST_P(Orientation, CornersLandWhereTheTagSays) {
    const auto& c = GetParam();
    const int w = 64, h = 48;
    auto jpeg = EncodeWithWic(GUID_ContainerFormatJpeg, w, h, [=](int x, int y) {
        const bool right = x >= w / 2, bottom = y >= h / 2;
        return !right && !bottom ? RGB(255, 0, 0) : right && !bottom ? RGB(0, 255, 0) : !right ? RGB(0, 0, 255) : RGB(255, 255, 255);
    });
    const std::string path = TempFile("orient" + std::to_string(c.orientation) + ".jpg");
    ASSERT_TRUE(WriteBytes(path, WithExifOrientation(jpeg, c.orientation)));
    auto picture = tk::LoadPicture(path);
    ASSERT_TRUE(picture);
    const int dw = picture->widthPx(), dh = picture->heightPx();
    auto bitmap = DecodeForDisplay(Data(*picture), dw, dh, PixelRect{0, 0, dw, dh});
    ASSERT_TRUE(bitmap);
    ASSERT_EQ(bitmap->width(), dw);
    ASSERT_EQ(bitmap->height(), dh);
    const std::string seen{ColourAt(*bitmap, 3, 3), ColourAt(*bitmap, dw - 4, 3), ColourAt(*bitmap, 3, dh - 4),
                           ColourAt(*bitmap, dw - 4, dh - 4)};
    EXPECT_EQ(seen, c.corners) << "orientation " << c.orientation;
}

// Stored: red top-left, green top-right, blue bottom-left, white bottom-right.
INSTANTIATE_TEST_SUITE_P(AllEight, Orientation,
                         ::testing::Values(OrientationCase{1, "RGBW"}, OrientationCase{2, "GRWB"},
                                           OrientationCase{3, "WBGR"}, OrientationCase{4, "BWRG"},
                                           OrientationCase{5, "RBGW"}, OrientationCase{6, "BRWG"},
                                           OrientationCase{7, "WGBR"}, OrientationCase{8, "GWRB"}));

TEST(DecodeAtSize, LargePhotoDrawnAtScreenSizeNeverHoldsAFullSizeBitmap) {
    EnsureToolkit();
    const int w = 6000, h = 4000;
    const std::string path = TempFile("large.jpg");
    {
        auto bytes = EncodeWithWic(GUID_ContainerFormatJpeg, w, h, [](int x, int y) {
            return RGB((x / 50) % 2 ? 200 : 40, (y / 50) % 2 ? 180 : 60, 90);
        });
        ASSERT_FALSE(bytes.empty());
        ASSERT_TRUE(WriteBytes(path, bytes));
    }
    auto t0 = std::chrono::steady_clock::now();
    auto picture = tk::LoadPicture(path);
    auto t1 = std::chrono::steady_clock::now();
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->widthPx(), w);

    auto bitmap = DecodeForDisplay(Data(*picture), 1920, 1080, PixelRect{0, 0, 1920, 1080});
    auto t2 = std::chrono::steady_clock::now();
    ASSERT_TRUE(bitmap);
    EXPECT_LE(bitmap->width(), 1920);
    EXPECT_LE(bitmap->height(), 1080);
    // The one cached entry is that bitmap; asking again decodes nothing.
    EXPECT_EQ(DecodeForDisplay(Data(*picture), 1920, 1080, PixelRect{0, 0, 1920, 1080}), bitmap);

    // Drawn onto a 1024 x 768 surface at full size: only what shows is decoded.
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP target = CreateCompatibleBitmap(screen, 1024, 768);
    HGDIOBJ old = SelectObject(dc, target);
    tk::win32::DrawPicture(dc, *picture, RECT{-100, -100, w - 100, h - 100}, RECT{0, 0, 1024, 768});
    const auto& cache = Data(*picture).cache;
    ASSERT_TRUE(cache.bitmap);
    EXPECT_EQ(cache.bitmap->width(), 1024);
    EXPECT_EQ(cache.bitmap->height(), 768);
    EXPECT_EQ(cache.region.x, 100);
    SelectObject(dc, old);
    DeleteObject(target);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    auto ms = [](auto d) { return std::chrono::duration_cast<std::chrono::milliseconds>(d).count(); };
    RecordProperty("load_ms", static_cast<int>(ms(t1 - t0)));
    RecordProperty("decode_1920x1080_ms", static_cast<int>(ms(t2 - t1)));
    std::printf("[ measured ] 6000x4000 JPEG: load %d ms, decode at 1920x1080 %d ms\n", static_cast<int>(ms(t1 - t0)),
                static_cast<int>(ms(t2 - t1)));
}

// --- the resampler on its own ---

tk::win32::RowSupplier FromPixels(const std::vector<std::uint32_t>& px, int width) {
    return [&px, width](int y, int count, int x, int w, std::uint8_t* out) {
        for (int r = 0; r < count; ++r)
            std::memcpy(out + static_cast<std::size_t>(r) * w * 4, &px[static_cast<std::size_t>(y + r) * width + x],
                        static_cast<std::size_t>(w) * 4);
        return true;
    };
}

TEST(Resample, HalvingACheckerboardAveragesToGrey) {
    const int n = 8;
    std::vector<std::uint32_t> px(n * n);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) px[y * n + x] = ((x + y) & 1) ? 0xFFFFFFFFu : 0xFF000000u;
    std::vector<std::uint8_t> out(4 * 4 * 4);
    ASSERT_TRUE(ResampleRegion(FromPixels(px, n), n, n, 4, 4, PixelRect{0, 0, 4, 4}, out.data()));
    for (std::size_t i = 0; i < out.size(); i += 4) {
        EXPECT_NEAR(out[i], 128, 1);
        EXPECT_EQ(out[i + 3], 255);
    }
}

struct RegionCase {
    int srcW, srcH, dstW, dstH;
    PixelRect region;
};

class ResampleRegions : public ::testing::TestWithParam<RegionCase> {};

TEST_P(ResampleRegions, ARegionIsExactlyThatPartOfTheWhole) {
    const auto& c = GetParam();
    std::vector<std::uint32_t> px(static_cast<std::size_t>(c.srcW) * c.srcH);
    for (int y = 0; y < c.srcH; ++y)
        for (int x = 0; x < c.srcW; ++x)
            px[static_cast<std::size_t>(y) * c.srcW + x] = 0xFF000000u | ((x * 37 + y * 11) & 0xFF) << 16 | ((x * y) & 0xFF) << 8 | (y * 5 & 0xFF);
    std::vector<std::uint8_t> whole(static_cast<std::size_t>(c.dstW) * c.dstH * 4);
    ASSERT_TRUE(ResampleRegion(FromPixels(px, c.srcW), c.srcW, c.srcH, c.dstW, c.dstH, PixelRect{0, 0, c.dstW, c.dstH}, whole.data()));
    std::vector<std::uint8_t> part(static_cast<std::size_t>(c.region.width) * c.region.height * 4);
    ASSERT_TRUE(ResampleRegion(FromPixels(px, c.srcW), c.srcW, c.srcH, c.dstW, c.dstH, c.region, part.data()));
    for (int y = 0; y < c.region.height; ++y)
        for (int x = 0; x < c.region.width * 4; ++x)
            ASSERT_EQ(part[static_cast<std::size_t>(y) * c.region.width * 4 + x],
                      whole[(static_cast<std::size_t>(y + c.region.y) * c.dstW + c.region.x) * 4 + x])
                << "at " << x / 4 << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Shapes, ResampleRegions,
                         ::testing::Values(RegionCase{100, 80, 30, 20, PixelRect{5, 3, 10, 12}},   // reduce
                                           RegionCase{10, 8, 33, 27, PixelRect{20, 10, 13, 17}},   // enlarge
                                           RegionCase{64, 64, 64, 64, PixelRect{0, 60, 64, 4}},    // same size
                                           RegionCase{300, 7, 41, 70, PixelRect{40, 0, 1, 70}}));  // mixed

TEST(Resample, RefusesBadRequestsAndFailingSources) {
    std::vector<std::uint32_t> px(16, 0xFF112233u);
    std::vector<std::uint8_t> out(64);
    EXPECT_FALSE(ResampleRegion(FromPixels(px, 4), 4, 4, 4, 4, PixelRect{2, 2, 4, 4}, out.data()));
    EXPECT_FALSE(ResampleRegion(FromPixels(px, 4), 4, 4, 0, 4, PixelRect{0, 0, 1, 1}, out.data()));
    auto failing = [](int, int, int, int, std::uint8_t*) { return false; };
    EXPECT_FALSE(ResampleRegion(failing, 4, 4, 2, 2, PixelRect{0, 0, 2, 2}, out.data()));
}

} // namespace
} // namespace qs::test::win
