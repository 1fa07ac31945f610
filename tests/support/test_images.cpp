#include "test_images.h"

#include <algorithm>
#include <iterator>

namespace qs::test {

namespace {

// `bytes` bytes of v, least significant first unless big.
void Put(Bytes& b, std::uint32_t v, int bytes, bool big = false) {
    for (int i = 0; i < bytes; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * (big ? bytes - 1 - i : i))));
}

} // namespace

Bytes MakeBmp(int width, int height) {
    const std::uint32_t row = static_cast<std::uint32_t>((width * 3 + 3) / 4 * 4);
    const std::uint32_t image = row * static_cast<std::uint32_t>(height);
    Bytes b{'B', 'M'};
    for (std::uint32_t v : {54 + image, 0u, 54u, 40u, static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height)})
        Put(b, v, 4);
    Put(b, 1, 2);  // planes
    Put(b, 24, 2); // bits per pixel
    for (std::uint32_t v : {0u, image, 2835u, 2835u, 0u, 0u}) Put(b, v, 4);
    for (int y = height - 1; y >= 0; --y) { // bottom-up rows, BGR
        std::uint32_t written = 0;
        for (int x = 0; x < width; ++x, written += 3)
            for (int c = 2; c >= 0; --c) b.push_back(Pattern(x, y, c));
        for (; written < row; ++written) b.push_back(0);
    }
    return b;
}

Bytes MakeGif(int width, int height) {
    Bytes b{'G', 'I', 'F', '8', '9', 'a'};
    Put(b, static_cast<std::uint32_t>(width), 2);
    Put(b, static_cast<std::uint32_t>(height), 2);
    b.insert(b.end(), {0xF7, 0, 0}); // global table of 256 colours
    for (int i = 0; i < 256; ++i)
        for (int c = 0; c < 3; ++c) b.push_back(Pattern(i, i, c));
    b.push_back(0x2C);
    Put(b, 0, 4);
    Put(b, static_cast<std::uint32_t>(width), 2);
    Put(b, static_cast<std::uint32_t>(height), 2);
    b.insert(b.end(), {0, 8}); // no local table; minimum code size
    // Literal codes only, with a clear code before the table would need 10-bit codes:
    // valid LZW that every decoder reads, without a real compressor.
    constexpr unsigned kClear = 256, kEnd = 257;
    constexpr int kLiteralsPerClear = 250;
    // Nine-bit codes packed least significant bit first, as GIF wants them.
    Bytes codes;
    std::uint32_t buffer = 0;
    int bits = 0;
    const auto put = [&](unsigned code) {
        buffer |= code << bits;
        for (bits += 9; bits >= 8; bits -= 8, buffer >>= 8) codes.push_back(static_cast<std::uint8_t>(buffer));
    };
    for (int i = 0; i < width * height; ++i) {
        if (i % kLiteralsPerClear == 0) put(kClear);
        put(static_cast<unsigned>((i % width + i / width) & 0xFF));
    }
    put(kEnd);
    if (bits > 0) codes.push_back(static_cast<std::uint8_t>(buffer));
    for (std::size_t at = 0; at < codes.size(); at += 255) {
        const auto n = static_cast<std::ptrdiff_t>(std::min<std::size_t>(255, codes.size() - at));
        b.push_back(static_cast<std::uint8_t>(n));
        b.insert(b.end(), codes.begin() + static_cast<std::ptrdiff_t>(at), codes.begin() + static_cast<std::ptrdiff_t>(at) + n);
    }
    b.insert(b.end(), {0, 0x3B});
    return b;
}

Bytes ExifTiff(int orientation, bool bigEndian) {
    const std::uint8_t order = bigEndian ? 'M' : 'I';
    Bytes t{order, order};
    Put(t, 42, 2, bigEndian);
    Put(t, 8, 4, bigEndian);
    Put(t, 1, 2, bigEndian);      // one entry
    Put(t, 0x0112, 2, bigEndian); // orientation
    Put(t, 3, 2, bigEndian);      // SHORT
    Put(t, 1, 4, bigEndian);      // count
    Put(t, static_cast<std::uint32_t>(orientation) & 0xFFFF, 2, bigEndian); // value, then padding
    Put(t, 0, 2, bigEndian);
    Put(t, 0, 4, bigEndian);      // no next IFD
    return t;
}

Bytes ExifApp1(const Bytes& tiff) {
    const std::size_t length = 2 + 6 + tiff.size();
    const std::uint8_t head[] = {0xFF, 0xE1, static_cast<std::uint8_t>((length >> 8) & 0xFF),
                                 static_cast<std::uint8_t>(length & 0xFF), 'E', 'x', 'i', 'f', 0, 0};
    // Sized first and filled in place: GCC 12 misreads an insert at the end of a
    // ten-byte vector as an overflow.
    Bytes s(sizeof head + tiff.size());
    std::copy(std::begin(head), std::end(head), s.begin());
    std::copy(tiff.begin(), tiff.end(), s.begin() + static_cast<std::ptrdiff_t>(sizeof head));
    return s;
}

Bytes InsertAfterSoi(const Bytes& jpeg, const Bytes& segment) {
    Bytes out(jpeg.begin(), jpeg.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(2, jpeg.size())));
    out.insert(out.end(), segment.begin(), segment.end());
    if (jpeg.size() > 2) out.insert(out.end(), jpeg.begin() + 2, jpeg.end());
    return out;
}

} // namespace qs::test
