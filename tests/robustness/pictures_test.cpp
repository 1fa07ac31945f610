// Damaged pictures (cut, bits flipped, lengths and declared sizes rewritten, decompression bombs) through
// the loader FitPicture uses, then drawn. Each ends within 2 s; the peak private memory stays under
// 256 MiB, less than one full-size bitmap of the largest picture accepted.
#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>
#include <wincodec.h>

#include "corpus_support.h"
#include "support/test_images.h"
#include "toolkit/win32/wic_pictures.h"
#include "win_toolkit_support.h"

namespace qs::test::robustness {
namespace {

using namespace qs::test::win;

struct Field { std::size_t at; int width; bool big, size; }; // a size, or else a length

std::uint32_t Get(const Bytes& b, std::size_t at, int width, bool big) {
    std::uint32_t v = 0;
    for (int i = 0; i < width && at + i < b.size(); ++i) v |= std::uint32_t(b[at + i]) << 8 * (big ? width - 1 - i : i);
    return v;
}
void Set(Bytes& b, std::size_t at, int width, bool big, std::uint32_t v) { // past the end it appends
    b.resize(std::max(b.size(), at + width));
    for (int i = 0; i < width; ++i) b[at + i] = std::uint8_t(v >> 8 * (big ? width - 1 - i : i));
}

// The fields of a good file that state a length or a size, found by walking its structure.
std::vector<Field> Fields(const Bytes& b) {
    std::vector<Field> f;
    const auto add = [&](std::size_t at, int width, bool big, bool size) {
        if (at + width <= b.size()) f.push_back({at, width, big, size});
    };
    if (b[0] == 0xFF) { // JPEG: every segment's length, the frame's height and width
        for (std::size_t at = 2; at + 4 <= b.size() && b[at] == 0xFF;) {
            const int marker = b[at + 1];
            add(at + 2, 2, true, false);
            if ((marker & 0xF0) == 0xC0 && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
                add(at + 5, 2, true, true);
                add(at + 7, 2, true, true);
            }
            at += 2 + Get(b, at + 2, 2, true);
            if (marker == 0xDA) // the coded data runs to the next marker that is no restart
                while (at + 1 < b.size() && !(b[at] == 0xFF && b[at + 1] != 0 && (b[at + 1] & 0xF8) != 0xD0)) ++at;
        }
    } else if (b[0] == 0x89) { // PNG: every chunk's length, the header's width and height
        add(16, 4, true, true);
        add(20, 4, true, true);
        for (std::size_t at = 8; at + 8 <= b.size(); at += 12 + Get(b, at, 4, true)) add(at, 4, true, false);
    } else if (b[0] == 'G') { // GIF: screen and image sizes, the first data blocks' lengths
        add(6, 2, false, true);
        add(8, 2, false, true);
        std::size_t at = 13 + ((b[10] & 0x80) ? 3u << ((b[10] & 7) + 1) : 0);
        for (; at + 1 < b.size() && b[at] == 0x21; ++at) // extensions before the image
            for (at += 2; at < b.size() && b[at] != 0; at += 1 + b[at]) {}
        add(at + 5, 2, false, true);
        add(at + 7, 2, false, true);
        for (at += 11; at < b.size() && f.size() < 12; at += 1 + b[at]) add(at, 1, false, false);
    } else if (b[0] == 'B') { // BMP: file size, pixel offset, header size, image size, colours; width, height
        for (std::size_t at : {2, 10, 14, 34, 46}) add(at, 4, false, false);
        add(18, 4, false, true);
        add(22, 4, false, true);
    } else { // TIFF: the directory's offset and entry count, each entry's count and value
        const std::size_t ifd = Get(b, 4, 4, false);
        add(4, 4, false, false);
        add(ifd, 2, false, false);
        for (std::size_t e = ifd + 2, n = Get(b, ifd, 2, false); n-- > 0 && e + 12 <= b.size(); e += 12) {
            const std::uint32_t tag = Get(b, e, 2, false);
            add(e + 4, 4, false, false);
            const int width = Get(b, e + 2, 2, false) == 3 ? 2 : 4; // a SHORT value, or a LONG
            add(e + 8, width, false, tag == 256 || tag == 257);
        }
    }
    return f;
}

// A black grey-scale PNG: one literal, then copies of 258 bytes in 13 bits each, so a few
// hundred kilobytes declare up to 64 Mi pixels.
Bytes PngBomb(std::uint32_t width, std::uint32_t height) {
    Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    const auto chunk = [&](const char* type, const Bytes& data) {
        Bytes body(type, type + 4);
        body.insert(body.end(), data.begin(), data.end());
        std::uint32_t crc = ~0u;
        for (std::uint8_t byte : body) // bit by bit, the lowest first
            for (int k = 0; k < 8; ++k) crc = crc >> 1 ^ (0xEDB88320u & (0u - ((crc ^ byte >> k) & 1)));
        Set(png, png.size(), 4, true, std::uint32_t(data.size()));
        png.insert(png.end(), body.begin(), body.end());
        Set(png, png.size(), 4, true, ~crc);
    };
    Bytes header{0, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0, 0, 0}; // 8-bit grey
    Set(header, 0, 4, true, width);
    Set(header, 4, 4, true, height);
    chunk("IHDR", header);
    const std::uint64_t total = (std::uint64_t(width) + 1) * height; // a filter byte starts each row
    Bytes z{0x78, 0x01};
    std::uint32_t pending = 0;
    int bits = 0;
    const auto put = [&](std::uint32_t code, int n, bool huffman) { // codes go most significant bit first
        for (int i = 0; i < n; ++i) {
            pending |= ((huffman ? code >> (n - 1 - i) : code >> i) & 1) << bits;
            if (++bits == 8) {
                z.push_back(std::uint8_t(pending));
                pending = 0;
                bits = 0;
            }
        }
    };
    put(3, 3, false); // the last block, of fixed codes
    put(0x30, 8, true); // literal 0
    std::uint64_t left = total - 1;
    for (; left >= 258; left -= 258) {
        put(0xC5, 8, true); // length 258
        put(0, 5, true); // distance 1
    }
    for (; left > 0; --left) put(0x30, 8, true);
    put(0, 7, true);
    if (bits) z.push_back(std::uint8_t(pending));
    Set(z, z.size(), 4, true, std::uint32_t(total % 65521) << 16 | 1); // Adler-32
    chunk("IDAT", z);
    chunk("IEND", {});
    return png;
}

TEST(PictureCorpus, EachDamagedPictureLoadsAndDrawsOrIsRefusedInTimeWithinTheMemoryBound) {
    const platform::WindowDc screen(nullptr);
    const platform::GdiObject<HBITMAP> target(CreateCompatibleBitmap(screen.get(), 320, 240));
    const platform::MemoryDc dc(screen.get());
    const platform::SelectedObject selected(dc.get(), target.get());
    int cases = 0, loaded = 0;
    const auto run = [&](const std::string& what, const Bytes& bytes) {
        const std::string path = TempFile("case" + std::to_string(++cases), bytes);
        Deadline deadline(what + " " + std::to_string(cases), 2000);
        if (auto picture = tk::LoadPicture(path)) {
            ++loaded;
            tk::win32::DrawPicture(dc.get(), *picture, RECT{0, 0, 320, 240}, RECT{0, 0, 320, 240});
        }
    };
    Random random(15);
    for (const Bytes& seed : {EncodeWithWic(GUID_ContainerFormatJpeg, 64, 48), ProgressiveJpeg(),
                              DataFile("saver/quadrants.gif"), EncodeWithWic(GUID_ContainerFormatBmp, 30, 20),
                              EncodeWithWic(GUID_ContainerFormatPng, 50, 20),
                              EncodeWithWic(GUID_ContainerFormatTiff, 40, 30), PngBomb(8192, 8192), PngBomb(65535, 1024),
                              PngBomb(16384, 16384), PngBomb(65536, 1)}) {
        run("as made", seed);
        const int cuts = seed.size() > 10000 ? 3 : 40, flips = seed.size() > 10000 ? 3 : 80;
        for (int i = 1; i <= cuts; ++i) run("cut", Bytes(seed.begin(), seed.begin() + seed.size() * i / (cuts + 1)));
        for (int i = 0; i < flips; ++i) {
            Bytes flipped = seed;
            FlipBits(flipped, random, 1 + i % 4);
            run("bits flipped", flipped);
        }
        for (const Field& field : Fields(seed)) {
            const std::uint32_t v = Get(seed, field.at, field.width, field.big);
            using Values = std::vector<std::uint32_t>;
            for (std::uint32_t value : field.size ? Values{0, 1, 8192, 65535, 65536, 0x7FFFFFFF, 0x80000000, ~0u}
                                                  : Values{0, 1, 2, v - 1, v + 1, ~0u}) {
                Bytes changed = seed;
                Set(changed, field.at, field.width, field.big, value);
                run("field at " + std::to_string(field.at), changed);
            }
        }
    }
    EXPECT_GE(cases, 1000);
    EXPECT_GE(loaded, 8) << "the good files load";
    PROCESS_MEMORY_COUNTERS memory{};
    K32GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    EXPECT_LT(memory.PeakPagefileUsage, 256ull << 20);
}

} // namespace
} // namespace qs::test::robustness
