#include <gtest/gtest.h>

#include "support/test_images.h"
#include "toolkit/jpeg_orientation.h"

namespace qs::test {
namespace {

// Bytes in a fresh buffer of exactly their size, so that a read past the end is a
// read outside the allocation.
int OrientationOf(const Bytes& bytes) {
    auto exact = std::make_unique<std::uint8_t[]>(bytes.size() + (bytes.empty() ? 1 : 0));
    std::copy(bytes.begin(), bytes.end(), exact.get());
    return tk::JpegOrientation(exact.get(), bytes.size());
}

const Bytes kSoi = {0xFF, 0xD8};

Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

// A segment with the marker and a length that counts itself.
Bytes Segment(std::uint8_t marker, const Bytes& payload) {
    const std::size_t length = payload.size() + 2;
    return Cat({{0xFF, marker, static_cast<std::uint8_t>(length >> 8), static_cast<std::uint8_t>(length & 0xFF)},
                payload});
}

Bytes JpegWithTiff(const Bytes& tiff) { return Cat({kSoi, ExifApp1(tiff), {0xFF, 0xD9}}); }

// A JPEG with ExifTiff(orientation), its little-endian field of `size` bytes at `at` set to `value`.
Bytes Patched(std::size_t at, int size, std::uint32_t value, int orientation = 6) {
    Bytes tiff = ExifTiff(orientation);
    for (int i = 0; i < size; ++i) tiff[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    return JpegWithTiff(tiff);
}

TEST(JpegOrientation, GoodAndDamagedInputIsAnsweredWithoutReadingOutside) {
    Bytes manySegments = kSoi;
    for (int i = 0; i < 100000; ++i) manySegments.insert(manySegments.end(), {0xFF, 0xE0, 0, 2});
    const struct {
        const char* name;
        Bytes bytes;
        int expected;
    } cases[] = {
        {"LittleEndian", JpegWithTiff(ExifTiff(3, false)), 3},
        {"BigEndian", JpegWithTiff(ExifTiff(7, true)), 7},
        {"Empty", {}, 1},
        {"NotAJpeg", {0x89, 'P', 'N', 'G', 0, 0}, 1},
        {"PlainJpegWithoutExif", MakeJpeg(4, 4), 1},
        {"ExifAfterOtherApp1", Cat({kSoi, Segment(0xE1, {'h', 't', 't', 'p', ':'}), ExifApp1(ExifTiff(3))}), 3},
        {"FillBytesBeforeMarker", Cat({kSoi, {0xFF, 0xFF, 0xFF}, ExifApp1(ExifTiff(5))}), 5},
        {"ImageDataBeforeExif", Cat({kSoi, Segment(0xDA, {0, 0}), ExifApp1(ExifTiff(6))}), 1},
        {"GarbageWhereMarkerBelongs", Cat({kSoi, {0x12, 0x34}, ExifApp1(ExifTiff(6))}), 1},
        {"SegmentLengthOne", Cat({kSoi, {0xFF, 0xE0, 0x00, 0x01}, ExifApp1(ExifTiff(6))}), 1},
        {"SegmentLongerThanFile", Cat({kSoi, {0xFF, 0xE1, 0x40, 0x00, 'E', 'x', 'i', 'f', 0, 0}}), 1},
        {"ExifWithoutZeroes", Cat({kSoi, Segment(0xE1, {'E', 'x', 'i', 'f', 'I', 'I', 42, 0})}), 1},
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
}

TEST(JpegOrientation, EveryCutOfAGoodFileIsReadSafely) {
    // Cut inside the Exif block the answer must be 1; only the whole block gives 6.
    const Bytes good = JpegWithTiff(ExifTiff(6));
    for (std::size_t n = 0; n < good.size(); ++n) {
        const Bytes cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
        EXPECT_EQ(OrientationOf(cut), n >= good.size() - 2 ? 6 : 1) << "cut at " << n;
    }
}

} // namespace
} // namespace qs::test
