// Pictures: files decode to their natural size (EXIF orientation honoured), damaged
// ones fail, and an image without stretching takes the natural size in whole screen
// pixels.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "probe_forms.h"
#include "support/test_images.h"
#include "support/toolkit_fixture.h"

namespace qs::test {
namespace {

class PictureTest : public ToolkitTest {
protected:
    ScratchFolder folder;
};

TEST_F(PictureTest, GoodFilesLoadWithTheirNaturalSizeAndDamagedOnesFail) {
    const struct {
        const char* name;
        Bytes bytes;
        int width, height;
    } cases[] = {
        {"gif.gif", MakeGif(300, 7), 300, 7},
        {"turned_right.jpg", MakeJpegWithOrientation(40, 20, 6), 20, 40},
        {"named_wrongly.gif", MakeBmp(3, 2), 3, 2},
    };
    for (const auto& c : cases) {
        const std::optional<tk::Picture> picture = tk::LoadPicture(folder.write(c.name, c.bytes));
        ASSERT_TRUE(picture.has_value()) << c.name;
        EXPECT_EQ(picture->widthPx(), c.width) << c.name;
        EXPECT_EQ(picture->heightPx(), c.height) << c.name;
        EXPECT_EQ(picture->Width(), std::lround(c.width * 2540.0 * tk::Screen::TwipsPerPixelX() / 1440)) << c.name;
    }
    const Bytes jpeg = MakeJpeg(40, 40);
    for (const Bytes& damaged : {Bytes{'h', 'i'}, Bytes(jpeg.begin(), jpeg.end() - 2)})
        EXPECT_FALSE(tk::LoadPicture(folder.write("damaged.jpg", damaged)).has_value());
    EXPECT_FALSE(tk::LoadPicture((folder.path() / "nothing.jpg").string()).has_value());
    EXPECT_FALSE(tk::LoadPicture(folder.path().string()).has_value());
}

TEST_F(PictureTest, ImageTakesTheNaturalSizeInWholeScreenPixelsUnlessStretched) {
    os.screen.metrics.twipsPerPixelX = 12;
    os.screen.metrics.twipsPerPixelY = 20;
    ControlsForm form;
    tk::Image image(form.pic, "bgimage", 240, 240, 855, 855);
    image.setPicture(*tk::LoadPicture(folder.write("odd.gif", MakeGif(97, 13))));
    EXPECT_EQ((std::array{image.Left(), image.Width(), image.Height()}), (std::array<float, 3>{240, 97 * 12, 13 * 20}));
    image.setPicture(tk::Picture());
    EXPECT_FLOAT_EQ(image.Width(), 97 * 12) << "an empty picture keeps the size";
    tk::Image stretched(form, "img", 0, 0, 1630, 1320, true);
    stretched.setPicture(*tk::LoadPicture(folder.write("p.png", MakePng(10, 20))));
    EXPECT_FLOAT_EQ(stretched.Width(), 1630);
    stretched.setStretch(false);
    EXPECT_EQ((std::array{stretched.Width(), stretched.Height()}), (std::array<float, 2>{10 * 12, 20 * 20}));
}

} // namespace
} // namespace qs::test
