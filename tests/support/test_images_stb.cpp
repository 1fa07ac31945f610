// The BMP, PNG and JPEG writers, from stb_image_write (Debian libstb-dev, native build only).
#if !defined(_WIN32)

#include "test_images.h"

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

namespace qs::test {

namespace {

Bytes Pixels(int width, int height) {
    Bytes pixels;
    for (int i = 0; i < width * height * 3; ++i)
        pixels.push_back(static_cast<std::uint8_t>(i / 3 % width * 7 + i / 3 / width * 13 + i % 3 * 80));
    return pixels;
}

void Append(void* context, void* data, int size) {
    Bytes& out = *static_cast<Bytes*>(context);
    out.insert(out.end(), static_cast<const std::uint8_t*>(data), static_cast<const std::uint8_t*>(data) + size);
}

} // namespace

Bytes MakeBmp(int width, int height) {
    Bytes out;
    return stbi_write_bmp_to_func(Append, &out, width, height, 3, Pixels(width, height).data()), out;
}

Bytes MakePng(int width, int height) {
    Bytes out;
    return stbi_write_png_to_func(Append, &out, width, height, 3, Pixels(width, height).data(), width * 3), out;
}

Bytes MakeJpeg(int width, int height) {
    Bytes out;
    return stbi_write_jpg_to_func(Append, &out, width, height, 3, Pixels(width, height).data(), 90), out;
}

} // namespace qs::test

#endif
