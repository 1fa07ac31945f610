// Small, real picture files for tests: the Make functions return the complete bytes of a
// w x h picture (a colour pattern), from stb_image_write in the native build only. The Exif
// helpers build the APP1 segment that carries a JPEG's orientation, so that a test can
// splice it, or a damaged copy, into a file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "scratch_folder.h"

namespace qs::test {

using Bytes = std::vector<std::uint8_t>;

Bytes MakeBmp(int width, int height);
Bytes MakePng(int width, int height);
Bytes MakeJpeg(int width, int height);
// A file of tests/data, such as "saver/quadrants.gif" (320 x 240).
Bytes DataFile(const std::string& name);
// 48 x 32, made once with ImageMagick (-interlace JPEG): several scans with tables between.
// Wine's JPEG encoder writes baseline only, and photos from the web are often progressive.
Bytes ProgressiveJpeg();

// A TIFF block ("II" little-endian or "MM" big-endian) whose IFD0 holds the single
// entry tag 0x0112 (orientation), type SHORT, count 1.
Bytes ExifTiff(int orientation, bool bigEndian = false);
// An APP1 segment (marker, length, "Exif\0\0", then `tiff`).
Bytes ExifApp1(const Bytes& tiff);

} // namespace qs::test
