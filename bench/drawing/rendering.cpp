#include "rendering.h"

#include <cmath>
#include <cstddef>

namespace bench {
namespace {

// Byte by byte, so that the compiler vectorises it with 16-bit lanes (SSE2 is enough).
void BlendSpan(const std::uint32_t* from, const std::uint32_t* to, int weight, std::uint32_t* out,
               std::size_t count) {
    const auto* a = reinterpret_cast<const std::uint8_t*>(from);
    const auto* b = reinterpret_cast<const std::uint8_t*>(to);
    auto* o = reinterpret_cast<std::uint8_t*>(out);
    const auto keep = static_cast<std::uint16_t>(256 - weight), take = static_cast<std::uint16_t>(weight);
    for (std::size_t i = 0; i < count * 4; ++i)
        o[i] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(a[i] * keep + b[i] * take) >> 8);
}

// Two pixels mixed with weight 0..256: red and blue in one multiply, green in another.
inline std::uint32_t Lerp(std::uint32_t a, std::uint32_t b, std::uint32_t weight) {
    const std::uint32_t keep = 256 - weight;
    const std::uint32_t redBlue = (((a & 0xFF00FFu) * keep + (b & 0xFF00FFu) * weight) >> 8) & 0xFF00FFu;
    const std::uint32_t green = (((a & 0xFF00u) * keep + (b & 0xFF00u) * weight) >> 8) & 0xFF00u;
    return redBlue | green;
}

std::int64_t Fixed(double value) { return std::llround(value * 65536.0); }

// One row of the pan: the two source rows the row falls between are mixed once over the
// columns the view spans, then each screen pixel mixes two neighbours of that mixed row.
void PanRow(const PixelView& picture, const PanView& view, int y, std::uint32_t* out, int width,
            std::vector<std::uint32_t>& row) {
    const std::int64_t step = Fixed(view.scale), x0 = Fixed(view.x + 0.5 * view.scale - 0.5);
    const int first = static_cast<int>(x0 >> 16);
    const int span = static_cast<int>((x0 + step * (width - 1)) >> 16) - first + 2;
    if (row.size() < static_cast<std::size_t>(span)) row.resize(span);
    const std::int64_t sy = Fixed(view.y + (y + 0.5) * view.scale - 0.5);
    const int iy = static_cast<int>(sy >> 16);
    BlendSpan(picture.Row(iy) + first, picture.Row(iy + 1) + first, static_cast<int>((sy >> 8) & 0xFF), row.data(),
              span);
    auto sx = static_cast<std::uint32_t>(x0 - (static_cast<std::int64_t>(first) << 16));
    const auto dx = static_cast<std::uint32_t>(step);
    for (int x = 0; x < width; ++x, sx += dx) {
        const std::uint32_t ix = sx >> 16;
        out[x] = Lerp(row[ix], row[ix + 1], (sx >> 8) & 0xFF);
    }
}

double Wave(double amplitude, double phase) { return amplitude * std::sin(phase); }

} // namespace

PanView PanPath::At(double t, int screenWidth, int screenHeight, int pictureWidth, int pictureHeight) const {
    const double zoom = fromZoom + (toZoom - fromZoom) * t, scale = kMaxZoom / zoom;
    const double roomX = pictureWidth - 1 - screenWidth * scale, roomY = pictureHeight - 1 - screenHeight * scale;
    return {roomX * (fromX + (toX - fromX) * t), roomY * (fromY + (toY - fromY) * t), scale};
}

std::uint32_t SceneColour(bool warm, double x, double y) {
    const auto channel = [](double v) { return static_cast<std::uint32_t>(std::lround(v)) & 0xFF; };
    const double r = warm ? 150 + Wave(90, x / 70 + Wave(0.3, y / 110)) : 40 + Wave(30, (x + y) / 130);
    const double g = warm ? 70 + Wave(50, y / 90 + x / 300) : 100 + Wave(60, y / 80 - x / 240);
    const double b = warm ? 40 + Wave(30, (x - y) / 120) : 160 + Wave(80, x / 85 - Wave(0.4, y / 150));
    return channel(r) << 16 | channel(g) << 8 | channel(b);
}

void FillScene(PixelView target, bool warm, double zoom) {
    for (int y = 0; y < target.height; ++y)
        for (int x = 0; x < target.width; ++x)
            target.Row(y)[x] = SceneColour(warm, (x + 0.5) / zoom - 0.5, (y + 0.5) / zoom - 0.5);
}

void BlendRows(const PixelView& from, const PixelView& to, int weight, PixelView target, int y0, int y1) {
    BlendSpan(from.Row(y0), to.Row(y0), weight, target.Row(y0), static_cast<std::size_t>(y1 - y0) * target.width);
}

void PanRows(const PixelView& picture, const PanView& view, PixelView target, int y0, int y1,
             std::vector<std::uint32_t>& row) {
    for (int y = y0; y < y1; ++y) PanRow(picture, view, y, target.Row(y), target.width, row);
}

void FadePanRows(const PixelView& from, const PanView& fromView, const PixelView& to, const PanView& toView,
                 int weight, PixelView target, int y0, int y1, std::vector<std::uint32_t>& scratch) {
    const std::size_t width = target.width;
    if (scratch.size() < 2 * width) scratch.resize(2 * width);
    std::vector<std::uint32_t> row;
    for (int y = y0; y < y1; ++y) {
        PanRow(from, fromView, y, scratch.data(), target.width, row);
        PanRow(to, toView, y, scratch.data() + width, target.width, row);
        BlendSpan(scratch.data(), scratch.data() + width, weight, target.Row(y), width);
    }
}

std::uint32_t Mix(std::uint32_t from, std::uint32_t to, double share) {
    std::uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const double a = (from >> shift) & 0xFF, b = (to >> shift) & 0xFF;
        result |= static_cast<std::uint32_t>(std::lround(a + (b - a) * share)) << shift;
    }
    return result;
}

std::uint32_t BilinearAt(const PixelView& picture, const PanView& view, int x, int y) {
    const double sx = view.x + (x + 0.5) * view.scale - 0.5, sy = view.y + (y + 0.5) * view.scale - 0.5;
    const int ix = static_cast<int>(std::floor(sx)), iy = static_cast<int>(std::floor(sy));
    const double fx = sx - ix, fy = sy - iy;
    const std::uint32_t top = Mix(picture.Row(iy)[ix], picture.Row(iy)[ix + 1], fx);
    const std::uint32_t bottom = Mix(picture.Row(iy + 1)[ix], picture.Row(iy + 1)[ix + 1], fx);
    return Mix(top, bottom, fy);
}

} // namespace bench
