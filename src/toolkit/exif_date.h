// When a photo was taken, as its camera recorded it: EXIF DateTimeOriginal (tag 0x9003 of
// the Exif directory), in the camera's local time, in a JPEG's APP1 segment or a TIFF file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "toolkit/picture_header.h"

namespace qs::tk {

struct TakenTime {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0;
    bool operator==(const TakenTime&) const = default;
};

// Nullopt when the data holds no such date, or one that is blank, malformed or no real
// date ("0000:00:00 00:00:00", 31 April). Never reads past `size`.
std::optional<TakenTime> ExifDateTaken(const std::uint8_t* data, std::size_t size);

// The same for the bytes of a file, reading at most their first 256 KiB.
std::optional<TakenTime> ExifDateTakenOf(ByteSource& bytes);

} // namespace qs::tk
