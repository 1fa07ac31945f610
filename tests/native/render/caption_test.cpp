// The caption's text and size, and the EXIF date taken it may show, from crafted bytes.
#include <gtest/gtest.h>

#include <vector>

#include "render/slide_caption.h"
#include "toolkit/exif_date.h"

namespace qs::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A TIFF block whose IFD0 points to an Exif directory holding `date` (DateTimeOriginal).
Bytes Tiff(bool big, const std::string& date, std::uint32_t count = 20) {
    Bytes b(2, big ? 'M' : 'I');
    for (const auto& [value, size] : {std::pair{42u, 2}, {8u, 4}, {1u, 2}, {0x8769u, 2}, {4u, 2}, {1u, 4}, {26u, 4},
                                     {0u, 4}, {1u, 2}, {0x9003u, 2}, {2u, 2}, {count, 4}, {44u, 4}, {0u, 4}})
        for (int i = 0; i < size; ++i) b.push_back(static_cast<std::uint8_t>(value >> 8 * (big ? size - 1 - i : i)));
    b.insert(b.end(), date.c_str(), date.c_str() + date.size() + 1); // with its closing zero
    return b;
}

Bytes Jpeg(Bytes tiff) {
    const std::size_t length = tiff.size() + 8; // the segment's length, its own two bytes included
    tiff.insert(tiff.begin(), {0xFF, 0xD8, 0xFF, 0xE1, std::uint8_t(length >> 8), std::uint8_t(length), 'E', 'x', 'i',
                               'f', 0, 0});
    for (const std::uint8_t end : {0xFF, 0xD9}) tiff.push_back(end);
    return tiff;
}

TEST(ExifDateTaken, ARealDateIsReadAndBlankDamagedOrImpossibleOnesGiveNone) {
    const std::string taken = "2019:07:14 16:05:09";
    const struct {
        const char* what;
        Bytes bytes;
        std::optional<tk::TakenTime> date;
        std::ptrdiff_t cutTo = 0; // the file's bytes cut there
    } cases[] = {
        {"a JPEG, little-endian", Jpeg(Tiff(false, taken)), tk::TakenTime{2019, 7, 14, 16, 5, 9}},
        {"a TIFF file, big-endian, a leap day", Tiff(true, "2000:02:29 00:00:00"), tk::TakenTime{2000, 2, 29}},
        {"blank", Jpeg(Tiff(true, "    :  :     :  :  ")), std::nullopt},
        {"no such day", Tiff(false, "2019:02:29 10:00:00"), std::nullopt},
        {"a count too short for a date", Tiff(false, taken, 4), std::nullopt},
        {"the file cut inside the date", Jpeg(Tiff(false, taken)), std::nullopt, 60},
        {"the file cut inside the directory", Tiff(false, taken), std::nullopt, 30},
        {"not a picture", Bytes{'h', 'e', 'l', 'l', 'o'}, std::nullopt},
    };
    for (const auto& c : cases) {
        const Bytes bytes(c.bytes.begin(), c.cutTo ? c.bytes.begin() + c.cutTo : c.bytes.end());
        EXPECT_EQ(tk::ExifDateTaken(bytes.data(), bytes.size()), c.date) << c.what;
    }
}

TEST(Caption, ShowsTheFileNameTheDateOrBothAndShrinksWithTheSurfaceToAReadableSize) {
    const std::string path = "C:\\Photos\\IMG_1.jpg", date = "Sunday, July 14, 2019";
    EXPECT_EQ(CaptionText({}, path, date), "");
    EXPECT_EQ(CaptionText({.captionName = true}, path, date), "IMG_1.jpg");
    EXPECT_EQ(CaptionText({.captionDate = true}, path, date), date);
    EXPECT_EQ(CaptionText({.captionName = true, .captionDate = true}, path, date), "IMG_1.jpg \xE2\x80\x93 " + date);
    EXPECT_EQ(CaptionText({.captionName = true, .captionDate = true}, path, ""), "IMG_1.jpg");
    EXPECT_DOUBLE_EQ(CaptionPoints(15360, 15360), 11.25);
    EXPECT_DOUBLE_EQ(CaptionPoints(12288, 15360), 9.0);
    EXPECT_DOUBLE_EQ(CaptionPoints(2280, 15360), 7.0) << "a preview's caption stays readable";
}

} // namespace
} // namespace qs::test
