// The picture structure checks both backends make before decoding: the format and the
// declared size of a whole file; a cut, damaged or oversized one is refused. And an
// image's natural size in whole screen pixels.
#include <gtest/gtest.h>

#include <array>
#include <optional>

#include "probe_forms.h"
#include "support/test_images.h"
#include "support/toolkit_fixture.h"
#include "toolkit/picture_header.h"

namespace qs::test {
namespace {

using tk::PictureFormat;

// 48 x 32, made once with ImageMagick (-interlace JPEG): several scans with tables between.
const Bytes kProgressiveJpeg = {
#include "../../win/toolkit/progressive_jpeg.inc"
};

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

struct Declared {
    PictureFormat format;
    std::uint32_t width, height;
};

TEST(PictureHeader, WholeFilesWithinTheLimitsAreReadAndEveryOtherIsRefused) {
    const Bytes jpeg = MakeJpeg(64, 48), png = MakePng(50, 20), gif = MakeGif(40, 40), bmp = MakeBmp(40, 30);
    const std::string text = "this is not a picture\r\n";
    const std::size_t sof = After(jpeg, 0xC0) + 3; // the height, then the width
    const struct {
        const char* name;
        Bytes bytes;
        std::optional<Declared> expected;
    } cases[] = {
        {"bitmap", bmp, Declared{PictureFormat::Bmp, 40, 30}},
        {"gif", MakeGif(21, 13), Declared{PictureFormat::Gif, 21, 13}},
        {"baseline jpeg", jpeg, Declared{PictureFormat::Jpeg, 64, 48}},
        {"progressive jpeg", kProgressiveJpeg, Declared{PictureFormat::Jpeg, 48, 32}},
        {"png", png, Declared{PictureFormat::Png, 50, 20}},
        {"the largest side", Claiming(png, 16, 4, 65535, 1), Declared{PictureFormat::Png, 65535, 1}},
        {"64 Mi pixels", Claiming(png, 16, 4, 8192, 8192), Declared{PictureFormat::Png, 8192, 8192}},
        {"zero bytes", {}, std::nullopt},
        {"text", Bytes(text.begin(), text.end()), std::nullopt},
        {"jpeg signature only", {0xFF, 0xD8, 0xFF, 0xE0}, std::nullopt},
        {"jpeg half", Cut(jpeg, jpeg.size() / 2), std::nullopt},
        {"jpeg without end marker", Cut(jpeg, jpeg.size() - 2), std::nullopt},
        {"jpeg scan cut short", Cut(jpeg, jpeg.size() - 40), std::nullopt},
        {"progressive cut short", Cut(kProgressiveJpeg, kProgressiveJpeg.size() * 4 / 5), std::nullopt},
        {"jpeg table of nonsense length", Claiming(jpeg, After(jpeg, 0xC4), 1, 0, 3), std::nullopt},
        {"png half", Cut(png, png.size() / 2), std::nullopt},
        {"gif half", Cut(gif, gif.size() / 2), std::nullopt},
        {"bmp half", Cut(bmp, bmp.size() / 2), std::nullopt},
        {"bmp header only", Cut(bmp, 54), std::nullopt},
        {"jpeg claiming 60000 square", Claiming(jpeg, sof, 2, 60000, 60000), std::nullopt},
        {"jpeg claiming no width", Claiming(jpeg, sof, 2, 48, 0), std::nullopt},
        {"png claiming 60000 square", Claiming(png, 16, 4, 60000, 60000), std::nullopt},
        {"png a pixel over 64 Mi", Claiming(png, 16, 4, 8192, 8193), std::nullopt},
        {"png claiming a side over 65535", Claiming(png, 16, 4, 65536, 1), std::nullopt},
    };
    for (const auto& c : cases) {
        tk::MemoryBytes bytes(c.bytes.data(), c.bytes.size());
        const auto header = tk::ReadPictureHeader(bytes);
        ASSERT_EQ(header.has_value(), c.expected.has_value()) << c.name;
        if (!header) continue;
        EXPECT_EQ(header->format, c.expected->format) << c.name;
        EXPECT_EQ((std::array{header->width, header->height}), (std::array{c.expected->width, c.expected->height}))
            << c.name;
    }
}

TEST_F(ToolkitTest, ImageTakesTheNaturalSizeInWholeScreenPixelsUnlessStretched) {
    ScratchFolder folder;
    os.screen.metrics.twipsPerPixelX = 12;
    os.screen.metrics.twipsPerPixelY = 20;
    ControlsForm form;
    tk::Image image(form.pic, "bgimage", 240, 240, 855, 855);
    const Bytes gif = MakeGif(97, 13);
    EXPECT_FALSE(tk::LoadPicture(folder.write("cut.gif", Cut(gif, gif.size() - 4)))) << "the checks come first";
    image.setPicture(*tk::LoadPicture(folder.write("odd.gif", gif)));
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
