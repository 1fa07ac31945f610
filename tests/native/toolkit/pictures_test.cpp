// An image without stretching takes its picture's natural size in whole screen pixels.
// Decoding itself is the Windows suite's: the headless decoder never ships.
#include <gtest/gtest.h>

#include <array>

#include "probe_forms.h"
#include "support/test_images.h"
#include "support/toolkit_fixture.h"

namespace qs::test {
namespace {

TEST_F(ToolkitTest, ImageTakesTheNaturalSizeInWholeScreenPixelsUnlessStretched) {
    ScratchFolder folder;
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
