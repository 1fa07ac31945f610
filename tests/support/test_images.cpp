#include "test_images.h"

#include <fstream>
#include <iterator>
#include <string>

namespace qs::test {

namespace {

void Put(Bytes& b, std::uint32_t v, int bytes, bool big = false) {
    for (int i = 0; i < bytes; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * (big ? bytes - 1 - i : i))));
}

} // namespace

Bytes DataFile(const std::string& name) {
    std::ifstream in(std::string(QS_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes ProgressiveJpeg() {
    return {
#include "progressive_jpeg.inc"
    };
}

Bytes ExifTiff(int orientation, bool bigEndian) {
    const std::uint8_t order = bigEndian ? 'M' : 'I';
    Bytes t{order, order};
    // Magic, IFD0 offset, one entry: orientation, SHORT, count 1, the value and padding; no next IFD.
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
