// Small, real picture files: the Make functions give a w x h colour pattern (native build only).
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
// 48 x 32 progressive (scans with tables between), as photos often are; Wine's encoder writes baseline only.
Bytes ProgressiveJpeg();

// A TIFF block whose IFD0 holds only the orientation, and the APP1 segment that carries it in a JPEG.
Bytes ExifTiff(int orientation, bool bigEndian = false);
Bytes ExifApp1(const Bytes& tiff);

} // namespace qs::test
