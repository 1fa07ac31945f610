// The EXIF block of a picture file: the TIFF-structured metadata a JPEG carries in its
// APP1 "Exif" segment (a TIFF file is one itself), and the entries of its directories.
// Every read is bounds-checked: damaged or hostile data gives nothing, never a read past
// the end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "toolkit/picture_header.h"

namespace qs::tk {

// A bounded view of bytes in one byte order.
class ExifBytes {
public:
    ExifBytes(const std::uint8_t* data, std::size_t size, bool bigEndian) : data_(data), size_(size), big_(bigEndian) {}
    bool has(std::size_t offset, std::size_t count) const { return offset <= size_ && count <= size_ - offset; }
    std::uint8_t u8(std::size_t at) const { return data_[at]; }
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

// One directory entry: its type, its count and where its 4-byte value field starts (the
// value itself when it fits there, else the offset of the value).
struct IfdEntry {
    std::uint16_t type = 0;
    std::uint32_t count = 0;
    std::size_t field = 0;
};

inline constexpr std::uint16_t kExifTypeAscii = 2;
inline constexpr std::uint16_t kExifTypeShort = 3;
inline constexpr std::uint16_t kExifTypeLong = 4;

// A TIFF block: "II*\0" or "MM\0*", then the offset of the first directory (IFD0).
class TiffBlock {
public:
    // Nullopt unless `data` starts with a TIFF header.
    static std::optional<TiffBlock> Open(const std::uint8_t* data, std::size_t size);
    const ExifBytes& bytes() const { return bytes_; }
    std::uint32_t firstDirectory() const { return bytes_.u32(4); }
    // The entry of `tag` in the directory at `offset`; nullopt when it has none or the
    // directory lies outside the block. A count larger than the block holds is cut to the
    // entries that are there.
    std::optional<IfdEntry> find(std::uint32_t offset, std::uint16_t tag) const;

private:
    explicit TiffBlock(ExifBytes bytes) : bytes_(bytes) {}
    ExifBytes bytes_;
};

// The TIFF block of a JPEG's APP1 "Exif" segment; nullopt when the data is not a JPEG or
// has no such segment before its image data.
std::optional<TiffBlock> JpegExifBlock(const std::uint8_t* data, std::size_t size);

// The first 256 KiB of a file, where cameras put their metadata.
std::vector<std::uint8_t> FileHead(ByteSource& bytes);

} // namespace qs::tk
