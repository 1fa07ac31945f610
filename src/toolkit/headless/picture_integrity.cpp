#include "toolkit/headless/picture_integrity.h"

#include <cstring>

namespace qs::tk::headless {

namespace {

constexpr int kMaxJpegSegments = 1024;

std::uint32_t Be32(const std::uint8_t* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}
std::uint16_t Le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t Le32(const std::uint8_t* p) { return std::uint32_t{Le16(p)} | (std::uint32_t{Le16(p + 2)} << 16); }

bool JpegComplete(const std::uint8_t* d, std::size_t size) {
    std::size_t at = 2;
    for (int segment = 0; segment < kMaxJpegSegments; ++segment) {
        while (at + 1 < size && d[at] == 0xFF && d[at + 1] == 0xFF) ++at;
        if (at + 4 > size || d[at] != 0xFF) return false;
        const std::uint8_t marker = d[at + 1];
        if (marker == 0xD9) return false; // an end before any image data
        const std::size_t length = (std::size_t{d[at + 2]} << 8) | d[at + 3];
        if (length < 2 || length > size - at - 2) return false;
        at += 2 + length;
        if (marker != 0xDA) continue;
        // Entropy-coded data escapes 0xFF, so the end marker cannot occur inside it.
        for (std::size_t i = at; i + 1 < size; ++i)
            if (d[i] == 0xFF && d[i + 1] == 0xD9) return true;
        return false;
    }
    return false;
}

bool PngComplete(const std::uint8_t* d, std::size_t size) {
    std::size_t at = 8;
    while (size - at >= 12) {
        const std::size_t length = Be32(d + at);
        if (length > size - at - 12) return false;
        if (std::memcmp(d + at + 4, "IEND", 4) == 0) return true;
        at += 12 + length;
    }
    return false;
}

// Skips a run of GIF data sub-blocks; false when the file ends inside it.
bool SkipGifSubBlocks(const std::uint8_t* d, std::size_t size, std::size_t& at) {
    while (at < size) {
        const std::size_t n = d[at++];
        if (n == 0) return true;
        if (n > size - at) return false;
        at += n;
    }
    return false;
}

std::size_t GifColorTableBytes(std::uint8_t flags) {
    return (flags & 0x80) ? 3u * (std::size_t{2} << (flags & 7)) : 0;
}

bool GifComplete(const std::uint8_t* d, std::size_t size) {
    if (size < 13) return false;
    std::size_t at = 13 + GifColorTableBytes(d[10]);
    while (at < size) {
        const std::uint8_t block = d[at++];
        if (block == 0x21) { // extension: label, then sub-blocks
            if (at >= size) return false;
            ++at;
            if (!SkipGifSubBlocks(d, size, at)) return false;
        } else if (block == 0x2C) { // image: descriptor, local colours, code size, data
            if (size - at < 9) return false;
            const std::uint8_t flags = d[at + 8];
            at += 9;
            const std::size_t table = GifColorTableBytes(flags);
            if (size - at < table + 1) return false;
            at += table + 1;
            return SkipGifSubBlocks(d, size, at);
        } else {
            return false; // the trailer before any image, or garbage
        }
    }
    return false;
}

bool BmpComplete(const std::uint8_t* d, std::size_t size) {
    if (size < 26) return false;
    const std::uint64_t pixelsAt = Le32(d + 10);
    const std::uint32_t header = Le32(d + 14);
    std::int64_t width = 0, height = 0;
    std::uint32_t bits = 0, compression = 0, imageBytes = 0;
    if (header == 12) {
        width = Le16(d + 18);
        height = Le16(d + 20);
        bits = Le16(d + 24);
    } else if (header >= 40 && size >= 38) {
        width = static_cast<std::int32_t>(Le32(d + 18));
        height = static_cast<std::int32_t>(Le32(d + 22));
        bits = Le16(d + 28);
        compression = Le32(d + 30);
        imageBytes = Le32(d + 34);
    } else {
        return false;
    }
    if (width <= 0 || height == 0 || bits == 0 || bits > 32 || pixelsAt >= size) return false;
    if (height < 0) height = -height;
    switch (compression) {
    case 0: // uncompressed
    case 3: // bit fields
    case 6: { // alpha bit fields
        const std::uint64_t row = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
        return row * static_cast<std::uint64_t>(height) <= size - pixelsAt;
    }
    case 1: // run-length encoded: the declared image size, when there is one
    case 2: return imageBytes == 0 || imageBytes <= size - pixelsAt;
    default: return false;
    }
}

} // namespace

PictureFormat SniffPictureFormat(const std::uint8_t* data, std::size_t size) {
    if (!data) return PictureFormat::Unknown;
    if (size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF) return PictureFormat::Jpeg;
    static const std::uint8_t kPng[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (size >= 8 && std::memcmp(data, kPng, 8) == 0) return PictureFormat::Png;
    if (size >= 6 && (std::memcmp(data, "GIF87a", 6) == 0 || std::memcmp(data, "GIF89a", 6) == 0))
        return PictureFormat::Gif;
    if (size >= 2 && data[0] == 'B' && data[1] == 'M') return PictureFormat::Bmp;
    return PictureFormat::Unknown;
}

bool PictureLooksComplete(PictureFormat format, const std::uint8_t* data, std::size_t size) {
    if (!data) return false;
    switch (format) {
    case PictureFormat::Jpeg: return JpegComplete(data, size);
    case PictureFormat::Png: return size >= 8 && PngComplete(data, size);
    case PictureFormat::Gif: return GifComplete(data, size);
    case PictureFormat::Bmp: return BmpComplete(data, size);
    default: return false;
    }
}

} // namespace qs::tk::headless
