#include "toolkit/drift_path.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "toolkit/cross_fade.h"

namespace qs::tk {
namespace {

int DriftSize(int size) { return static_cast<int>(size * kMaxDriftZoom) + 2; }

std::int64_t Fixed(double value) { return std::llround(value * 65536.0); }

// Two pixels mixed at weight 0..256, rounded: red and blue in one multiply, green in another.
std::uint32_t Mix(std::uint32_t a, std::uint32_t b, std::uint32_t weight) {
    const std::uint32_t keep = 256 - weight;
    const std::uint32_t redBlue = (((a & 0xFF00FFu) * keep + (b & 0xFF00FFu) * weight + 0x800080u) >> 8) & 0xFF00FFu;
    const std::uint32_t green = (((a & 0xFF00u) * keep + (b & 0xFF00u) * weight + 0x8000u) >> 8) & 0xFF00u;
    return redBlue | green;
}

// `count` pixels of row `y` from column `first`, the picture's edge pixels standing in for
// what lies beyond it.
const std::uint32_t* RowFrom(const PixelSpan& picture, int y, int first, int count, std::vector<std::uint32_t>& copy) {
    const std::uint32_t* row = picture.row(std::clamp(y, 0, picture.height - 1));
    if (first >= 0 && first + count <= picture.width) return row + first;
    copy.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) copy[static_cast<std::size_t>(i)] = row[std::clamp(first + i, 0, picture.width - 1)];
    return copy.data();
}

} // namespace

DriftView DriftPath::at(double t, int frameWidth, int frameHeight, int pictureWidth, int pictureHeight) const {
    t = std::clamp(t, 0.0, 1.0);
    const double eased = t * t * (3 - 2 * t);
    const double zoom = std::clamp(fromZoom + (toZoom - fromZoom) * eased, 1.0, kMaxDriftZoom);
    // The prepared picture is the fitted one at the largest zoom, so at zoom 1 a frame pixel
    // spans 1.2 of its pixels; never more than it holds, with a pixel to spare.
    const double scale = std::min({kMaxDriftZoom / zoom, (pictureWidth - 1.0) / std::max(frameWidth, 1),
                                   (pictureHeight - 1.0) / std::max(frameHeight, 1)});
    const double roomX = std::max(0.0, pictureWidth - 1 - frameWidth * scale);
    const double roomY = std::max(0.0, pictureHeight - 1 - frameHeight * scale);
    return {roomX * (fromX + (toX - fromX) * eased), roomY * (fromY + (toY - fromY) * eased), scale};
}

double DriftPath::shift(double t0, double t1, int frameWidth, int frameHeight, int pictureWidth,
                        int pictureHeight) const {
    const DriftView a = at(t0, frameWidth, frameHeight, pictureWidth, pictureHeight);
    const DriftView b = at(t1, frameWidth, frameHeight, pictureWidth, pictureHeight);
    // The picture's point under frame position c at t0 lies at (a.x + c * a.scale - b.x) / b.scale at t1.
    const auto moved = [&](double from, double to, int c) { return std::abs((from + c * a.scale - to) / b.scale - c); };
    return std::max({moved(a.x, b.x, 0), moved(a.x, b.x, frameWidth), moved(a.y, b.y, 0), moved(a.y, b.y, frameHeight)});
}

DriftPath ChooseDriftPath(const std::function<double()>& uniform) {
    const double angle = uniform() * 2 * std::numbers::pi;
    const double reach = 0.3 + 0.2 * uniform(); // half the way, as a share of the room
    const double dx = std::cos(angle) * reach, dy = std::sin(angle) * reach;
    const double nearZoom = 1 + 0.05 * uniform(), farZoom = kMaxDriftZoom - 0.05 * uniform();
    const bool inward = uniform() < 0.5;
    return {0.5 - dx, 0.5 - dy, 0.5 + dx, 0.5 + dy, inward ? nearZoom : farZoom, inward ? farZoom : nearZoom};
}

DisplayPlace DriftPlace(const DisplayPlace& place) {
    const int left = std::max(place.left, 0), top = std::max(place.top, 0);
    const auto enlarge = [](int from, int at) {
        return from + static_cast<int>(std::lround((at - from) * kMaxDriftZoom));
    };
    return {enlarge(left, place.left),           enlarge(top, place.top),
            DriftSize(place.width),              DriftSize(place.height),
            left + DriftSize(place.clientWidth - left), top + DriftSize(place.clientHeight - top)};
}

// Each row mixes the two picture rows it falls between once, over the columns the view spans,
// then each frame pixel mixes two neighbours of that mixed row.
void DriftRows(const PixelSpan& picture, const DriftView& view, const PixelSpan& frame, int y0, int y1,
               std::vector<std::uint32_t>& scratch) {
    if (picture.width <= 0 || picture.height <= 0 || frame.width <= 0) return;
    const std::int64_t step = Fixed(view.scale), x0 = Fixed(view.x + 0.5 * view.scale - 0.5);
    const int first = static_cast<int>(x0 >> 16); // an arithmetic shift: floor
    const int span = static_cast<int>((x0 + step * (frame.width - 1)) >> 16) - first + 2;
    std::vector<std::uint32_t> upperCopy, lowerCopy;
    scratch.resize(static_cast<std::size_t>(span));
    for (int y = y0; y < y1; ++y) {
        const std::int64_t sy = Fixed(view.y + (y + 0.5) * view.scale - 0.5);
        const int iy = static_cast<int>(sy >> 16);
        BlendPixels(RowFrom(picture, iy, first, span, upperCopy), RowFrom(picture, iy + 1, first, span, lowerCopy),
                    scratch.data(), static_cast<std::size_t>(span), static_cast<int>((sy >> 8) & 0xFF));
        auto sx = static_cast<std::uint32_t>(x0 - (static_cast<std::int64_t>(first) << 16));
        const auto dx = static_cast<std::uint32_t>(step);
        std::uint32_t* out = frame.row(y);
        for (int x = 0; x < frame.width; ++x, sx += dx) {
            const std::uint32_t ix = sx >> 16;
            out[x] = Mix(scratch[ix], scratch[ix + 1], (sx >> 8) & 0xFF);
        }
    }
}

} // namespace qs::tk
