// The drift of an image on a container window (Surface::drift): what shows of the image is
// drawn, at each tick of a window timer, from a frame resampled from its picture prepared at
// the largest zoom (DriftPlace). Frames are drawn ahead on two threads of the drift's own,
// each taking half the rows, while the window thread only takes the finished frame and has
// the window repaint it: input is never kept waiting for the resampling.
#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <optional>

#include "toolkit/drift_path.h"
#include "toolkit/picture.h"
#include "toolkit/win32/surface_fade.h"

namespace qs::tk {
class Image;
}

namespace qs::tk::win32 {

class ImageDrift {
public:
    explicit ImageDrift(HWND window);
    // Waits for the frame being drawn (a few tens of milliseconds at most) and ends the threads.
    ~ImageDrift();
    ImageDrift(const ImageDrift&) = delete;
    ImageDrift& operator=(const ImageDrift&) = delete;

    // `image` drifts along `path` for `lengthMs`, from its first frame, drawn now; `back`
    // shows through a picture's transparent parts. Nothing drifts when what shows of the
    // image is empty or no memory is left for the frames.
    void start(const Image& image, const DriftPath& path, int lengthMs, COLORREF back);
    void stop();
    void hold(bool held);
    // Draws the frame on show when `image`, at `dest` (client pixels), is the one drifting;
    // false when it is not, and the container draws the image itself.
    bool draw(HDC dc, const Image& image, const RECT& dest) const;
    // A tick of the drift's timer (WM_TIMER with kTimerId): the part of the window to repaint
    // when a new frame is ready.
    std::optional<RECT> tick();

    static constexpr UINT_PTR kTimerId = 0x51F5;

private:
    class Workers;
    double elapsedMs() const;
    // Has the frame at `ms` into the drift drawn into the back buffer (on the threads).
    void orderFrame(double ms);

    HWND window_;
    const Image* image_ = nullptr; // none: nothing drifts
    Picture picture_;
    RECT dest_{}, shown_{};         // the image's place and its visible part, client pixels
    DriftPath path_;
    int lengthMs_ = 0;
    PixelBuffer source_;            // the visible part at the largest zoom, over the background
    PixelBuffer frames_[2];         // the frame on show and the one being drawn
    int front_ = 0;
    bool ordered_ = false;          // the back frame is being drawn ...
    double orderedMs_ = 0;          // ... for this moment of the drift
    bool ended_ = false;            // the last frame is on show
    std::chrono::steady_clock::time_point start_;
    std::optional<std::chrono::steady_clock::time_point> heldSince_;
    std::unique_ptr<Workers> workers_;
};

} // namespace qs::tk::win32
