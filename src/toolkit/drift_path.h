// A slow pan and zoom over a picture, its "drift": where the view into the picture lies at
// each moment of a slide's time on screen, and one frame of it, resampled bilinearly in
// 16.16 fixed point so that the view moves by fractions of a pixel, never in steps. The
// picture is prepared larger than it shows (at the largest zoom), so a frame only ever
// shrinks it a little. Plain integer code: it runs on worker threads, and natively in tests.
// Pixels are 32-bit 0x00RRGGBB, rows top-down, as in a 32-bit DIB section.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "toolkit/picture.h"

namespace qs::tk {

// The zoom a drift never goes beyond: the picture at its fitted size is 1.
inline constexpr double kMaxDriftZoom = 1.2;

// Pixels in memory that another object owns (a DIB section's bits).
struct PixelSpan {
    std::uint32_t* pixels = nullptr;
    int width = 0, height = 0;
    std::uint32_t* row(int y) const { return pixels + static_cast<std::ptrdiff_t>(y) * width; }
};

// Where a frame looks into the prepared picture: the view's top-left corner in the picture's
// pixels, and how many of them one pixel of the frame spans (1 at the largest zoom).
struct DriftView {
    double x = 0, y = 0, scale = 1;
};

// From one view to another over the slide's time: the view's corner as a share of the room
// the picture leaves it (0 the left or top edge, 1 the right or bottom), and the zoom.
struct DriftPath {
    double fromX = 0.5, fromY = 0.5, toX = 0.5, toY = 0.5;
    double fromZoom = 1, toZoom = 1;
    // The view `t` (0 to 1) through the slide's time, for a frame of frameWidth x frameHeight
    // from a picture of pictureWidth x pictureHeight. Eased: the drift starts and ends at
    // rest, so that a slide that stops drifting, or fades out, never jerks.
    DriftView at(double t, int frameWidth, int frameHeight, int pictureWidth, int pictureHeight) const;
    // How far, in frame pixels, the picture moves under the frame's corners from t0 to t1: the
    // most any of them moves, across or down.
    double shift(double t0, double t1, int frameWidth, int frameHeight, int pictureWidth, int pictureHeight) const;
    bool operator==(const DriftPath&) const = default;
};

// A path for the next slide from a source of uniform values in [0, 1): zooming in or out
// (one end near the fitted size, the other near the largest zoom), across the picture in
// any direction.
DriftPath ChooseDriftPath(const std::function<double()>& uniform);

// The place a picture is prepared at for a drift over what shows of it at `place`: the
// visible part of the fitted picture (its rectangle within the client area) enlarged by
// the largest zoom about that part's top-left corner, with a pixel to spare each way.
DisplayPlace DriftPlace(const DisplayPlace& place);

// Rows [y0, y1) of the frame at `view` of `picture` into `frame`. `scratch` is reused
// between calls; a view reaching beyond the picture reads its edge pixels.
void DriftRows(const PixelSpan& picture, const DriftView& view, const PixelSpan& frame, int y0, int y1,
               std::vector<std::uint32_t>& scratch);

} // namespace qs::tk
