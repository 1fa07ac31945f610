// The PNG and JPEG writers, from stb_image_write (Debian libstb-dev, native build only).
#if !defined(_WIN32)

#include "test_images.h"

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

namespace qs::test {

namespace {

Bytes Rgb(int width, int height) {
    Bytes pixels;
    pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < 3; ++c) pixels.push_back(Pattern(x, y, c));
    return pixels;
}

void Append(void* context, void* data, int size) {
    auto* out = static_cast<Bytes*>(context);
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    out->insert(out->end(), bytes, bytes + size);
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
