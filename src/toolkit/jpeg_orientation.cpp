#include "toolkit/jpeg_orientation.h"

#include "toolkit/exif_reader.h"

namespace qs::tk {

namespace {
constexpr int kUpright = 1;
constexpr std::uint16_t kOrientationTag = 0x0112;
} // namespace

int JpegOrientation(const std::uint8_t* data, std::size_t size) {
    const std::optional<TiffBlock> tiff = JpegExifBlock(data, size);
    if (!tiff) return kUpright;
    const std::optional<IfdEntry> entry = tiff->find(tiff->firstDirectory(), kOrientationTag);
    if (!entry || entry->count != 1) return kUpright;
    std::uint32_t value = 0;
    if (entry->type == kExifTypeShort)
        value = tiff->bytes().u16(entry->field);
    else if (entry->type == kExifTypeLong)
        value = tiff->bytes().u32(entry->field);
    return value >= 1 && value <= 8 ? static_cast<int>(value) : kUpright;
}

int JpegOrientationOf(ByteSource& bytes) {
    const std::vector<std::uint8_t> head = FileHead(bytes);
    return JpegOrientation(head.data(), head.size());
}

} // namespace qs::tk
