// The EXIF orientation of a JPEG file: how the stored pixels must be turned to be
// seen upright. Both picture backends use it to report a picture's natural size.
#pragma once

#include <cstddef>
#include <cstdint>

#include "toolkit/picture_header.h"

namespace qs::tk {

// The orientation 1..8 from the APP1 "Exif" segment (IFD0 tag 0x0112); 1 when the
// data is not a JPEG, has no such tag, or is malformed. Never reads past `size`.
int JpegOrientation(const std::uint8_t* data, std::size_t size);

// The same for the bytes of a file, reading at most their first 256 KiB.
int JpegOrientationOf(ByteSource& bytes);

// Orientations 5 to 8 turn the picture by a quarter: width and height swap.
constexpr bool OrientationSwapsAxes(int orientation) { return orientation >= 5 && orientation <= 8; }

} // namespace qs::tk
