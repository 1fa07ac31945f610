#include "test_images.h"

#include <algorithm>

namespace qs::test {

namespace {

// `bytes` bytes of v, least significant first unless big.
void Put(Bytes& b, std::uint32_t v, int bytes, bool big = false) {
    for (int i = 0; i < bytes; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * (big ? bytes - 1 - i : i))));
}

} // namespace

Bytes MakeGif(int width, int height) {
    Bytes b{'G', 'I', 'F', '8', '9', 'a'};
    Put(b, static_cast<std::uint32_t>(width), 2);
    Put(b, static_cast<std::uint32_t>(height), 2);
    b.insert(b.end(), {0xF7, 0, 0}); // global table of 256 colours
    for (int i = 0; i < 256 * 3; ++i) b.push_back(static_cast<std::uint8_t>(i * 85));
    b.push_back(0x2C);
    Put(b, 0, 4);
    Put(b, static_cast<std::uint32_t>(width), 2);
    Put(b, static_cast<std::uint32_t>(height), 2);
    b.insert(b.end(), {0, 8}); // no local table; minimum code size
    // Nine-bit literal codes only, packed least significant bit first, with a clear code
    // before the table would need 10-bit codes: valid LZW without a real compressor.
    Bytes codes;
    std::uint32_t buffer = 0;
    int bits = 0;
    const auto put = [&](unsigned code) {
        buffer |= code << bits;
        for (bits += 9; bits >= 8; bits -= 8, buffer >>= 8) codes.push_back(static_cast<std::uint8_t>(buffer));
    };
    for (int i = 0; i < width * height; ++i) {
        if (i % 250 == 0) put(256); // clear
        put(static_cast<unsigned>((i % width + i / width) & 0xFF));
    }
    put(257); // end
    if (bits > 0) codes.push_back(static_cast<std::uint8_t>(buffer));
    for (std::size_t at = 0; at < codes.size(); at += 255) {
        const auto n = std::min<std::size_t>(255, codes.size() - at);
        b.push_back(static_cast<std::uint8_t>(n));
        b.insert(b.end(), codes.data() + at, codes.data() + at + n);
    }
    b.insert(b.end(), {0, 0x3B});
    return b;
}

Bytes ProgressiveJpeg() {
    return {
#include "progressive_jpeg.inc"
    };
}

Bytes ExifTiff(int orientation, bool bigEndian) {
    const std::uint8_t order = bigEndian ? 'M' : 'I';
    Bytes t{order, order};
    // Magic, IFD0 offset, one entry: orientation, SHORT, count 1, the value and padding;
    // then no next IFD.
    for (const auto& [value, size] : {std::pair{42u, 2}, {8u, 4}, {1u, 2}, {0x0112u, 2}, {3u, 2}, {1u, 4},
                                     {static_cast<unsigned>(orientation) & 0xFFFF, 2}, {0u, 2}, {0u, 4}})
        Put(t, value, size, bigEndian);
    return t;
}

Bytes ExifApp1(const Bytes& tiff) {
    Bytes s{0xFF, 0xE1};
    Put(s, static_cast<std::uint32_t>(2 + 6 + tiff.size()), 2, true);
    for (std::uint8_t c : {'E', 'x', 'i', 'f', '\0', '\0'}) s.push_back(c);
    for (std::uint8_t c : tiff) s.push_back(c);
    return s;
}

} // namespace qs::test
