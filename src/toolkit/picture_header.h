// What a picture file says about itself before any decoder sees it: its format, its
// declared size, and whether its structure runs to its end. Both backends check it
// first, so that a header claiming an absurd size is refused before anything is
// allocated for it, and a truncated file is refused whatever a decoder would make of the
// missing part (decoders pad a cut-off stream and report success).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace qs::tk {

enum class PictureFormat {
    Jpeg, Png, Gif, Bmp, Tiff,
    Other, // no signature here names it: an installed decoder of the system's reads it
};

struct PictureHeader {
    PictureFormat format = PictureFormat::Jpeg;
    std::uint32_t width = 0;  // as stored, before any EXIF orientation
    std::uint32_t height = 0;
};

// Random access to the bytes of a picture: a file or memory.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t size() const = 0;
    // Copies up to n bytes from offset; returns how many were copied.
    virtual std::size_t read(std::uint64_t offset, void* buffer, std::size_t n) = 0;
};

class MemoryBytes final : public ByteSource {
public:
    MemoryBytes(const void* data, std::size_t size) : data_(static_cast<const std::uint8_t*>(data)), size_(size) {}
    std::uint64_t size() const override { return size_; }
    std::size_t read(std::uint64_t offset, void* buffer, std::size_t n) override;

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

// The largest picture the program decodes: 64 Mi pixels (a 24-megapixel photo is well
// inside), no side above 65535. Larger declared sizes are refused at load.
constexpr std::uint64_t kMaxPicturePixels = 64ull * 1024 * 1024;
constexpr std::uint32_t kMaxPictureSide = 65535;

// The format that a file's first bytes announce (8 of them tell every format), with no
// further check: the loader goes on only with a file that passes this.
std::optional<PictureFormat> PictureSignature(const void* start, std::size_t size);

// The format and declared size, when the bytes are a JPEG, PNG, GIF, BMP or TIFF whose
// structure is complete (JPEG: every segment and scan through the end-of-image marker;
// PNG: every chunk through IEND; GIF: through its first complete image; BMP: the pixel
// array of an uncompressed bitmap present) and whose size is within the limits above.
std::optional<PictureHeader> ReadPictureHeader(ByteSource& bytes);

} // namespace qs::tk
