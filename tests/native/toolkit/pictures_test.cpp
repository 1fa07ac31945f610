#include <gtest/gtest.h>

#include <array>
#include <string>

#include "support/probe_forms.h"
#include "support/test_images.h"
#include "support/toolkit_fixture.h"
#include "toolkit/picture_header.h"

namespace qs::test {
namespace {

Bytes Cut(Bytes v, std::size_t keep) {
    v.resize(keep);
    return v;
}

// The picture with the big-endian size fields at `at` (JPEG: 16 bits, PNG: 32 bits) rewritten.
Bytes Claiming(Bytes v, std::size_t at, int bytesPerField, std::uint32_t first, std::uint32_t second) {
    for (int i = 0; i < bytesPerField; ++i) {
        v[at + i] = static_cast<std::uint8_t>(first >> (8 * (bytesPerField - 1 - i)));
        v[at + bytesPerField + i] = static_cast<std::uint8_t>(second >> (8 * (bytesPerField - 1 - i)));
    }
    return v;
}

// Just after the first marker 0xFF `marker`.
std::size_t After(const Bytes& v, std::uint8_t marker) {
    for (std::size_t i = 2; i + 1 < v.size(); ++i)
        if (v[i] == 0xFF && v[i + 1] == marker) return i + 2;
    return v.size();
}

// What the checks read from the bytes: "format width x height", or "refused".
std::string Declared(const Bytes& v) {
    tk::MemoryBytes bytes(v.data(), v.size());
    const auto h = tk::ReadPictureHeader(bytes);
    if (!h) return "refused";
    const char* formats[] = {"jpeg", "png", "gif", "bmp", "tiff"};
    return formats[static_cast<int>(h->format)] + (" " + std::to_string(h->width)) + " x " + std::to_string(h->height);
}

TEST(PictureHeader, WholeFilesWithinTheLimitsAreReadAndEveryOtherIsRefused) {
    const Bytes jpeg = MakeJpeg(64, 48), png = MakePng(50, 20), bmp = MakeBmp(40, 30);
    const Bytes gif = DataFile("saver/quadrants.gif");
    const Bytes progressive = ProgressiveJpeg();
    const std::size_t sof = After(jpeg, 0xC0) + 3; // the height, then the width
    const struct {
        const char* name;
        Bytes bytes;
        const char* expected;
    } cases[] = {
        {"bitmap", bmp, "bmp 40 x 30"},
        {"gif", gif, "gif 320 x 240"},
        {"baseline jpeg", jpeg, "jpeg 64 x 48"},
        {"progressive jpeg", progressive, "jpeg 48 x 32"},
        {"png", png, "png 50 x 20"},
        {"the largest side", Claiming(png, 16, 4, 65535, 1), "png 65535 x 1"},
        {"64 Mi pixels", Claiming(png, 16, 4, 8192, 8192), "png 8192 x 8192"},
        {"zero bytes", {}, "refused"},
        {"text", Bytes(40, 'x'), "refused"},
        {"jpeg signature only", {0xFF, 0xD8, 0xFF, 0xE0}, "refused"},
        {"jpeg without end marker", Cut(jpeg, jpeg.size() - 2), "refused"},
        {"jpeg scan cut short", Cut(jpeg, jpeg.size() - 40), "refused"},
        {"progressive cut short", Cut(progressive, progressive.size() * 4 / 5), "refused"},
        {"jpeg table of nonsense length", Claiming(jpeg, After(jpeg, 0xC4), 1, 0, 3), "refused"},
        {"png half", Cut(png, png.size() / 2), "refused"},
        {"gif half", Cut(gif, gif.size() / 2), "refused"},
        {"bmp header only", Cut(bmp, 54), "refused"},
        {"jpeg claiming 60000 square", Claiming(jpeg, sof, 2, 60000, 60000), "refused"},
        {"jpeg claiming no width", Claiming(jpeg, sof, 2, 48, 0), "refused"},
        {"png a pixel over 64 Mi", Claiming(png, 16, 4, 8192, 8193), "refused"},
        {"png claiming a side over 65535", Claiming(png, 16, 4, 65536, 1), "refused"},
    };
    for (const auto& c : cases) EXPECT_EQ(Declared(c.bytes), c.expected) << c.name;
}

TEST_F(ToolkitTest, ImageTakesTheNaturalSizeInWholeScreenPixelsUnlessStretched) {
    ScratchFolder folder;
    os.screen.metrics.twipsPerPixelX = 12;
    os.screen.metrics.twipsPerPixelY = 20;
    ControlsForm form;
    tk::Image image(form.pic, "bgimage", 240, 240, 855, 855);
    const Bytes gif = DataFile("saver/quadrants.gif");
    EXPECT_FALSE(tk::LoadPicture(folder.write("cut.gif", Cut(gif, gif.size() - 4)))) << "the checks come first";
    image.setPicture(*tk::LoadPicture(folder.write("whole.gif", gif)));
    EXPECT_EQ((std::array{image.Left(), image.Width(), image.Height()}), (std::array<float, 3>{240, 3840, 4800}));
    image.setPicture(tk::Picture());
    EXPECT_FLOAT_EQ(image.Width(), 320 * 12) << "an empty picture keeps the size";
    tk::Image stretched(form, "img", 0, 0, 1630, 1320, true);
    stretched.setPicture(*tk::LoadPicture(folder.write("p.png", MakePng(10, 20))));
    EXPECT_FLOAT_EQ(stretched.Width(), 1630);
    stretched.setStretch(false);
    EXPECT_EQ((std::array{stretched.Width(), stretched.Height()}), (std::array<float, 2>{10 * 12, 20 * 20}));
}

} // namespace
} // namespace qs::test
