// Resampling and orientation of 32-bit premultiplied BGRA pixels, done by the program
// itself: the imaging component's scaler under Wine samples the nearest pixel whatever
// interpolation is asked for (measured: a 2:1 reduction of a one-pixel checkerboard
// stays black and white in every mode), which leaves photographs jagged.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace qs::tk::win32 {

struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;
};

// Supplies rows [y, y + count) of the source, columns [x, x + width), 4 bytes a pixel,
// rows `width * 4` bytes apart. Returns false when the source failed.
using RowSupplier = std::function<bool(int y, int count, int x, int width, std::uint8_t* out)>;

// Resamples a srcWidth x srcHeight picture to dstWidth x dstHeight and writes only the
// output pixels in `region` (output coordinates) into out, region.width * 4 bytes a row.
// Reductions average the area each output pixel covers; enlargements interpolate
// linearly. Source rows are pulled in bands, so memory stays near the region's size.
bool ResampleRegion(const RowSupplier& source, int srcWidth, int srcHeight, int dstWidth, int dstHeight,
                    const PixelRect& region, std::uint8_t* out);

// EXIF orientation (1..8): the stored pixel shown at display point (x, y) of a display
// of displayWidth x displayHeight. Values outside 1..8 are taken as 1.
void OrientedToStored(int orientation, int displayWidth, int displayHeight, int x, int y, int& u, int& v);
// The stored-picture rectangle that holds every pixel of a display rectangle.
PixelRect StoredRectOf(int orientation, int displayWidth, int displayHeight, const PixelRect& display);
// Fills `display` (display-coordinate region, width * 4 bytes a row) from `stored`,
// which holds the stored-picture rectangle StoredRectOf(...) gives for it.
void OrientRegion(int orientation, int displayWidth, int displayHeight, const PixelRect& display,
                  const std::uint8_t* stored, const PixelRect& storedRect, std::uint8_t* out);

} // namespace qs::tk::win32
