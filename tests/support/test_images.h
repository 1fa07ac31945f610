// Picture bytes for the loader's tests: files of tests/data and the pieces of damaged or unusual pictures.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "scratch_folder.h"

namespace qs::test {

using Bytes = std::vector<std::uint8_t>;

// A file of tests/data, such as "saver/quadrants.gif" (320 x 240).
Bytes DataFile(const std::string& name);
// 48 x 32 progressive (scans with tables between), as photos often are; Wine's encoder writes baseline only.
Bytes ProgressiveJpeg();

// A TIFF block whose IFD0 holds only the orientation, and the APP1 segment that carries it in a JPEG.
Bytes ExifTiff(int orientation, bool bigEndian = false);
Bytes ExifApp1(const Bytes& tiff);

} // namespace qs::test
