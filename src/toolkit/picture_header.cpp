// Format sniffing and structure checks of picture files (see picture_header.h).
#include "toolkit/picture_header.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace qs::tk {

std::size_t MemoryBytes::read(std::uint64_t offset, void* buffer, std::size_t n) {
    if (offset >= size_) return 0;
    std::size_t count = static_cast<std::size_t>(std::min<std::uint64_t>(n, size_ - offset));
    std::memcpy(buffer, data_ + offset, count);
    return count;
}

namespace {

// Sequential reading with a buffer, for the byte-by-byte walk through JPEG scans.
class Cursor {
public:
    explicit Cursor(ByteSource& src, std::uint64_t start = 0) : src_(src), pos_(start) {}
    bool byte(std::uint8_t& b) {
        if (at_ >= filled_ && !refill()) return false;
        b = buf_[at_++];
        ++pos_;
        return true;
    }
    bool bytes(void* out, std::size_t n) {
        auto* o = static_cast<std::uint8_t*>(out);
        for (std::size_t i = 0; i < n; ++i)
            if (!byte(o[i])) return false;
        return true;
    }
    bool skip(std::uint64_t n) {
        std::uint64_t inBuffer = filled_ - at_;
        if (n <= inBuffer) {
            at_ += static_cast<std::size_t>(n);
            pos_ += n;
            return true;
        }
        pos_ += n;
        at_ = filled_ = 0;
        return pos_ <= src_.size();
    }
    // Advances to just after the next 0xFF byte.
    bool toNextFF() {
        for (;;) {
            if (at_ >= filled_ && !refill()) return false;
            const void* hit = std::memchr(buf_.data() + at_, 0xFF, filled_ - at_);
            if (hit) {
                std::size_t idx = static_cast<std::size_t>(static_cast<const std::uint8_t*>(hit) - buf_.data());
                pos_ += idx + 1 - at_;
                at_ = idx + 1;
                return true;
            }
            pos_ += filled_ - at_;
            at_ = filled_;
        }
    }
    bool u16be(std::uint32_t& v) {
        std::uint8_t b[2];
        if (!bytes(b, 2)) return false;
        v = (b[0] << 8) | b[1];
        return true;
    }

private:
    bool refill() {
        filled_ = src_.read(pos_, buf_.data(), buf_.size());
        at_ = 0;
        return filled_ > 0;
    }
    ByteSource& src_;
    std::uint64_t pos_;
    std::array<std::uint8_t, 64 * 1024> buf_{};
    std::size_t at_ = 0;
    std::size_t filled_ = 0;
};

std::uint32_t Be32(const std::uint8_t* p) {
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}
std::uint32_t Le32(const std::uint8_t* p) {
    return (std::uint32_t(p[3]) << 24) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[1]) << 8) | p[0];
}
std::uint32_t Le16(const std::uint8_t* p) { return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8); }

bool IsStartOfFrame(std::uint8_t m) { return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC; }

std::optional<PictureHeader> ReadJpeg(ByteSource& src) {
    Cursor c(src, 2);
    PictureHeader h{PictureFormat::Jpeg, 0, 0};
    bool haveFrame = false;
    bool haveScan = false;
    int pending = -1; // a marker the entropy scan ran into, read but not yet handled
    for (;;) {
        std::uint8_t marker = 0;
        if (pending >= 0) {
            marker = static_cast<std::uint8_t>(pending);
            pending = -1;
        } else {
            // A marker: 0xFF, any fill bytes 0xFF, then the code.
            std::uint8_t b = 0;
            if (!c.byte(b) || b != 0xFF) return std::nullopt;
            do {
                if (!c.byte(marker)) return std::nullopt;
            } while (marker == 0xFF);
        }
        if (marker == 0xD9) break; // end of image
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;
        if (marker == 0xD8 || marker == 0x00) return std::nullopt;
        std::uint32_t length = 0;
        if (!c.u16be(length) || length < 2) return std::nullopt;
        if (IsStartOfFrame(marker)) {
            std::uint8_t f[5];
            if (haveFrame || length < 7 || !c.bytes(f, 5)) return std::nullopt;
            h.height = (f[1] << 8) | f[2];
            h.width = (f[3] << 8) | f[4];
            haveFrame = true;
            if (!c.skip(length - 7)) return std::nullopt;
            continue;
        }
        if (!c.skip(length - 2)) return std::nullopt;
        if (marker != 0xDA) continue;
        if (!haveFrame) return std::nullopt;
        haveScan = true;
        // Entropy-coded data: 0xFF is followed by a stuffed 0x00 or a restart marker;
        // anything else is the next marker.
        while (pending < 0) {
            if (!c.toNextFF()) return std::nullopt;
            std::uint8_t next = 0;
            do {
                if (!c.byte(next)) return std::nullopt;
            } while (next == 0xFF);
            if (next != 0x00 && !(next >= 0xD0 && next <= 0xD7)) pending = next;
        }
    }
    return haveScan && h.width && h.height ? std::optional(h) : std::nullopt;
}

