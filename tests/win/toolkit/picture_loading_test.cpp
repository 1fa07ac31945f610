// Loading pictures through the imaging component: natural sizes of every format, EXIF
// orientation, and every kind of bad file failing at load.
#include <gtest/gtest.h>
#include <wincodec.h>

#include <cmath>

#include "toolkit/application.h"
#include "toolkit/picture.h"
#include "support/test_images.h"
#include "win_toolkit_support.h"

namespace qs::test::win {
namespace {

COLORREF Quadrants(int x, int y, int w, int h) {
    const bool right = x >= w / 2, bottom = y >= h / 2;
    if (!right && !bottom) return RGB(255, 0, 0);
    if (right && !bottom) return RGB(0, 255, 0);
    if (!right && bottom) return RGB(0, 0, 255);
    return RGB(255, 255, 255);
}

std::vector<std::uint8_t> Jpeg(int w, int h) {
    return EncodeWithWic(GUID_ContainerFormatJpeg, w, h, [=](int x, int y) { return Quadrants(x, y, w, h); });
}

struct GoodFile {
    const char* name;
    std::function<std::vector<std::uint8_t>()> bytes;
    int widthPx, heightPx;
};

class PictureLoading : public ::testing::TestWithParam<GoodFile> {
protected:
    void SetUp() override { EnsureToolkit(); }
};

TEST_P(PictureLoading, ReportsNaturalSizeInPixelsHimetricAndTwips) {
    const GoodFile& f = GetParam();
    const auto bytes = f.bytes();
    ASSERT_FALSE(bytes.empty());
    const std::string path = TempFile(std::string(f.name));
    ASSERT_TRUE(WriteBytes(path, bytes));

    auto picture = tk::LoadPicture(path);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->Type(), tk::PictureType::Bitmap);
    EXPECT_EQ(picture->widthPx(), f.widthPx);
    EXPECT_EQ(picture->heightPx(), f.heightPx);
    // One picture pixel per screen pixel: HIMETRIC at the screen's resolution.
    const double tppX = tk::Screen::TwipsPerPixelX(), tppY = tk::Screen::TwipsPerPixelY();
    EXPECT_EQ(picture->Width(), std::lround(f.widthPx * 2540.0 / (1440.0 / tppX)));
    EXPECT_EQ(picture->Height(), std::lround(f.heightPx * 2540.0 / (1440.0 / tppY)));
    EXPECT_NEAR(tk::HimetricToTwips(picture->Width()), f.widthPx * tppX, 1.0);
    EXPECT_NEAR(tk::HimetricToTwips(picture->Height()), f.heightPx * tppY, 1.0);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, PictureLoading,
    ::testing::Values(
        GoodFile{"bitmap.bmp", [] { return MakeBmp(40, 30); }, 40, 30},
        GoodFile{"handmade.gif", [] { return MakeGif(21, 13); }, 21, 13},
        GoodFile{"wic.bmp", [] { return EncodeWithWic(GUID_ContainerFormatBmp, 17, 9, [](int x, int y) { return Quadrants(x, y, 17, 9); }); }, 17, 9},
        GoodFile{"baseline.jpg", [] { return Jpeg(64, 48); }, 64, 48},
        GoodFile{"progressive.jpg", [] { return ProgressiveJpeg(); }, 48, 32},
        GoodFile{"picture.png", [] { return EncodeWithWic(GUID_ContainerFormatPng, 50, 20, [](int x, int y) { return RGB(x * 5, y * 10, 0); }); }, 50, 20},
        GoodFile{"picture.gif", [] { return EncodeWithWic(GUID_ContainerFormatGif, 33, 17, [](int x, int y) { return Quadrants(x, y, 33, 17); }); }, 33, 17},
        GoodFile{"picture.tif", [] { return EncodeWithWic(GUID_ContainerFormatTiff, 20, 10, [](int x, int y) { return RGB(x * 10, y * 20, 99); }); }, 20, 10},
        GoodFile{"exif1.jpg", [] { return WithExifOrientation(Jpeg(64, 48), 1); }, 64, 48},
        GoodFile{"exif3.jpg", [] { return WithExifOrientation(Jpeg(64, 48), 3); }, 64, 48},
        GoodFile{"exif6.jpg", [] { return WithExifOrientation(Jpeg(64, 48), 6); }, 48, 64},
        GoodFile{"exif8.jpg", [] { return WithExifOrientation(Jpeg(64, 48), 8); }, 48, 64},
        GoodFile{"exif5.jpg", [] { return WithExifOrientation(Jpeg(64, 48), 5); }, 48, 64}),
    [](const auto& info) {
        std::string n = info.param.name;
        for (char& c : n)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return n;
    });

// --- files that must not load ---

std::vector<std::uint8_t> Cut(std::vector<std::uint8_t> v, double keep) {
    v.resize(static_cast<std::size_t>(v.size() * keep));
    return v;
}

std::vector<std::uint8_t> DropTail(std::vector<std::uint8_t> v, std::size_t n) {
    v.resize(v.size() > n ? v.size() - n : 0);
    return v;
}

// A complete JPEG whose frame header claims width x height.
std::vector<std::uint8_t> JpegClaiming(int width, int height) {
    auto v = Jpeg(16, 16);
    for (std::size_t i = 2; i + 9 < v.size(); ++i) {
        if (v[i] == 0xFF && (v[i + 1] == 0xC0 || v[i + 1] == 0xC2)) {
            v[i + 5] = static_cast<std::uint8_t>(height >> 8);
            v[i + 6] = static_cast<std::uint8_t>(height & 0xFF);
            v[i + 7] = static_cast<std::uint8_t>(width >> 8);
            v[i + 8] = static_cast<std::uint8_t>(width & 0xFF);
            break;
        }
    }
    return v;
}

std::vector<std::uint8_t> PngClaiming(std::uint32_t width, std::uint32_t height) {
    auto v = EncodeWithWic(GUID_ContainerFormatPng, 8, 8, [](int, int) { return RGB(1, 2, 3); });
    for (int i = 0; i < 4; ++i) {
        v[16 + i] = static_cast<std::uint8_t>(width >> (24 - 8 * i));
        v[20 + i] = static_cast<std::uint8_t>(height >> (24 - 8 * i));
    }
    return v;
}

struct BadFile {
    const char* name;
    std::function<std::vector<std::uint8_t>()> bytes; // null: the file does not exist
};

class PictureRefusal : public ::testing::TestWithParam<BadFile> {
protected:
    void SetUp() override { EnsureToolkit(); }
};

TEST_P(PictureRefusal, FailsAtLoad) {
    const BadFile& f = GetParam();
    const std::string path = TempFile(std::string("bad_") + f.name);
    DeleteFileA(path.c_str());
    if (f.bytes) {
        ASSERT_TRUE(WriteBytes(path, f.bytes()));
    }
    const std::uint64_t before = PrivateBytes();
    EXPECT_FALSE(tk::LoadPicture(path).has_value());
    // Refused before anything the size of the claimed picture was allocated.
    EXPECT_LT(PrivateBytes(), before + 64ull * 1024 * 1024);
}

INSTANTIATE_TEST_SUITE_P(
    Files, PictureRefusal,
    ::testing::Values(
        BadFile{"missing", nullptr},
        BadFile{"zero_bytes", [] { return std::vector<std::uint8_t>{}; }},
        BadFile{"text", [] { std::string s = "this is not a picture\r\n"; return std::vector<std::uint8_t>(s.begin(), s.end()); }},
        BadFile{"jpeg_signature_only", [] { return std::vector<std::uint8_t>{0xFF, 0xD8, 0xFF, 0xE0}; }},
        BadFile{"jpeg_half", [] { return Cut(Jpeg(64, 48), 0.5); }},
        BadFile{"jpeg_without_end_marker", [] { return DropTail(Jpeg(64, 48), 2); }},
        BadFile{"jpeg_scan_cut_short", [] { return DropTail(Jpeg(64, 48), 40); }},
        BadFile{"progressive_cut_short", [] { return Cut(ProgressiveJpeg(), 0.8); }},
        BadFile{"png_half", [] { return Cut(EncodeWithWic(GUID_ContainerFormatPng, 50, 20, [](int x, int) { return RGB(x, 0, 0); }), 0.5); }},
        BadFile{"gif_half", [] { return Cut(EncodeWithWic(GUID_ContainerFormatGif, 40, 40, [](int x, int y) { return RGB(x * 6, y * 6, 0); }), 0.5); }},
        BadFile{"bmp_half", [] { return Cut(MakeBmp(40, 30), 0.5); }},
        BadFile{"bmp_header_only", [] { return Cut(MakeBmp(40, 30), 54.0 / 3654.0); }},
        BadFile{"jpeg_claiming_60000_square", [] { return JpegClaiming(60000, 60000); }},
        BadFile{"png_claiming_60000_square", [] { return PngClaiming(60000, 60000); }},
        BadFile{"png_claiming_huge_side", [] { return PngClaiming(100000, 1); }},
        BadFile{"corrupt_jpeg_tables", [] {
            auto v = Jpeg(64, 48);
            for (std::size_t i = 2; i + 1 < v.size() && i < 200; ++i)
                if (v[i] == 0xFF && v[i + 1] == 0xC4) { v[i + 2] = 0x00; v[i + 3] = 0x03; break; } // DHT length 3: nonsense
            return v;
        }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PictureLoadingOther, ResourcePictureAbsentIsEmpty) {
    EnsureToolkit();
    EXPECT_TRUE(tk::ResourcePicture("NO_SUCH_PICTURE").empty());
}

TEST(PictureLoadingOther, AppIconIsAnIconWithASize) {
    EnsureToolkit();
    tk::Picture icon = tk::AppIcon();
    EXPECT_EQ(icon.Type(), tk::PictureType::Icon);
    EXPECT_GT(icon.widthPx(), 0);
    EXPECT_GT(icon.Width(), 0);
}

} // namespace
} // namespace qs::test::win
