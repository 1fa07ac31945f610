// Pictures through the imaging component (damaged and huge ones: the robustness corpus), and surfaces:
// drawing made while hidden shows and stays until cleared; an image covers the text only while it shows.
#include <gtest/gtest.h>
#include <wincodec.h>

#include <array>
#include <cmath>

#include "support/test_images.h"
#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "toolkit/win32/wic_pictures.h"
#include "win_toolkit_support.h"

namespace qs::test::win {
namespace {

auto& Data(const tk::Picture& p) { return dynamic_cast<const tk::win32::WicPictureData&>(*p.data()); }

// The structure checks themselves are the native suite's; the cut file proves the real loader
// makes them before its decoder sees a file, which would fill a cut one with grey.
TEST(Pictures, EachFormatLoadsAtItsNaturalSizeAndACutFileFailsAtLoad) {
    const Bytes jpeg = EncodeWithWic(GUID_ContainerFormatJpeg, 64, 48);
    const std::tuple<const char*, Bytes, int, int> files[] = { // no size: refused
        {"quadrants.gif", DataFile("saver/quadrants.gif"), 320, 240},
        {"progressive.jpg", ProgressiveJpeg(), 48, 32},
        {"picture.png", EncodeWithWic(GUID_ContainerFormatPng, 50, 20), 50, 20},
        {"cut.jpg", Bytes(jpeg.begin(), jpeg.end() - 40), 0, 0},
    };
    const double tppX = tk::TwipsPerPixelX(), tppY = tk::TwipsPerPixelY();
    for (const auto& [name, bytes, width, height] : files) {
        SCOPED_TRACE(name);
        auto picture = tk::LoadPicture(TempFile(name, bytes));
        ASSERT_EQ(picture.has_value(), width > 0);
        if (!picture) continue;
        EXPECT_EQ((std::array{picture->widthPx(), picture->heightPx()}), (std::array{width, height}));
        // One picture pixel per screen pixel: HIMETRIC at the screen's resolution.
        EXPECT_EQ(picture->himetricWidth(), std::lround(width * 2540.0 / (1440.0 / tppX)));
        EXPECT_EQ(picture->himetricHeight(), std::lround(height * 2540.0 / (1440.0 / tppY)));
    }
}

TEST(Pictures, ExifOrientationTurnsTheSizeAndThePixels) {
    // Stored: red top-left, green top-right, blue bottom-left, white bottom-right; the
    // corners as shown, in the same order, for orientations 1 to 8.
    const char* expected[] = {"RGBW", "GRWB", "WBGR", "BWRG", "RBGW", "BRWG", "WGBR", "GWRB"};
    for (int orientation = 1; orientation <= 8; ++orientation) {
        SCOPED_TRACE(orientation);
        Bytes bytes = EncodeWithWic(GUID_ContainerFormatJpeg, 64, 48), app1 = ExifApp1(ExifTiff(orientation));
        bytes.insert(bytes.begin() + 2, app1.begin(), app1.end()); // right after the start-of-image marker
        auto picture = tk::LoadPicture(TempFile("exif" + std::to_string(orientation) + ".jpg", bytes));
        ASSERT_TRUE(picture);
        const int w = picture->widthPx(), h = picture->heightPx();
        EXPECT_EQ((std::array{w, h}), (orientation >= 5 ? std::array{48, 64} : std::array{64, 48}));
        auto bitmap = tk::win32::DecodeForDisplay(Data(*picture), w, h, tk::win32::PixelRect{0, 0, w, h});
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
    const int w = 6000, h = 4000;
    auto picture = tk::LoadPicture(TempFile("large.jpg", EncodeWithWic(GUID_ContainerFormatJpeg, w, h)));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->widthPx(), w);
    {
        const platform::WindowDc screen(nullptr);
        const platform::GdiObject<HBITMAP> target(CreateCompatibleBitmap(screen.get(), 1024, 768));
        const platform::MemoryDc dc(screen.get());
        const platform::SelectedObject selected(dc.get(), target.get());
        tk::win32::DrawPicture(dc.get(), *picture, RECT{-100, -100, w - 100, h - 100}, RECT{0, 0, 1024, 768});
    }
    const auto& cache = Data(*picture).cache;
    ASSERT_TRUE(cache.bitmap);
    EXPECT_EQ((std::array{cache.bitmap->width(), cache.bitmap->height()}), (std::array{1024, 768}));
}

// 300 x 200 pixels at 15 twips a pixel.
class DrawingForm : public tk::Form {
public:
    DrawingForm() : Form({.border = tk::BorderStyle::None, .clientWidth = 4500, .clientHeight = 3000}) {}
    tk::Image picture{*this, {.bounds = {1500, 0, 1500, 1500}, .stretch = true}};
    tk::PictureBox box{*this, {.bounds = {3000, 1500, 1500, 1500}}};
    tk::Line line{*this, {.x1 = 0, .y1 = 2900, .x2 = 4400, .y2 = 2900, .color = tk::Rgb(0, 0, 255), .width = 3}};
    tk::Label label{*this, {.bounds = {0, 0, 1500, 900}}};
};

// How many pixels of `colour` lie in `area` of the window as it is on the screen now.
int Count(HWND hwnd, COLORREF colour, RECT area) {
    const platform::WindowDc window(hwnd);
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) n += GetPixel(window.get(), x, y) == colour;
    return n;
}

void Paint(HWND hwnd) { RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

TEST(Surfaces, DrawingStaysUntilClearedUnderTheImagesAndLines) {
    DrawingForm form;
    form.load();
    form.setBackColor(tk::Rgb(255, 255, 255));
    form.setForeColor(tk::Rgb(0, 0, 0));
    form.setFont({.size = 24, .bold = true});
    const auto showAndSettle = [&] {
        form.show();
        ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(H(form)) != FALSE; }));
        PumpFor(100);
        Paint(H(form));
    };
    form.drawText(0, 0, "WWWWWW");
    form.drawText(1500, 300, "WWWWWWWW"); // under the image
    form.box.setBackColor(tk::Rgb(255, 255, 0));
    form.box.setFont({.size = 20});
    form.box.drawText(0, 0, "XX");
    auto red = tk::LoadPicture(TempFile("red.bmp", EncodeWithWic(GUID_ContainerFormatBmp, 20, 20, false)));
    ASSERT_TRUE(red);
    form.picture.setPicture(*red);
    showAndSettle();
    const RECT textArea{0, 0, 100, 80}, boxArea{200, 100, 300, 200}, image{100, 0, 200, 100};
    const int black = Count(H(form), RGB(0, 0, 0), textArea);
    EXPECT_GT(black, 200) << "text drawn before the window was shown is on the screen";
    EXPECT_GT(Count(H(form), RGB(255, 255, 0), boxArea), 5000);
    EXPECT_GT(Count(H(form), RGB(0, 0, 0), boxArea), 20) << "the picture box's own text";
    EXPECT_EQ(Count(H(form), RGB(255, 0, 0), image), 100 * 100) << "the image covers the text under it";
    EXPECT_EQ(Count(H(form), RGB(0, 0, 255), RECT{50, 193, 51, 194}), 1) << "the line";

    form.hide();
    PumpFor(50);
    showAndSettle();
    RedrawWindow(H(form), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_EQ(Count(H(form), RGB(0, 0, 0), textArea), black);
    form.picture.setVisible(false);
    Paint(H(form));
    EXPECT_GT(Count(H(form), RGB(0, 0, 0), image), 100) << "the text under the hidden image";

    form.clear();
    form.box.clear();
    Paint(H(form));
    EXPECT_EQ(Count(H(form), RGB(0, 0, 0), RECT{0, 0, 300, 200}), 0);
    EXPECT_EQ(Count(H(form), RGB(255, 255, 0), boxArea), 100 * 100);
    form.close();
}

} // namespace
} // namespace qs::test::win
