// Any bytes as a picture file: the structure checks and the declared-size limits read
// nothing outside the file, and what they accept keeps to the limits.
#include <cstdint>
#include <cstdlib>

#include "toolkit/picture_header.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qs::tk::MemoryBytes bytes(data, size); // libFuzzer hands over a buffer of exactly `size` bytes
    if (const auto header = qs::tk::ReadPictureHeader(bytes)) {
        const std::uint64_t pixels = std::uint64_t{header->width} * header->height;
        if (header->width > qs::tk::kMaxPictureSide || header->height > qs::tk::kMaxPictureSide ||
            pixels > qs::tk::kMaxPicturePixels)
            std::abort();
    }
    return 0;
}
