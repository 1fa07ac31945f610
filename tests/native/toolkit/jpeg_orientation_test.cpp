// The EXIF orientation reader on good files and on every kind of damage: it must
// answer 1 for anything it cannot trust and never read outside the bytes given.
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

Bytes Soi() { return {0xFF, 0xD8}; }
Bytes Eoi() { return {0xFF, 0xD9}; }

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

Bytes ExifPayload(const Bytes& tiff) { return Cat({{'E', 'x', 'i', 'f', 0, 0}, tiff}); }

// A little-endian TIFF block with one IFD entry, every field chosen by the case.
Bytes Tiff(std::uint16_t magic, std::uint32_t ifdOffset, std::uint16_t count, std::uint16_t tag,
           std::uint16_t type, std::uint32_t valueCount, std::uint32_t value) {
    Bytes t{'I', 'I'};
    const auto put16 = [&](std::uint32_t v) {
        t.push_back(static_cast<std::uint8_t>(v & 0xFF));
        t.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
    };
    const auto put32 = [&](std::uint32_t v) {
        put16(v & 0xFFFF);
        put16(v >> 16);
    };
    put16(magic), put32(ifdOffset), put16(count), put16(tag), put16(type), put32(valueCount), put32(value), put32(0);
    return t;
}

// The TIFF block with its first two bytes replaced.
Bytes WithByteOrderMark(char first, char second, Bytes tiff) {
    tiff[0] = static_cast<std::uint8_t>(first);
    tiff[1] = static_cast<std::uint8_t>(second);
    return tiff;
}

Bytes JpegWithTiff(const Bytes& tiff) { return Cat({Soi(), Segment(0xE1, ExifPayload(tiff)), Eoi()}); }

TEST(JpegOrientation, ReadsEveryOrientationInBothByteOrders) {
    for (int o = 1; o <= 8; ++o) {
        EXPECT_EQ(OrientationOf(JpegWithTiff(ExifTiff(o, false))), o) << "II " << o;
        EXPECT_EQ(OrientationOf(JpegWithTiff(ExifTiff(o, true))), o) << "MM " << o;
        EXPECT_EQ(OrientationOf(MakeJpegWithOrientation(8, 8, o)), o) << "real file " << o;
    }
}

TEST(JpegOrientation, SwapsAxesForQuarterTurnsOnly) {
    const bool swaps[] = {false, false, false, false, false, true, true, true, true, false};
    for (int o = 0; o <= 9; ++o) EXPECT_EQ(tk::OrientationSwapsAxes(o), swaps[o]) << o;
}

Bytes ManySegmentsThenExif(int count) {
    Bytes b = Soi();
    const Bytes empty = Segment(0xE0, {});
    for (int i = 0; i < count; ++i) b.insert(b.end(), empty.begin(), empty.end());
    return Cat({b, Segment(0xE1, ExifPayload(ExifTiff(6)))});
}

const Bytes kGood = JpegWithTiff(ExifTiff(6));

