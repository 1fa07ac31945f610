// What the checks read from a picture file's bytes before any decoder sees it: the format and
// size, or a refusal; and a JPEG's Exif orientation, read without going outside the bytes.
#include <gtest/gtest.h>

#include <string>

#include "support/test_images.h"
#include "toolkit/jpeg_orientation.h"
#include "toolkit/picture_header.h"

namespace qs::test {
namespace {

const Bytes kSoi = {0xFF, 0xD8};

Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

Bytes Cut(const Bytes& v, std::size_t keep) { return Bytes(v.begin(), v.begin() + std::ptrdiff_t(keep)); }

// `v` with its fields of `size` bytes each from `at` on set to `values`.
Bytes Poked(Bytes v, std::size_t at, int size, std::initializer_list<std::uint32_t> values, bool bigEndian = true) {
    for (std::uint32_t value : values)
        for (int i = 0; i < size; ++i, ++at) v[at] = std::uint8_t(value >> 8 * (bigEndian ? size - 1 - i : i));
    return v;
}

// Just after the first marker 0xFF `marker`.
std::size_t After(const Bytes& v, std::uint8_t marker) {
    for (std::size_t i = 2; i + 1 < v.size(); ++i)
        if (v[i] == 0xFF && v[i + 1] == marker) return i + 2;
    return v.size();
}

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
    const struct { const char* name; Bytes bytes; const char* expected; } cases[] = {
        {"bitmap", bmp, "bmp 40 x 30"},
        {"gif", gif, "gif 320 x 240"},
        {"baseline jpeg", jpeg, "jpeg 64 x 48"},
        {"progressive jpeg", progressive, "jpeg 48 x 32"},
        {"png", png, "png 50 x 20"},
        {"the largest side", Poked(png, 16, 4, {65535, 1}), "png 65535 x 1"},
        {"64 Mi pixels", Poked(png, 16, 4, {8192, 8192}), "png 8192 x 8192"},
        {"zero bytes", {}, "refused"},
        {"text", Bytes(40, 'x'), "refused"},
        {"jpeg signature only", {0xFF, 0xD8, 0xFF, 0xE0}, "refused"},
        {"jpeg without end marker", Cut(jpeg, jpeg.size() - 2), "refused"},
        {"jpeg scan cut short", Cut(jpeg, jpeg.size() - 40), "refused"},
        {"progressive cut short", Cut(progressive, progressive.size() * 4 / 5), "refused"},
        {"jpeg table of nonsense length", Poked(jpeg, After(jpeg, 0xC4), 2, {3}), "refused"},
        {"png half", Cut(png, png.size() / 2), "refused"},
        {"gif half", Cut(gif, gif.size() / 2), "refused"},
        {"bmp header only", Cut(bmp, 54), "refused"},
        {"jpeg claiming 60000 square", Poked(jpeg, sof, 2, {60000, 60000}), "refused"},
        {"jpeg claiming no width", Poked(jpeg, sof, 2, {48, 0}), "refused"},
        {"png a pixel over 64 Mi", Poked(png, 16, 4, {8192, 8193}), "refused"},
        {"png claiming a side over 65535", Poked(png, 16, 4, {65536, 1}), "refused"},
    };
    for (const auto& c : cases) EXPECT_EQ(Declared(c.bytes), c.expected) << c.name;
}

// Bytes in a fresh buffer of exactly their size, so that a read past the end is a
// read outside the allocation.
int OrientationOf(const Bytes& bytes) {
    auto exact = std::make_unique<std::uint8_t[]>(bytes.size() + (bytes.empty() ? 1 : 0));
    std::copy(bytes.begin(), bytes.end(), exact.get());
    return tk::JpegOrientation(exact.get(), bytes.size());
}

Bytes JpegWithTiff(const Bytes& tiff) { return Cat({kSoi, ExifApp1(tiff), {0xFF, 0xD9}}); }

// A JPEG with ExifTiff(orientation), its little-endian field of `size` bytes at `at` set to `value`.
Bytes Patched(std::size_t at, int size, std::uint32_t value, int orientation = 6) {
    return JpegWithTiff(Poked(ExifTiff(orientation), at, size, {value}, false));
}

TEST(JpegOrientation, GoodAndDamagedInputIsAnsweredWithoutReadingOutside) {
    Bytes manySegments = kSoi;
    for (int i = 0; i < 100000; ++i) manySegments.insert(manySegments.end(), {0xFF, 0xE0, 0, 2});
    const struct { const char* name; Bytes bytes; int expected; } cases[] = {
        {"LittleEndian", JpegWithTiff(ExifTiff(3, false)), 3},
        {"BigEndian", JpegWithTiff(ExifTiff(7, true)), 7},
        {"NotAJpeg", {0x89, 'P', 'N', 'G', 0, 0}, 1},
        {"PlainJpegWithoutExif", MakeJpeg(4, 4), 1},
        {"ExifAfterOtherApp1", Cat({kSoi, {0xFF, 0xE1, 0, 7, 'h', 't', 't', 'p', ':'}, ExifApp1(ExifTiff(3))}), 3},
        {"FillBytesBeforeMarker", Cat({kSoi, {0xFF, 0xFF, 0xFF}, ExifApp1(ExifTiff(5))}), 5},
        {"ImageDataBeforeExif", Cat({kSoi, {0xFF, 0xDA, 0, 4, 0, 0}, ExifApp1(ExifTiff(6))}), 1},
        {"GarbageWhereMarkerBelongs", Cat({kSoi, {0x12, 0x34}, ExifApp1(ExifTiff(6))}), 1},
        {"SegmentLengthOne", Cat({kSoi, {0xFF, 0xE0, 0x00, 0x01}, ExifApp1(ExifTiff(6))}), 1},
        {"ExifWithoutZeroes", Cat({kSoi, {0xFF, 0xE1, 0, 10, 'E', 'x', 'i', 'f', 'I', 'I', 42, 0}}), 1},
        {"UnknownByteOrder", Patched(1, 1, 'M'), 1},
        {"WrongMagic", Patched(2, 2, 43), 1},
        {"IfdOffsetHuge", Patched(4, 4, 0xFFFFFFF0u), 1},
        {"IfdOffsetAtLastByte", Patched(4, 4, 25), 1},
        {"HugeEntryCountIsCutToWhatIsThere", Patched(8, 2, 0xFFFF), 6},
        {"LongType", Patched(12, 2, 4, 8), 8},
        {"AsciiType", Patched(12, 2, 2), 1},
        {"TwoValues", Patched(14, 4, 2), 1},
        {"ValueNine", JpegWithTiff(ExifTiff(9)), 1},
        {"EndlessRunOfSegmentsIsCut", Cat({manySegments, ExifApp1(ExifTiff(6))}), 1},
        {"AllFillBytes", Cat({kSoi, Bytes(5000, 0xFF)}), 1},
    };
    for (const auto& c : cases) EXPECT_EQ(OrientationOf(c.bytes), c.expected) << c.name;
    EXPECT_EQ(tk::JpegOrientation(nullptr, 100), 1) << "null data is upright";
    // Cut anywhere (empty, or a segment running past the end) the answer must be 1; only the whole block gives 6.
    const Bytes good = JpegWithTiff(ExifTiff(6));
    for (std::size_t n = 0; n < good.size(); ++n)
        EXPECT_EQ(OrientationOf(Cut(good, n)), n >= good.size() - 2 ? 6 : 1) << "cut at " << n;
}

} // namespace
} // namespace qs::test
