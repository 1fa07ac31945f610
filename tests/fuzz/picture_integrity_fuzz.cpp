// Any bytes as a picture file: the format sniffing and the structure checks read
// nothing outside the file, for the sniffed format and for every other one.
#include <cstdint>
#include <cstring>
#include <memory>

#include "toolkit/headless/picture_integrity.h"

using namespace qs::tk::headless;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // An exact copy, so that a read one byte past the end is caught.
    const auto copy = std::make_unique<std::uint8_t[]>(size);
    if (size) std::memcpy(copy.get(), data, size);
    (void)SniffPictureFormat(copy.get(), size);
    for (const auto format : {PictureFormat::Unknown, PictureFormat::Jpeg, PictureFormat::Png, PictureFormat::Gif, PictureFormat::Bmp})
        (void)PictureLooksComplete(format, copy.get(), size);
    return 0;
}
