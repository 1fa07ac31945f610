// Pictures through the imaging component: each format's natural size, the EXIF orientation applied
// to size and pixels, a cut file refused, a large photograph drawn without a full-size bitmap (the
// damaged and huge files and the memory bound are the robustness corpus's).
#include <gtest/gtest.h>
#include <wincodec.h>

#include <array>
#include <cmath>

#include "support/test_images.h"
#include "toolkit/application.h"
#include "toolkit/picture.h"
#include "toolkit/win32/wic_pictures.h"
#include "win_toolkit_support.h"

namespace qs::test::win {
namespace {

using tk::win32::DecodeForDisplay, tk::win32::PixelRect;

auto& Data(const tk::Picture& p) { return dynamic_cast<const tk::win32::WicPictureData&>(*p.data()); }

Bytes Jpeg() { return EncodeWithWic(GUID_ContainerFormatJpeg, 64, 48); }

// The structure checks themselves are the native suite's; the cut file proves the real loader
// makes them before its decoder sees a file, which would fill a cut one with grey.
TEST(Pictures, EachFormatLoadsAtItsNaturalSizeAndACutFileFailsAtLoad) {
    EnsureToolkit();
    Bytes cut = Jpeg();
    cut.resize(cut.size() - 40);
    const std::tuple<const char*, Bytes, int, int> files[] = { // no size: refused
        {"quadrants.gif", DataFile("saver/quadrants.gif"), 320, 240},
        {"progressive.jpg", ProgressiveJpeg(), 48, 32},
        {"picture.png", EncodeWithWic(GUID_ContainerFormatPng, 50, 20), 50, 20},
        {"cut.jpg", cut, 0, 0},
    };
    const double tppX = tk::Screen::TwipsPerPixelX(), tppY = tk::Screen::TwipsPerPixelY();
    for (const auto& [name, bytes, width, height] : files) {
        SCOPED_TRACE(name);
        auto picture = tk::LoadPicture(TempFile(name, bytes));
        ASSERT_EQ(picture.has_value(), width > 0);
        if (!picture) continue;
        EXPECT_EQ((std::array{picture->widthPx(), picture->heightPx()}), (std::array{width, height}));
        // One picture pixel per screen pixel: HIMETRIC at the screen's resolution.
        EXPECT_EQ(picture->Width(), std::lround(width * 2540.0 / (1440.0 / tppX)));
        EXPECT_EQ(picture->Height(), std::lround(height * 2540.0 / (1440.0 / tppY)));
    }
    EXPECT_FALSE(tk::LoadPicture(TempFile("missing", {}) + ".absent").has_value());
}

TEST(Pictures, ExifOrientationTurnsTheSizeAndThePixels) {
    EnsureToolkit();
    // Stored: red top-left, green top-right, blue bottom-left, white bottom-right; the
    // corners as shown, in the same order, for orientations 1 to 8.
    const char* expected[] = {"RGBW", "GRWB", "WBGR", "BWRG", "RBGW", "BRWG", "WGBR", "GWRB"};
    for (int orientation = 1; orientation <= 8; ++orientation) {
        SCOPED_TRACE(orientation);
        Bytes bytes = Jpeg(), app1 = ExifApp1(ExifTiff(orientation));
        bytes.insert(bytes.begin() + 2, app1.begin(), app1.end()); // right after the start-of-image marker
        auto picture = tk::LoadPicture(TempFile("exif" + std::to_string(orientation) + ".jpg", bytes));
        ASSERT_TRUE(picture);
        const int w = picture->widthPx(), h = picture->heightPx();
        EXPECT_EQ((std::array{w, h}), (orientation >= 5 ? std::array{48, 64} : std::array{64, 48}));
        auto bitmap = DecodeForDisplay(Data(*picture), w, h, PixelRect{0, 0, w, h});
        ASSERT_TRUE(bitmap);
        ASSERT_EQ((std::array{bitmap->width(), bitmap->height()}), (std::array{w, h}));
        std::string seen;
        const int corners[4][2] = {{3, 3}, {w - 4, 3}, {3, h - 4}, {w - 4, h - 4}};
        for (const auto& [x, y] : corners) {
            const std::uint8_t* p = bitmap->bits() + (static_cast<std::size_t>(y) * w + x) * 4; // B, G, R
            seen += "?BGGRRRW"[(p[0] > 180) | (p[1] > 180) << 1 | (p[2] > 180) << 2]; // by blue, green, red bits
        }
        EXPECT_EQ(seen, expected[orientation - 1]);
    }
}

TEST(Pictures, ALargePhotoDrawnAtFullSizeDecodesOnlyWhatShows) {
    EnsureToolkit();
    const int w = 6000, h = 4000;
    auto picture = tk::LoadPicture(TempFile("large.jpg", EncodeWithWic(GUID_ContainerFormatJpeg, w, h)));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->widthPx(), w);
    // Drawn onto a 1024 x 768 surface at full size: only what shows is decoded.
    HDC screen = GetDC(nullptr);
    {
        tk::win32::GdiObject<HBITMAP> target(CreateCompatibleBitmap(screen, 1024, 768));
        tk::win32::MemoryDc dc(screen);
        tk::win32::SelectedObject selected(dc.get(), target.get());
        tk::win32::DrawPicture(dc.get(), *picture, RECT{-100, -100, w - 100, h - 100}, RECT{0, 0, 1024, 768});
    }
    ReleaseDC(nullptr, screen);
    const auto& cache = Data(*picture).cache;
    ASSERT_TRUE(cache.bitmap);
    EXPECT_EQ((std::array{cache.bitmap->width(), cache.bitmap->height()}), (std::array{1024, 768}));
}

} // namespace
} // namespace qs::test::win
