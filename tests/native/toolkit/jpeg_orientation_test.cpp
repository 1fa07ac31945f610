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
    Bytes s{0xFF, marker, static_cast<std::uint8_t>(length >> 8), static_cast<std::uint8_t>(length & 0xFF)};
    s.insert(s.end(), payload.begin(), payload.end());
    return s;
}

Bytes ExifPayload(const Bytes& tiff) {
    Bytes p{'E', 'x', 'i', 'f', 0, 0};
    p.insert(p.end(), tiff.begin(), tiff.end());
    return p;
}

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
    put16(magic);
    put32(ifdOffset);
    put16(count);
    put16(tag);
    put16(type);
    put32(valueCount);
    put32(value);
    put32(0);
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

struct Damaged {
    const char* name;
    Bytes bytes;
    int expected;
};

class JpegOrientationDamage : public ::testing::TestWithParam<Damaged> {};

TEST_P(JpegOrientationDamage, AnswersWithoutReadingOutside) { EXPECT_EQ(OrientationOf(GetParam().bytes), GetParam().expected); }

Bytes ManySegmentsThenExif(int count) {
    Bytes b = Soi();
    for (int i = 0; i < count; ++i) {
        const Bytes empty = Segment(0xE0, {});
        b.insert(b.end(), empty.begin(), empty.end());
    }
    const Bytes exif = Segment(0xE1, ExifPayload(ExifTiff(6)));
    b.insert(b.end(), exif.begin(), exif.end());
    return b;
}

const Bytes kGood = JpegWithTiff(ExifTiff(6));

INSTANTIATE_TEST_SUITE_P(
    Input, JpegOrientationDamage,
    ::testing::Values(
        Damaged{"Empty", {}, 1}, Damaged{"SoiOnly", Soi(), 1}, Damaged{"NotAJpeg", {0x89, 'P', 'N', 'G', 0, 0}, 1},
        Damaged{"PlainJpegWithoutExif", MakeJpeg(4, 4), 1},
        Damaged{"ExifAfterOtherApp1",
                Cat({Soi(), Segment(0xE1, {'h', 't', 't', 'p', ':', '/', '/'}), Segment(0xE1, ExifPayload(ExifTiff(3)))}),
                3},
        Damaged{"FillBytesBeforeMarker", Cat({Soi(), {0xFF, 0xFF, 0xFF}, Segment(0xE1, ExifPayload(ExifTiff(5)))}), 5},
        Damaged{"StandaloneMarkerBeforeExif", Cat({Soi(), {0xFF, 0xD0}, Segment(0xE1, ExifPayload(ExifTiff(7)))}), 7},
        Damaged{"ImageDataBeforeExif", Cat({Soi(), Segment(0xDA, {0, 0}), Segment(0xE1, ExifPayload(ExifTiff(6)))}), 1},
        Damaged{"GarbageWhereMarkerBelongs", Cat({Soi(), {0x12, 0x34}, Segment(0xE1, ExifPayload(ExifTiff(6)))}), 1},
        Damaged{"SegmentLengthZero", Cat({Soi(), {0xFF, 0xE0, 0x00, 0x00}, Segment(0xE1, ExifPayload(ExifTiff(6)))}),
                1},
        Damaged{"SegmentLengthOne", Cat({Soi(), {0xFF, 0xE0, 0x00, 0x01}}), 1},
        Damaged{"SegmentLongerThanFile", Cat({Soi(), {0xFF, 0xE1, 0x40, 0x00, 'E', 'x', 'i', 'f', 0, 0}}), 1},
        Damaged{"LengthBytesCutOff", Cat({Soi(), {0xFF, 0xE1, 0x00}}), 1},
        Damaged{"ExifHeaderWithoutTiff", Cat({Soi(), Segment(0xE1, {'E', 'x', 'i', 'f', 0, 0})}), 1},
        Damaged{"ExifWithoutZeroes", Cat({Soi(), Segment(0xE1, {'E', 'x', 'i', 'f', 'I', 'I', 42, 0})}), 1},
        Damaged{"UnknownByteOrder", JpegWithTiff(WithByteOrderMark('I', 'M', ExifTiff(6))),
                1},
        Damaged{"ByteOrderMarkWrong", JpegWithTiff(WithByteOrderMark('M', 'M', ExifTiff(6))),
                1},
        Damaged{"WrongMagic", JpegWithTiff(Tiff(43, 8, 1, 0x0112, 3, 1, 6)), 1},
        Damaged{"IfdOffsetOutside", JpegWithTiff(Tiff(42, 4000, 1, 0x0112, 3, 1, 6)), 1},
        Damaged{"IfdOffsetHuge", JpegWithTiff(Tiff(42, 0xFFFFFFF0u, 1, 0x0112, 3, 1, 6)), 1},
        Damaged{"IfdOffsetAtLastByte", JpegWithTiff(Tiff(42, 25, 1, 0x0112, 3, 1, 6)), 1},
        Damaged{"HugeEntryCountIsCutToWhatIsThere", JpegWithTiff(Tiff(42, 8, 0xFFFF, 0x0112, 3, 1, 6)), 6},
        Damaged{"HugeEntryCountOtherTag", JpegWithTiff(Tiff(42, 8, 0xFFFF, 0x0110, 3, 1, 6)), 1},
        Damaged{"ZeroEntries", JpegWithTiff(Tiff(42, 8, 0, 0x0112, 3, 1, 6)), 1},
        Damaged{"LongType", JpegWithTiff(Tiff(42, 8, 1, 0x0112, 4, 1, 8)), 8},
        Damaged{"AsciiType", JpegWithTiff(Tiff(42, 8, 1, 0x0112, 2, 1, 6)), 1},
        Damaged{"TwoValues", JpegWithTiff(Tiff(42, 8, 1, 0x0112, 3, 2, 6)), 1},
        Damaged{"ValueZero", JpegWithTiff(Tiff(42, 8, 1, 0x0112, 3, 1, 0)), 1},
        Damaged{"ValueNine", JpegWithTiff(Tiff(42, 8, 1, 0x0112, 3, 1, 9)), 1},
        Damaged{"ValueHuge", JpegWithTiff(Tiff(42, 8, 1, 0x0112, 4, 1, 0xFFFFFFFFu)), 1},
        Damaged{"FewSegmentsBeforeExif", ManySegmentsThenExif(20), 6},
        Damaged{"EndlessRunOfSegmentsIsCut", ManySegmentsThenExif(100000), 1},
        Damaged{"EndOfImageFirst", Cat({Soi(), Eoi(), Segment(0xE1, ExifPayload(ExifTiff(6)))}), 1},
        Damaged{"AllFillBytes", Cat({Soi(), Bytes(5000, 0xFF)}), 1}),
    [](const ::testing::TestParamInfo<Damaged>& info) { return std::string(info.param.name); });

TEST(JpegOrientation, EveryCutOfAGoodFileIsReadSafely) {
    // Cut inside the Exif block the answer must be 1; only the whole block gives 6.
    const std::size_t wholeSegment = kGood.size() - 2;
    for (std::size_t n = 0; n < kGood.size(); ++n) {
        const Bytes cut(kGood.begin(), kGood.begin() + static_cast<std::ptrdiff_t>(n));
        EXPECT_EQ(OrientationOf(cut), n >= wholeSegment ? 6 : 1) << "cut at " << n;
    }
}

TEST(JpegOrientation, NullDataIsUpright) { EXPECT_EQ(tk::JpegOrientation(nullptr, 100), 1); }

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
