// Any bytes as a JPEG file: the EXIF orientation is 1 to 8, a date taken is a real
// month, and nothing outside the file is read.
#include <cstdint>
#include <cstdlib>

#include "toolkit/exif_date.h"
#include "toolkit/jpeg_orientation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int orientation = qs::tk::JpegOrientation(data, size);
    if (orientation < 1 || orientation > 8) std::abort();
    if (const auto t = qs::tk::ExifDateTaken(data, size); t && (t->month < 1 || t->month > 12)) std::abort();
    return 0;
}