std::optional<PictureHeader> ReadPng(ByteSource& src) {
    std::uint8_t ihdr[16];
    if (src.read(8, ihdr, 16) != 16 || std::memcmp(ihdr + 4, "IHDR", 4) != 0) return std::nullopt;
    PictureHeader h{PictureFormat::Png, Be32(ihdr + 8), Be32(ihdr + 12)};
    std::uint64_t pos = 8;
    const std::uint64_t size = src.size();
    while (pos + 12 <= size) {
        std::uint8_t head[8];
        if (src.read(pos, head, 8) != 8) return std::nullopt;
        std::uint64_t next = pos + 12 + Be32(head);
        if (next > size) return std::nullopt;
        if (std::memcmp(head + 4, "IEND", 4) == 0) return h;
        pos = next;
    }
    return std::nullopt;
}

bool SkipGifSubBlocks(ByteSource& src, std::uint64_t& pos) {
    for (;;) {
        std::uint8_t n = 0;
        if (src.read(pos, &n, 1) != 1) return false;
        pos += 1 + n;
        if (n == 0) return pos <= src.size();
    }
}

std::optional<PictureHeader> ReadGif(ByteSource& src) {
    std::uint8_t head[13];
    if (src.read(0, head, 13) != 13) return std::nullopt;
    PictureHeader h{PictureFormat::Gif, Le16(head + 6), Le16(head + 8)};
    std::uint64_t pos = 13;
    if (head[10] & 0x80) pos += 3ull << ((head[10] & 7) + 1);
    for (;;) {
        std::uint8_t kind = 0;
        if (src.read(pos, &kind, 1) != 1) return std::nullopt;
        ++pos;
        if (kind == 0x21) {
            ++pos; // label
            if (!SkipGifSubBlocks(src, pos)) return std::nullopt;
        } else if (kind == 0x2C) {
            std::uint8_t desc[9];
            if (src.read(pos, desc, 9) != 9) return std::nullopt;
            pos += 9;
            // The picture's size is the larger of the screen and the image it holds.
            h.width = std::max(h.width, Le16(desc + 0) + Le16(desc + 4));
            h.height = std::max(h.height, Le16(desc + 2) + Le16(desc + 6));
            if (desc[8] & 0x80) pos += 3ull << ((desc[8] & 7) + 1);
            ++pos; // LZW minimum code size
            if (!SkipGifSubBlocks(src, pos)) return std::nullopt;
            return h; // the first image is complete: what is shown of a GIF
        } else {
            return std::nullopt;
        }
    }
}

