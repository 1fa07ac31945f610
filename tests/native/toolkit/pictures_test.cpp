// Pictures through the headless backend: real files decode to their natural size
// (EXIF orientation honoured), damaged ones fail, and an image without stretching
// takes the natural size in whole screen pixels.
#include <gtest/gtest.h>

#include <cmath>

#include "probe_forms.h"
#include "support/test_images.h"
#include "support/toolkit_fixture.h"

namespace qs::test {
namespace {

std::int32_t Himetric(int pixels, float twipsPerPixel) {
    return static_cast<std::int32_t>(std::lround(pixels * 2540.0 * twipsPerPixel / 1440.0));
}

class PictureTest : public ToolkitTest {
protected:
    ScratchFolder folder;
};

struct GoodFile {
    const char* name;
    std::function<Bytes()> make;
    int width;
    int height;
};

class GoodPictureTest : public PictureTest, public ::testing::WithParamInterface<GoodFile> {};

TEST_P(GoodPictureTest, LoadsWithNaturalSize) {
    const GoodFile& c = GetParam();
    const std::string path = folder.write(c.name, c.make());
    const std::optional<tk::Picture> picture = tk::LoadPicture(path);
    ASSERT_TRUE(picture.has_value());
    EXPECT_FALSE(picture->empty());
    EXPECT_EQ(picture->Type(), tk::PictureType::Bitmap);
    EXPECT_EQ(picture->widthPx(), c.width);
    EXPECT_EQ(picture->heightPx(), c.height);
    EXPECT_EQ(picture->Width(), Himetric(c.width, tk::Screen::TwipsPerPixelX()));
    EXPECT_EQ(picture->Height(), Himetric(c.height, tk::Screen::TwipsPerPixelY()));
    EXPECT_EQ(picture->data()->source, path);
    EXPECT_EQ(ui().pictureLoads(), (std::vector<std::string>{path}));
}

INSTANTIATE_TEST_SUITE_P(
    Files, GoodPictureTest,
    ::testing::Values(GoodFile{"bmp.bmp", [] { return MakeBmp(37, 21); }, 37, 21},
                      GoodFile{"gif.gif", [] { return MakeGif(64, 48); }, 64, 48},
                      GoodFile{"big_gif.gif", [] { return MakeGif(300, 7); }, 300, 7},
                      GoodFile{"png.png", [] { return MakePng(5, 9); }, 5, 9},
                      GoodFile{"jpeg.jpg", [] { return MakeJpeg(33, 17); }, 33, 17},
                      GoodFile{"upside_down.jpg", [] { return MakeJpegWithOrientation(40, 20, 3); }, 40, 20},
                      GoodFile{"turned_right.jpg", [] { return MakeJpegWithOrientation(40, 20, 6); }, 20, 40},
                      GoodFile{"turned_left_mm.jpg", [] { return MakeJpegWithOrientation(40, 20, 8, true); }, 20, 40},
                      GoodFile{"named_wrongly.gif", [] { return MakeBmp(3, 2); }, 3, 2}),
    [](const ::testing::TestParamInfo<GoodFile>& info) {
        std::string n = info.param.name;
        return n.substr(0, n.find('.'));
    });

Bytes Cut(const Bytes& b, std::size_t keep) { return Bytes(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(keep)); }

Bytes WithoutEnd(const Bytes& b, std::size_t drop) { return Cut(b, b.size() - drop); }

// A BMP whose header claims `width` x `height` but that carries only a few pixels.
Bytes BmpClaiming(std::uint32_t width, std::uint32_t height) {
    Bytes b = MakeBmp(2, 2);
    for (int i = 0; i < 4; ++i) {
        b[18 + i] = static_cast<std::uint8_t>((width >> (8 * i)) & 0xFF);
        b[22 + i] = static_cast<std::uint8_t>((height >> (8 * i)) & 0xFF);
    }
    return b;
}

// A JPEG whose frame header claims 60000 x 60000 pixels.
Bytes JpegClaimingHugeSize() {
    Bytes b = MakeJpeg(8, 8);
    for (std::size_t i = 2; i + 8 < b.size(); ++i) {
        if (b[i] == 0xFF && (b[i + 1] == 0xC0 || b[i + 1] == 0xC2)) {
            b[i + 5] = 0xEA;
            b[i + 6] = 0x60;
            b[i + 7] = 0xEA;
            b[i + 8] = 0x60;
            break;
        }
    }
    return b;
}

struct BadFile {
    const char* name;
    std::function<Bytes()> make;
};

class BadPictureTest : public PictureTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadPictureTest, FailsToLoad) {
    const std::string path = folder.write(std::string(GetParam().name) + ".pic", GetParam().make());
    EXPECT_FALSE(tk::LoadPicture(path).has_value());
    EXPECT_EQ(ui().pictureLoads().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadPictureTest,
    ::testing::Values(
        BadFile{"ZeroBytes", [] { return Bytes{}; }},
        BadFile{"Text", [] { return Bytes{'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '\n'}; }},
        BadFile{"BmpHalf", [] { const Bytes b = MakeBmp(20, 20); return Cut(b, b.size() / 2); }},
        BadFile{"BmpLastByteMissing", [] { return WithoutEnd(MakeBmp(20, 20), 1); }},
        BadFile{"BmpHeaderOnly", [] { return Cut(MakeBmp(20, 20), 54); }},
        BadFile{"BmpClaimsHugeSize", [] { return BmpClaiming(100000, 100000); }},
        BadFile{"BmpClaimsZeroWidth", [] { return BmpClaiming(0, 2); }},
        BadFile{"GifHalf", [] { const Bytes b = MakeGif(40, 40); return Cut(b, b.size() / 2); }},
        BadFile{"GifWithoutLastBlocks", [] { return WithoutEnd(MakeGif(40, 40), 3); }},
        BadFile{"GifHeaderOnly", [] { return Cut(MakeGif(4, 4), 13); }},
        BadFile{"GifTrailerOnly", [] { return Bytes{'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0, 0x3B}; }},
        BadFile{"PngHalf", [] { const Bytes b = MakePng(30, 30); return Cut(b, b.size() / 2); }},
        BadFile{"PngWithoutEnd", [] { return WithoutEnd(MakePng(30, 30), 12); }},
        BadFile{"PngSignatureOnly", [] { return Cut(MakePng(3, 3), 8); }},
        BadFile{"JpegHalf", [] { const Bytes b = MakeJpeg(40, 40); return Cut(b, b.size() / 2); }},
        BadFile{"JpegWithoutEndMarker", [] { return WithoutEnd(MakeJpeg(40, 40), 2); }},
        BadFile{"JpegHeadersOnly", [] { return Cut(MakeJpeg(40, 40), 20); }},
        BadFile{"JpegClaimsHugeSize", JpegClaimingHugeSize},
        BadFile{"JpegSignatureThenGarbage",
                [] {
                    Bytes b{0xFF, 0xD8, 0xFF};
                    b.resize(500, 0x42);
                    return b;
                }}),
    [](const ::testing::TestParamInfo<BadFile>& info) { return std::string(info.param.name); });

TEST_F(PictureTest, MissingFileAndFolderFail) {
    EXPECT_FALSE(tk::LoadPicture((folder.path() / "nothing.jpg").string()).has_value());
    EXPECT_FALSE(tk::LoadPicture(folder.path().string()).has_value());
    EXPECT_FALSE(tk::LoadPicture("").has_value());
}

TEST_F(PictureTest, ImageTakesNaturalSizeOfA640By480Bitmap) {
    ControlsForm form;
    tk::Image image(form.pic, "bgimage", 240, 240, 855, 855);
    const auto picture = tk::LoadPicture(folder.write("vga.bmp", MakeBmp(640, 480)));
    ASSERT_TRUE(picture.has_value());
    image.setPicture(*picture);
    EXPECT_FLOAT_EQ(image.Width(), 9600);
    EXPECT_FLOAT_EQ(image.Height(), 7200);
    EXPECT_FLOAT_EQ(image.Left(), 240) << "the place stays";
}

TEST_F(PictureTest, NaturalSizeIsWholeScreenPixelsAtOtherResolutions) {
    os.screen.metrics.twipsPerPixelX = 12;
    os.screen.metrics.twipsPerPixelY = 12;
    ControlsForm form;
    tk::Image image(form, "img", 0, 0, 100, 100);
    const auto picture = tk::LoadPicture(folder.write("odd.gif", MakeGif(97, 13)));
    ASSERT_TRUE(picture.has_value());
    image.setPicture(*picture);
    EXPECT_FLOAT_EQ(image.Width(), 97 * 12);
    EXPECT_FLOAT_EQ(image.Height(), 13 * 12);
}

TEST_F(PictureTest, StretchedImageKeepsItsSizeUntilStretchIsTurnedOff) {
    ControlsForm form;
    tk::Image image(form, "img", 0, 0, 1630, 1320, true);
    const auto picture = tk::LoadPicture(folder.write("p.png", MakePng(10, 20)));
    ASSERT_TRUE(picture.has_value());
    image.setPicture(*picture);
    EXPECT_FLOAT_EQ(image.Width(), 1630);
    EXPECT_FLOAT_EQ(image.Height(), 1320);
    image.setStretch(false);
    EXPECT_FLOAT_EQ(image.Width(), 10 * tk::Screen::TwipsPerPixelX());
    EXPECT_FLOAT_EQ(image.Height(), 20 * tk::Screen::TwipsPerPixelY());
}

TEST_F(PictureTest, EmptyPictureClearsTheImageButKeepsItsSize) {
    ControlsForm form;
    tk::Image image(form, "img", 0, 0, 500, 400);
    image.setPicture(*tk::LoadPicture(folder.write("p.bmp", MakeBmp(4, 4))));
    const float width = image.Width();
    image.setPicture(tk::Picture());
    EXPECT_TRUE(image.Picture().empty());
    EXPECT_FLOAT_EQ(image.Width(), width);
}

TEST_F(PictureTest, ProgramPicturesHaveTheirSizes) {
    const struct {
        tk::Picture picture;
        tk::PictureType type;
        int width, height;
    } cases[] = {{tk::AppIcon(), tk::PictureType::Icon, 32, 32},
                 {tk::ResourcePicture("MONITOR"), tk::PictureType::Bitmap, 189, 174},
                 {tk::ResourcePicture("monitor"), tk::PictureType::Bitmap, 189, 174},
                 {tk::ResourcePicture("LOGO"), tk::PictureType::Bitmap, 117, 85}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.picture.Type(), c.type);
        EXPECT_EQ(c.picture.widthPx(), c.width);
        EXPECT_EQ(c.picture.heightPx(), c.height);
        EXPECT_EQ(c.picture.Width(), Himetric(c.width, tk::Screen::TwipsPerPixelX()));
    }
    EXPECT_TRUE(tk::ResourcePicture("NO SUCH PICTURE").empty());
}

TEST_F(PictureTest, FormIconAndPictureBoxPictureReachThePeer) {
    ControlsForm form;
    form.Show();
    form.setIcon(tk::AppIcon());
    form.pic.setPicture(tk::ResourcePicture("LOGO"));
    EXPECT_EQ(ui().syncCount(form, tk::Prop::Picture), 1);
    EXPECT_EQ(ui().syncCount(form.pic, tk::Prop::Picture), 1);
    EXPECT_EQ(form.pic.Picture().widthPx(), 117);
}

} // namespace
} // namespace qs::test
