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

Bytes Cut(const Bytes& b, std::size_t keep) { return Bytes(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(keep)); }

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
            for (std::size_t k : {5, 7}) b[i + k] = 0xEA, b[i + k + 1] = 0x60;
            break;
        }
    }
    return b;
}

class PictureTest : public ToolkitTest {
protected:
    ScratchFolder folder;
};

TEST_F(PictureTest, GoodFilesLoadWithTheirNaturalSize) {
    const struct {
        const char* name;
        Bytes bytes;
        int width, height;
    } cases[] = {
        {"bmp.bmp", MakeBmp(37, 21), 37, 21},
        {"png.png", MakePng(5, 9), 5, 9},
        {"gif.gif", MakeGif(300, 7), 300, 7},
        {"jpeg.jpg", MakeJpeg(33, 17), 33, 17},
        {"turned_right.jpg", MakeJpegWithOrientation(40, 20, 6), 20, 40},
        {"turned_left_mm.jpg", MakeJpegWithOrientation(40, 20, 8, true), 20, 40},
        {"named_wrongly.gif", MakeBmp(3, 2), 3, 2},
    };
    for (const auto& c : cases) {
        const std::string path = folder.write(c.name, c.bytes);
        const std::optional<tk::Picture> picture = tk::LoadPicture(path);
        ASSERT_TRUE(picture.has_value()) << c.name;
        EXPECT_EQ(picture->Type(), tk::PictureType::Bitmap) << c.name;
        EXPECT_EQ(picture->widthPx(), c.width) << c.name;
        EXPECT_EQ(picture->heightPx(), c.height) << c.name;
        EXPECT_EQ(picture->Width(), Himetric(c.width, tk::Screen::TwipsPerPixelX())) << c.name;
        EXPECT_EQ(picture->Height(), Himetric(c.height, tk::Screen::TwipsPerPixelY())) << c.name;
        EXPECT_EQ(ui().pictureLoads().back(), path);
    }
}

TEST_F(PictureTest, DamagedOrMissingFilesFailToLoad) {
    const Bytes bmp = MakeBmp(20, 20), gif = MakeGif(40, 40), png = MakePng(30, 30), jpeg = MakeJpeg(40, 40);
    Bytes garbageAfterSoi{0xFF, 0xD8, 0xFF};
    garbageAfterSoi.resize(500, 0x42);
    const struct {
        const char* name;
        Bytes bytes;
    } cases[] = {
        {"ZeroBytes", {}},
        {"Text", {'h', 'e', 'l', 'l', 'o', '\n'}},
        {"BmpHalf", Cut(bmp, bmp.size() / 2)},
        {"BmpClaimsHugeSize", BmpClaiming(100000, 100000)},
        {"BmpClaimsZeroWidth", BmpClaiming(0, 2)},
        {"GifWithoutLastBlocks", Cut(gif, gif.size() - 3)},
        {"GifTrailerOnly", {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0, 0x3B}},
        {"PngWithoutEnd", Cut(png, png.size() - 12)},
        {"JpegWithoutEndMarker", Cut(jpeg, jpeg.size() - 2)},
        {"JpegClaimsHugeSize", JpegClaimingHugeSize()},
        {"JpegSignatureThenGarbage", garbageAfterSoi},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(tk::LoadPicture(folder.write(std::string(c.name) + ".pic", c.bytes)).has_value()) << c.name;
    }
    EXPECT_EQ(ui().pictureLoads().size(), std::size(cases));
    EXPECT_FALSE(tk::LoadPicture((folder.path() / "nothing.jpg").string()).has_value());
    EXPECT_FALSE(tk::LoadPicture(folder.path().string()).has_value());
    EXPECT_FALSE(tk::LoadPicture("").has_value());
}

TEST_F(PictureTest, ImageTakesTheNaturalSizeInWholeScreenPixelsUnlessStretched) {
    os.screen.metrics.twipsPerPixelX = 12;
    os.screen.metrics.twipsPerPixelY = 20;
    ControlsForm form;
    tk::Image image(form.pic, "bgimage", 240, 240, 855, 855);
    image.setPicture(*tk::LoadPicture(folder.write("odd.gif", MakeGif(97, 13))));
    EXPECT_FLOAT_EQ(image.Width(), 97 * 12);
    EXPECT_FLOAT_EQ(image.Height(), 13 * 20);
    EXPECT_FLOAT_EQ(image.Left(), 240) << "the place stays";
    image.setPicture(tk::Picture());
    EXPECT_TRUE(image.Picture().empty());
    EXPECT_FLOAT_EQ(image.Width(), 97 * 12) << "an empty picture keeps the size";

    tk::Image stretched(form, "img", 0, 0, 1630, 1320, true);
    stretched.setPicture(*tk::LoadPicture(folder.write("p.png", MakePng(10, 20))));
    EXPECT_FLOAT_EQ(stretched.Width(), 1630);
    stretched.setStretch(false);
    EXPECT_FLOAT_EQ(stretched.Width(), 10 * 12);
    EXPECT_FLOAT_EQ(stretched.Height(), 20 * 20);
}

TEST_F(PictureTest, ProgramPicturesHaveTheirSizesAndReachThePeer) {
    const struct {
        tk::Picture picture;
        tk::PictureType type;
        int width, height;
    } cases[] = {{tk::AppIcon(), tk::PictureType::Icon, 32, 32},
                 {tk::ResourcePicture("monitor"), tk::PictureType::Bitmap, 189, 174},
                 {tk::ResourcePicture("LOGO"), tk::PictureType::Bitmap, 117, 85}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.picture.Type(), c.type);
        EXPECT_EQ(c.picture.widthPx(), c.width);
        EXPECT_EQ(c.picture.heightPx(), c.height);
    }
    EXPECT_TRUE(tk::ResourcePicture("NO SUCH PICTURE").empty());
    ControlsForm form;
    form.Show();
    form.setIcon(tk::AppIcon());
    form.pic.setPicture(tk::ResourcePicture("LOGO"));
    EXPECT_EQ(ui().syncCount(form, tk::Prop::Picture), 1);
    EXPECT_EQ(ui().syncCount(form.pic, tk::Prop::Picture), 1);
}

} // namespace
} // namespace qs::test
