#include "test_images.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

namespace qs::test {

std::uint8_t Pattern(int x, int y, int channel) {
    return static_cast<std::uint8_t>((x * 7 + y * 13 + channel * 80) & 0xFF);
}

namespace {

void PutLe16(Bytes& b, unsigned v) {
    b.push_back(static_cast<std::uint8_t>(v & 0xFF));
    b.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void PutLe32(Bytes& b, std::uint32_t v) {
    PutLe16(b, v & 0xFFFF);
    PutLe16(b, v >> 16);
}

void Put16(Bytes& b, unsigned v, bool big) {
    if (big) {
        b.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
        b.push_back(static_cast<std::uint8_t>(v & 0xFF));
    } else {
        PutLe16(b, v);
    }
}

void Put32(Bytes& b, std::uint32_t v, bool big) {
    Put16(b, big ? v >> 16 : v & 0xFFFF, big);
    Put16(b, big ? v & 0xFFFF : v >> 16, big);
}


// LZW codes packed least significant bit first, as GIF wants them.
class CodeWriter {
public:
    void put(unsigned code, int width) {
        buffer_ |= static_cast<std::uint32_t>(code) << bits_;
        bits_ += width;
        while (bits_ >= 8) {
            out.push_back(static_cast<std::uint8_t>(buffer_ & 0xFF));
            buffer_ >>= 8;
            bits_ -= 8;
        }
    }
    void flush() {
        if (bits_ > 0) out.push_back(static_cast<std::uint8_t>(buffer_ & 0xFF));
        buffer_ = 0;
        bits_ = 0;
    }
    Bytes out;

private:
    std::uint32_t buffer_ = 0;
    int bits_ = 0;
};

} // namespace

Bytes MakeBmp(int width, int height) {
    const std::uint32_t row = static_cast<std::uint32_t>((width * 3 + 3) / 4 * 4);
    const std::uint32_t image = row * static_cast<std::uint32_t>(height);
    Bytes b{'B', 'M'};
    PutLe32(b, 54 + image);
    PutLe32(b, 0);
    PutLe32(b, 54);
    PutLe32(b, 40);
    PutLe32(b, static_cast<std::uint32_t>(width));
    PutLe32(b, static_cast<std::uint32_t>(height));
    PutLe16(b, 1);
    PutLe16(b, 24);
    PutLe32(b, 0);
    PutLe32(b, image);
    PutLe32(b, 2835);
    PutLe32(b, 2835);
    PutLe32(b, 0);
    PutLe32(b, 0);
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
    PutLe16(b, static_cast<unsigned>(width));
    PutLe16(b, static_cast<unsigned>(height));
    b.push_back(0xF7); // global table of 256 colours
    b.push_back(0);
    b.push_back(0);
    for (int i = 0; i < 256; ++i)
        for (int c = 0; c < 3; ++c) b.push_back(Pattern(i, i, c));
    b.push_back(0x2C);
    PutLe16(b, 0);
    PutLe16(b, 0);
    PutLe16(b, static_cast<unsigned>(width));
    PutLe16(b, static_cast<unsigned>(height));
    b.push_back(0);
    b.push_back(8); // minimum code size
    // Literal codes only, with a clear code before the table would need 10-bit codes:
    // valid LZW that every decoder reads, without a real compressor.
    constexpr unsigned kClear = 256, kEnd = 257;
    constexpr int kLiteralsPerClear = 250;
    CodeWriter codes;
    int sinceClear = kLiteralsPerClear;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (sinceClear == kLiteralsPerClear) {
                codes.put(kClear, 9);
                sinceClear = 0;
            }
            codes.put(static_cast<unsigned>((x + y) & 0xFF), 9);
            ++sinceClear;
        }
    }
    codes.put(kEnd, 9);
    codes.flush();
    for (std::size_t at = 0; at < codes.out.size(); at += 255) {
        const std::size_t n = std::min<std::size_t>(255, codes.out.size() - at);
        b.push_back(static_cast<std::uint8_t>(n));
        b.insert(b.end(), codes.out.begin() + static_cast<std::ptrdiff_t>(at),
                 codes.out.begin() + static_cast<std::ptrdiff_t>(at + n));
    }
    b.push_back(0);
    b.push_back(0x3B);
    return b;
}

Bytes ExifTiff(int orientation, bool bigEndian) {
    Bytes t;
    if (bigEndian)
        t = {'M', 'M'};
    else
        t = {'I', 'I'};
    Put16(t, 42, bigEndian);
    Put32(t, 8, bigEndian);
    Put16(t, 1, bigEndian);                                      // one entry
    Put16(t, 0x0112, bigEndian);                                 // orientation
    Put16(t, 3, bigEndian);                                      // SHORT
    Put32(t, 1, bigEndian);                                      // count
    Put16(t, static_cast<unsigned>(orientation) & 0xFFFF, bigEndian); // value, then padding
    Put16(t, 0, bigEndian);
    Put32(t, 0, bigEndian); // no next IFD
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

ScratchFolder::ScratchFolder() {
    static std::atomic<unsigned> counter{0};
    // Test programs run side by side: the name mixes time, chance and a counter.
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const unsigned chance = std::random_device{}();
    path_ = std::filesystem::temp_directory_path() /
            ("qs-test-" + std::to_string(stamp) + "-" + std::to_string(chance) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string ScratchFolder::write(const std::string& name, const Bytes& bytes) const {
    const std::filesystem::path file = path_ / name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return file.string();
}

} // namespace qs::test
