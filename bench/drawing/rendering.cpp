#include "rendering.h"

#include <cmath>
#include <cstddef>

#include "toolkit/cross_fade.h"
#include "toolkit/drift_path.h"

namespace bench {
namespace {

qs::tk::PixelSpan Span(const PixelView& view) { return {view.pixels, view.width, view.height}; }

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

// The saver's own drawing (toolkit/cross_fade.h, toolkit/drift_path.h), so that the paths time what ships.
void BlendRows(const PixelView& from, const PixelView& to, int weight, PixelView target, int y0, int y1) {
    qs::tk::BlendPixels(from.Row(y0), to.Row(y0), target.Row(y0), static_cast<std::size_t>(y1 - y0) * target.width,
                        weight);
}

void PanRows(const PixelView& picture, const PanView& view, PixelView target, int y0, int y1,
             std::vector<std::uint32_t>& row) {
    qs::tk::DriftRows(Span(picture), {view.x, view.y, view.scale}, Span(target), y0, y1, row);
}

void FadePanRows(const PixelView& from, const PanView& fromView, const PixelView& to, const PanView& toView,
                 int weight, PixelView target, int y0, int y1, std::vector<std::uint32_t>& scratch) {
    // The new slide's rows in a frame of their own, then mixed into the old slide's.
    scratch.resize(static_cast<std::size_t>(target.width) * target.height);
    const PixelView coming{scratch.data(), target.width, target.height};
    std::vector<std::uint32_t> row;
    PanRows(from, fromView, target, y0, y1, row);
    PanRows(to, toView, coming, y0, y1, row);
    BlendRows(target, coming, weight, target, y0, y1);
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