TEST(JpegOrientation, DamagedInputIsAnsweredWithoutReadingOutside) {
    const auto exif = [](int orientation) { return Segment(0xE1, ExifPayload(ExifTiff(orientation))); };
    const auto tiff = [](std::uint16_t magic, std::uint32_t ifdOffset, std::uint16_t count, std::uint16_t tag,
                         std::uint16_t type, std::uint32_t value) {
        return JpegWithTiff(Tiff(magic, ifdOffset, count, tag, type, 1, value));
    };
    const struct {
        const char* name;
        Bytes bytes;
        int expected;
    } cases[] = {
        {"Empty", {}, 1},
        {"SoiOnly", Soi(), 1},
        {"NotAJpeg", {0x89, 'P', 'N', 'G', 0, 0}, 1},
        {"PlainJpegWithoutExif", MakeJpeg(4, 4), 1},
        {"ExifAfterOtherApp1", Cat({Soi(), Segment(0xE1, {'h', 't', 't', 'p', ':', '/', '/'}), exif(3)}), 3},
        {"FillBytesBeforeMarker", Cat({Soi(), {0xFF, 0xFF, 0xFF}, exif(5)}), 5},
        {"StandaloneMarkerBeforeExif", Cat({Soi(), {0xFF, 0xD0}, exif(7)}), 7},
        {"ImageDataBeforeExif", Cat({Soi(), Segment(0xDA, {0, 0}), exif(6)}), 1},
        {"GarbageWhereMarkerBelongs", Cat({Soi(), {0x12, 0x34}, exif(6)}), 1},
        {"SegmentLengthZero", Cat({Soi(), {0xFF, 0xE0, 0x00, 0x00}, exif(6)}), 1},
        {"SegmentLengthOne", Cat({Soi(), {0xFF, 0xE0, 0x00, 0x01}}), 1},
        {"SegmentLongerThanFile", Cat({Soi(), {0xFF, 0xE1, 0x40, 0x00, 'E', 'x', 'i', 'f', 0, 0}}), 1},
        {"LengthBytesCutOff", Cat({Soi(), {0xFF, 0xE1, 0x00}}), 1},
        {"ExifHeaderWithoutTiff", Cat({Soi(), Segment(0xE1, {'E', 'x', 'i', 'f', 0, 0})}), 1},
        {"ExifWithoutZeroes", Cat({Soi(), Segment(0xE1, {'E', 'x', 'i', 'f', 'I', 'I', 42, 0})}), 1},
        {"UnknownByteOrder", JpegWithTiff(WithByteOrderMark('I', 'M', ExifTiff(6))), 1},
        {"ByteOrderMarkWrong", JpegWithTiff(WithByteOrderMark('M', 'M', ExifTiff(6))), 1},
        {"WrongMagic", tiff(43, 8, 1, 0x0112, 3, 6), 1},
        {"IfdOffsetOutside", tiff(42, 4000, 1, 0x0112, 3, 6), 1},
        {"IfdOffsetHuge", tiff(42, 0xFFFFFFF0u, 1, 0x0112, 3, 6), 1},
        {"IfdOffsetAtLastByte", tiff(42, 25, 1, 0x0112, 3, 6), 1},
        {"HugeEntryCountIsCutToWhatIsThere", tiff(42, 8, 0xFFFF, 0x0112, 3, 6), 6},
        {"HugeEntryCountOtherTag", tiff(42, 8, 0xFFFF, 0x0110, 3, 6), 1},
        {"ZeroEntries", tiff(42, 8, 0, 0x0112, 3, 6), 1},
        {"LongType", tiff(42, 8, 1, 0x0112, 4, 8), 8},
        {"AsciiType", tiff(42, 8, 1, 0x0112, 2, 6), 1},
        {"TwoValues", JpegWithTiff(Tiff(42, 8, 1, 0x0112, 3, 2, 6)), 1},
        {"ValueZero", tiff(42, 8, 1, 0x0112, 3, 0), 1},
        {"ValueNine", tiff(42, 8, 1, 0x0112, 3, 9), 1},
        {"ValueHuge", tiff(42, 8, 1, 0x0112, 4, 0xFFFFFFFFu), 1},
        {"FewSegmentsBeforeExif", ManySegmentsThenExif(20), 6},
        {"EndlessRunOfSegmentsIsCut", ManySegmentsThenExif(100000), 1},
        {"EndOfImageFirst", Cat({Soi(), Eoi(), exif(6)}), 1},
        {"AllFillBytes", Cat({Soi(), Bytes(5000, 0xFF)}), 1},
    };
    for (const auto& c : cases) EXPECT_EQ(OrientationOf(c.bytes), c.expected) << c.name;
    EXPECT_EQ(tk::JpegOrientation(nullptr, 100), 1) << "null data is upright";
}

TEST(JpegOrientation, EveryCutOfAGoodFileIsReadSafely) {
    // Cut inside the Exif block the answer must be 1; only the whole block gives 6.
    const std::size_t wholeSegment = kGood.size() - 2;
    for (std::size_t n = 0; n < kGood.size(); ++n) {
        const Bytes cut(kGood.begin(), kGood.begin() + static_cast<std::ptrdiff_t>(n));
        EXPECT_EQ(OrientationOf(cut), n >= wholeSegment ? 6 : 1) << "cut at " << n;
    }
}

TEST(JpegOrientationOfFile, ReadsTheHeadOfTheFileOnly) {
    ScratchFolder folder;
    EXPECT_EQ(tk::JpegOrientationOfFile(folder.write("turned.jpg", MakeJpegWithOrientation(6, 4, 8))), 8);
    EXPECT_EQ(tk::JpegOrientationOfFile((folder.path() / "missing.jpg").string()), 1);
    EXPECT_EQ(tk::JpegOrientationOfFile(folder.write("empty.jpg", {})), 1);
    EXPECT_EQ(tk::JpegOrientationOfFile(folder.path().string()), 1) << "a folder is no file";

    // Metadata segments filling the first 256 KiB push the Exif block out of reach.
    Bytes far = Soi();
    for (int i = 0; i < 5; ++i) {
        const Bytes filler = Segment(0xE2, Bytes(60000, 0x55));
        far.insert(far.end(), filler.begin(), filler.end());
    }
    const Bytes nearer = Cat({Soi(), Segment(0xE2, Bytes(60000, 0x55)), Segment(0xE1, ExifPayload(ExifTiff(6)))});
    far = Cat({far, Segment(0xE1, ExifPayload(ExifTiff(6))), Eoi()});
    EXPECT_EQ(tk::JpegOrientationOfFile(folder.write("far.jpg", far)), 1);
    EXPECT_EQ(tk::JpegOrientationOfFile(folder.write("near.jpg", nearer)), 6);
}

} // namespace
} // namespace qs::test
