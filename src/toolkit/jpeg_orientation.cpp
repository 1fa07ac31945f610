#include "toolkit/jpeg_orientation.h"

#include <algorithm>
#include <vector>

namespace qs::tk {

namespace {

constexpr int kUpright = 1;
constexpr std::size_t kFileHeadLimit = 256 * 1024;
// Real files carry a handful of segments before the image data; a long run of them
// is a malformed or hostile file.
constexpr int kMaxSegments = 256;
constexpr std::uint16_t kOrientationTag = 0x0112;
constexpr std::uint16_t kTypeShort = 3;
constexpr std::uint16_t kTypeLong = 4;

// A bounded view of bytes in one byte order.
class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size, bool bigEndian) : data_(data), size_(size), big_(bigEndian) {}
    bool has(std::size_t offset, std::size_t count) const { return offset <= size_ && count <= size_ - offset; }
    std::uint16_t u16(std::size_t at) const {
        const unsigned a = data_[at], b = data_[at + 1];
        return static_cast<std::uint16_t>(big_ ? (a << 8) | b : (b << 8) | a);
    }
    std::uint32_t u32(std::size_t at) const {
        const std::uint32_t hi = u16(big_ ? at : at + 2), lo = u16(big_ ? at + 2 : at);
        return (hi << 16) | lo;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    bool big_;
};

// The orientation in a TIFF block ("II*\0" or "MM\0*", then the offset of IFD0).
int OrientationInTiff(const std::uint8_t* tiff, std::size_t size) {
    if (size < 8) return kUpright;
    bool big = false;
    if (tiff[0] == 'I' && tiff[1] == 'I')
        big = false;
    else if (tiff[0] == 'M' && tiff[1] == 'M')
        big = true;
    else
        return kUpright;
    const Bytes bytes(tiff, size, big);
    if (bytes.u16(2) != 42) return kUpright;
    const std::uint32_t ifd = bytes.u32(4);
    if (!bytes.has(ifd, 2)) return kUpright;
    const std::size_t declared = bytes.u16(ifd);
    // A count larger than the block can hold is cut to the entries that are there.
    const std::size_t room = (size - ifd - 2) / 12;
    const std::size_t entries = declared < room ? declared : room;
    for (std::size_t i = 0; i < entries; ++i) {
        const std::size_t entry = ifd + 2 + i * 12;
        if (bytes.u16(entry) != kOrientationTag) continue;
        const std::uint16_t type = bytes.u16(entry + 2);
        if (bytes.u32(entry + 4) != 1) return kUpright;
        std::uint32_t value = 0;
        if (type == kTypeShort)
            value = bytes.u16(entry + 8);
        else if (type == kTypeLong)
            value = bytes.u32(entry + 8);
        else
            return kUpright;
        return value >= 1 && value <= 8 ? static_cast<int>(value) : kUpright;
    }
    return kUpright;
}

bool IsExifPayload(const std::uint8_t* p, std::size_t size) {
    static const std::uint8_t kExif[6] = {'E', 'x', 'i', 'f', 0, 0};
    if (size < sizeof kExif) return false;
    for (std::size_t i = 0; i < sizeof kExif; ++i)
        if (p[i] != kExif[i]) return false;
    return true;
}

} // namespace

int JpegOrientation(const std::uint8_t* data, std::size_t size) {
    if (!data || size < 4 || data[0] != 0xFF || data[1] != 0xD8) return kUpright;
    const Bytes bytes(data, size, true);
    std::size_t at = 2;
    for (int segment = 0; segment < kMaxSegments; ++segment) {
        // Markers may be preceded by any number of 0xFF fill bytes.
        if (!bytes.has(at, 2) || data[at] != 0xFF) return kUpright;
        while (bytes.has(at, 2) && data[at + 1] == 0xFF) ++at;
        if (!bytes.has(at, 2)) return kUpright;
        const std::uint8_t marker = data[at + 1];
        at += 2;
        // Markers that stand alone, without a length.
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) continue;
        // The image data begins (or ends) here: the metadata segments are all behind us.
        if (marker == 0xDA || marker == 0xD9) return kUpright;
        if (!bytes.has(at, 2)) return kUpright;
        const std::size_t length = bytes.u16(at);
        if (length < 2 || !bytes.has(at, length)) return kUpright;
        if (marker == 0xE1 && IsExifPayload(data + at + 2, length - 2)) {
            return OrientationInTiff(data + at + 8, length - 8);
        }
        at += length;
    }
    return kUpright;
}

int JpegOrientationOf(ByteSource& bytes) {
    std::vector<std::uint8_t> head(static_cast<std::size_t>(std::min<std::uint64_t>(bytes.size(), kFileHeadLimit)));
    return JpegOrientation(head.data(), bytes.read(0, head.data(), head.size()));
}

} // namespace qs::tk