std::optional<PictureHeader> ReadBmp(ByteSource& src) {
    std::uint8_t head[54] = {};
    std::size_t got = src.read(0, head, sizeof head);
    if (got < 26) return std::nullopt;
    const std::uint32_t offBits = Le32(head + 10);
    const std::uint32_t infoSize = Le32(head + 14);
    PictureHeader h{PictureFormat::Bmp, 0, 0};
    std::uint32_t bpp = 0, compression = 0;
    if (infoSize == 12) {
        h.width = Le16(head + 18);
        h.height = Le16(head + 20);
        bpp = Le16(head + 24);
    } else if (infoSize >= 40 && got >= 54) {
        auto w = static_cast<std::int32_t>(Le32(head + 18));
        auto hh = static_cast<std::int32_t>(Le32(head + 22));
        if (w <= 0 || hh == 0 || hh == INT32_MIN) return std::nullopt;
        h.width = static_cast<std::uint32_t>(w);
        h.height = static_cast<std::uint32_t>(hh < 0 ? -hh : hh);
        bpp = Le16(head + 28);
        compression = Le32(head + 30);
    } else {
        return std::nullopt;
    }
    if (compression == 0 || compression == 3) { // BI_RGB, BI_BITFIELDS: the pixel array has a known size
        const std::uint64_t stride = ((std::uint64_t(h.width) * bpp + 31) / 32) * 4;
        if (bpp == 0 || std::uint64_t(offBits) + stride * h.height > src.size()) return std::nullopt;
    }
    return h;
}

std::optional<PictureHeader> ReadTiff(ByteSource& src) {
    std::uint8_t head[8];
    if (src.read(0, head, 8) != 8) return std::nullopt;
    const bool little = head[0] == 'I';
    auto u16 = [&](const std::uint8_t* p) { return little ? Le16(p) : (std::uint32_t(p[0]) << 8 | p[1]); };
    auto u32 = [&](const std::uint8_t* p) { return little ? Le32(p) : Be32(p); };
    std::uint64_t ifd = u32(head + 4);
    std::uint8_t countBytes[2];
    if (src.read(ifd, countBytes, 2) != 2) return std::nullopt;
    const std::uint32_t count = u16(countBytes);
    PictureHeader h{PictureFormat::Tiff, 0, 0};
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint8_t e[12];
        if (src.read(ifd + 2 + 12ull * i, e, 12) != 12) return std::nullopt;
        const std::uint32_t tag = u16(e), type = u16(e + 2);
        const std::uint32_t value = type == 3 ? u16(e + 8) : u32(e + 8);
        if (tag == 256) h.width = value;
        if (tag == 257) h.height = value;
    }
    return h;
}

} // namespace

std::optional<PictureFormat> PictureSignature(const void* start, std::size_t size) {
    const auto starts = [&](const char* signature, std::size_t length) {
        return size >= length && std::memcmp(start, signature, length) == 0;
    };
    if (starts("\xFF\xD8", 2)) return PictureFormat::Jpeg;
    if (starts("\x89PNG\r\n\x1a\n", 8)) return PictureFormat::Png;
    if (starts("GIF87a", 6) || starts("GIF89a", 6)) return PictureFormat::Gif;
    if (starts("BM", 2)) return PictureFormat::Bmp;
    if (starts("II*\0", 4) || starts("MM\0*", 4)) return PictureFormat::Tiff;
    return std::nullopt;
}

std::optional<PictureHeader> ReadPictureHeader(ByteSource& bytes) {
    std::uint8_t magic[8] = {};
    const std::size_t got = bytes.read(0, magic, sizeof magic);
    const std::optional<PictureFormat> format = PictureSignature(magic, got);
    if (got < 4 || !format) return std::nullopt;
    std::optional<PictureHeader> h;
    switch (*format) {
    case PictureFormat::Jpeg: h = ReadJpeg(bytes); break;
    case PictureFormat::Png: h = ReadPng(bytes); break;
    case PictureFormat::Gif: h = ReadGif(bytes); break;
    case PictureFormat::Bmp: h = ReadBmp(bytes); break;
    case PictureFormat::Tiff: h = ReadTiff(bytes); break;
    case PictureFormat::Other: break;
    }
    if (!h || h->width == 0 || h->height == 0) return std::nullopt;
    if (h->width > kMaxPictureSide || h->height > kMaxPictureSide) return std::nullopt;
    if (std::uint64_t(h->width) * h->height > kMaxPicturePixels) return std::nullopt;
    return h;
}

} // namespace qs::tk
