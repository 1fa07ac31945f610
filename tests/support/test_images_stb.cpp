// The PNG and JPEG writers, from stb_image_write (Debian libstb-dev, native build only).
#if !defined(_WIN32)

#include "test_images.h"

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

namespace qs::test {

namespace {

// Rows top down, red, green and blue.
Bytes Rgb(int width, int height) {
    Bytes pixels;
    for (int i = 0; i < width * height * 3; ++i) pixels.push_back(Pattern(i / 3 % width, i / 3 / width, i % 3));
    return pixels;
}

void Append(void* context, void* data, int size) {
    Bytes& out = *static_cast<Bytes*>(context);
    out.insert(out.end(), static_cast<const std::uint8_t*>(data), static_cast<const std::uint8_t*>(data) + size);
}

} // namespace

Bytes MakePng(int width, int height) {
    const Bytes pixels = Rgb(width, height);
    Bytes out;
    stbi_write_png_to_func(Append, &out, width, height, 3, pixels.data(), width * 3);
    return out;
}

Bytes MakeJpeg(int width, int height, int quality) {
    const Bytes pixels = Rgb(width, height);
    Bytes out;
    stbi_write_jpg_to_func(Append, &out, width, height, 3, pixels.data(), quality);
    return out;
}

Bytes MakeJpegWithOrientation(int width, int height, int orientation, bool bigEndian) {
    return InsertAfterSoi(MakeJpeg(width, height), ExifApp1(ExifTiff(orientation, bigEndian)));
}

} // namespace qs::test

#endif
