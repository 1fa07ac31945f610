#include "toolkit/exif_date.h"

#include <vector>

#include "toolkit/exif_reader.h"

namespace qs::tk {

namespace {

constexpr std::uint16_t kExifDirectoryTag = 0x8769;
constexpr std::uint16_t kDateTimeOriginalTag = 0x9003;
constexpr std::size_t kDateLength = 19; // "YYYY:MM:DD HH:MM:SS"

int DaysIn(int month, int year) {
    constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// The number of `digits` digits at `at`, or -1.
int Number(const ExifBytes& bytes, std::size_t at, int digits) {
    int value = 0;
    for (int i = 0; i < digits; ++i) {
        const std::uint8_t c = bytes.u8(at + static_cast<std::size_t>(i));
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<TakenTime> ParseDate(const ExifBytes& bytes, std::size_t at) {
    // The separators, then each field at its place.
    for (const std::size_t colon : {4u, 7u, 13u, 16u})
        if (bytes.u8(at + colon) != ':') return std::nullopt;
    if (bytes.u8(at + 10) != ' ') return std::nullopt;
    const TakenTime t{Number(bytes, at, 4),      Number(bytes, at + 5, 2),  Number(bytes, at + 8, 2),
                      Number(bytes, at + 11, 2), Number(bytes, at + 14, 2), Number(bytes, at + 17, 2)};
    const bool valid = t.year >= 1 && t.month >= 1 && t.month <= 12 && t.day >= 1 &&
                       t.day <= DaysIn(t.month, t.year) && t.hour >= 0 && t.hour <= 23 && t.minute >= 0 &&
                       t.minute <= 59 && t.second >= 0 && t.second <= 59;
    if (!valid) return std::nullopt;
    return t;
}

} // namespace

std::optional<TakenTime> ExifDateTaken(const std::uint8_t* data, std::size_t size) {
    std::optional<TiffBlock> tiff = JpegExifBlock(data, size);
    if (!tiff) tiff = TiffBlock::Open(data, size);
    if (!tiff) return std::nullopt;
    const std::optional<IfdEntry> exif = tiff->find(tiff->firstDirectory(), kExifDirectoryTag);
    if (!exif || exif->count != 1 || (exif->type != kExifTypeLong && exif->type != kExifTypeShort))
        return std::nullopt;
    const std::uint32_t directory =
        exif->type == kExifTypeLong ? tiff->bytes().u32(exif->field) : tiff->bytes().u16(exif->field);
    const std::optional<IfdEntry> date = tiff->find(directory, kDateTimeOriginalTag);
    // Longer than four bytes, the text lies at the offset its field holds.
    if (!date || date->type != kExifTypeAscii || date->count < kDateLength) return std::nullopt;
    const std::uint32_t at = tiff->bytes().u32(date->field);
    if (!tiff->bytes().has(at, kDateLength)) return std::nullopt;
    return ParseDate(tiff->bytes(), at);
}

std::optional<TakenTime> ExifDateTakenOf(ByteSource& bytes) {
    const std::vector<std::uint8_t> head = FileHead(bytes);
    return ExifDateTaken(head.data(), head.size());
}

} // namespace qs::tk
