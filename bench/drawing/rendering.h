// The drawing a fade and a pan and zoom need, done on the CPU by the saver's own integer code,
// so that the same code runs on the window thread, split across threads, or on a worker ahead.
// Pixels are 32-bit 0x00RRGGBB, rows top-down, as in a 32-bit DIB section.
#pragma once

#include <cstdint>
#include <vector>

namespace bench {

// A picture in memory; `pixels` may point into a DIB section that another object owns.
struct PixelView {
    std::uint32_t* pixels = nullptr;
    int width = 0, height = 0;
    const std::uint32_t* Row(int y) const { return pixels + static_cast<std::ptrdiff_t>(y) * width; }
    std::uint32_t* Row(int y) { return pixels + static_cast<std::ptrdiff_t>(y) * width; }
};

// Where the screen looks into a prepared picture: the top left corner of the view in the
// picture's pixels and how many of the picture's pixels one screen pixel spans (the
// prepared picture is the fitted one at the largest zoom, so `scale` runs from 1 to 1.2).
struct PanView {
    double x = 0, y = 0, scale = 1;
};

// A slow drift from one view to another over the slide's time on screen, zooming in or out.
struct PanPath {
    double fromX, fromY, toX, toY;  // the view's corner as a share of the room it has, 0..1
    double fromZoom, toZoom;        // 1 .. kMaxZoom
    PanView At(double t, int screenWidth, int screenHeight, int pictureWidth, int pictureHeight) const;
};

inline constexpr double kMaxZoom = 1.2;

// The size of a prepared picture for pan and zoom: the fitted size at the largest zoom, plus
// the one pixel that bilinear sampling reads beyond the last one.
inline int PreparedSize(int screenSize) { return static_cast<int>(screenSize * kMaxZoom) + 2; }

// A smooth synthetic picture (slow waves of colour), warm or cool, whose value at any point is
// known, so that a check can predict what the screen shows. `zoom` draws it enlarged, as the
// prepared picture for pan and zoom.
std::uint32_t SceneColour(bool warm, double x, double y);
void FillScene(PixelView target, bool warm, double zoom);

// Rows [y0, y1) of the cross-fade: old + (new - old) * weight / 256, weight 0..256.
void BlendRows(const PixelView& from, const PixelView& to, int weight, PixelView target, int y0, int y1);
// Rows [y0, y1) of the pan and zoom: bilinear, steps in 16.16 fixed point, so that the view
// moves by fractions of a pixel. `row` is scratch, reused between calls.
void PanRows(const PixelView& picture, const PanView& view, PixelView target, int y0, int y1,
             std::vector<std::uint32_t>& row);
// Rows [y0, y1) of a fade while both slides pan: two pans blended.
void FadePanRows(const PixelView& from, const PanView& fromView, const PixelView& to, const PanView& toView,
                 int weight, PixelView target, int y0, int y1, std::vector<std::uint32_t>& scratch);

// Reference values in floating point, against which the fixed-point pan is checked.
std::uint32_t BilinearAt(const PixelView& picture, const PanView& view, int x, int y);
std::uint32_t Mix(std::uint32_t from, std::uint32_t to, double share);

} // namespace bench
