// Any bytes as a picture file: the structure checks and the declared-size limits read
// nothing outside the file, and what they accept keeps to the limits.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "toolkit/picture_header.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // An exact copy, so that a read one byte past the end is caught.
    const auto copy = std::make_unique<std::uint8_t[]>(size);
    if (size) std::memcpy(copy.get(), data, size);
    qs::tk::MemoryBytes bytes(copy.get(), size);
    if (const auto header = qs::tk::ReadPictureHeader(bytes)) {
        const std::uint64_t pixels = std::uint64_t{header->width} * header->height;
        if (header->width > qs::tk::kMaxPictureSide || header->height > qs::tk::kMaxPictureSide ||
            pixels > qs::tk::kMaxPicturePixels)
            std::abort();
    }
    return 0;
}
