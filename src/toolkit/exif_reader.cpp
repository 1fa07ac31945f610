#include "toolkit/exif_reader.h"

#include <algorithm>

namespace qs::tk {

namespace {

constexpr std::size_t kFileHeadLimit = 256 * 1024;
// Real files carry a handful of segments before the image data; a long run of them is a
// malformed or hostile file.
constexpr int kMaxSegments = 256;
constexpr std::size_t kEntrySize = 12;

bool IsExifPayload(const std::uint8_t* p, std::size_t size) {
    static const std::uint8_t kExif[6] = {'E', 'x', 'i', 'f', 0, 0};
    return size >= sizeof kExif && std::equal(kExif, kExif + sizeof kExif, p);
}

} // namespace

std::optional<TiffBlock> TiffBlock::Open(const std::uint8_t* data, std::size_t size) {
    if (!data || size < 8 || data[0] != data[1] || (data[0] != 'I' && data[0] != 'M')) return std::nullopt;
    const ExifBytes bytes(data, size, data[0] == 'M');
    if (bytes.u16(2) != 42) return std::nullopt;
    return TiffBlock(bytes);
}

std::optional<IfdEntry> TiffBlock::find(std::uint32_t offset, std::uint16_t tag) const {
    if (!bytes_.has(offset, 2)) return std::nullopt;
    const std::size_t declared = bytes_.u16(offset);
    std::size_t entries = 0;
    while (entries < declared && bytes_.has(offset + 2 + entries * kEntrySize, kEntrySize)) ++entries;
    for (std::size_t i = 0; i < entries; ++i) {
        const std::size_t entry = offset + 2 + i * kEntrySize;
        if (bytes_.u16(entry) == tag) return IfdEntry{bytes_.u16(entry + 2), bytes_.u32(entry + 4), entry + 8};
    }
    return std::nullopt;
}

std::optional<TiffBlock> JpegExifBlock(const std::uint8_t* data, std::size_t size) {
    if (!data || size < 4 || data[0] != 0xFF || data[1] != 0xD8) return std::nullopt;
    const ExifBytes bytes(data, size, true);
    std::size_t at = 2;
    for (int segment = 0; segment < kMaxSegments; ++segment) {
        // Markers may be preceded by any number of 0xFF fill bytes.
        if (!bytes.has(at, 2) || data[at] != 0xFF) return std::nullopt;
        while (bytes.has(at, 2) && data[at + 1] == 0xFF) ++at;
        if (!bytes.has(at, 2)) return std::nullopt;
        const std::uint8_t marker = data[at + 1];
        at += 2;
        // Markers that stand alone, without a length.
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) continue;
        // The image data begins (or ends) here: the metadata segments are all behind us.
        if (marker == 0xDA || marker == 0xD9) return std::nullopt;
        if (!bytes.has(at, 2)) return std::nullopt;
        const std::size_t length = bytes.u16(at);
        if (length < 2 || !bytes.has(at, length)) return std::nullopt;
        if (marker == 0xE1 && IsExifPayload(data + at + 2, length - 2)) return TiffBlock::Open(data + at + 8, length - 8);
        at += length;
    }
    return std::nullopt;
}

std::vector<std::uint8_t> FileHead(ByteSource& bytes) {
    std::vector<std::uint8_t> head(static_cast<std::size_t>(std::min<std::uint64_t>(bytes.size(), kFileHeadLimit)));
    head.resize(bytes.read(0, head.data(), head.size()));
    return head;
}

} // namespace qs::tk
