// A cross-fade on a surface's window: what the window showed when the fade began, blended into
// what it shows now, a frame at each tick of a window timer (about 60 a second). A frame is
// one integer pass over the pixels into a 32-bit DIB and one copy to the window, on the window
// thread: a few milliseconds at full screen, so input never waits longer than that.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>

#include "platform/win32/scoped.h"

namespace qs::tk::win32 {

// A top-down 32-bit DIB section in a memory DC of its own: GDI draws into it, the blend
// reads and writes its pixels.
class PixelBuffer {
public:
    // Keeps the buffer when it has that size already; false when the system has no room.
    bool resize(int width, int height);
    HDC dc() const { return dc_.get(); }
    std::uint32_t* pixels() const { return pixels_; }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    // Declared in this order so that the bitmap leaves the DC before either goes.
    platform::GdiObject<HBITMAP> bitmap_;
    platform::MemoryDc dc_;
    platform::SelectedObject selection_;
    std::uint32_t* pixels_ = nullptr;
    int width_ = 0, height_ = 0;
};

class SurfaceFade {
public:
    // Draws the window's own content (its drawing, images and overlay) over `area` of dc,
    // whose origin is the window's client origin.
    using Render = std::function<void(HDC dc, const RECT& area)>;
    SurfaceFade(HWND window, Render render);
    ~SurfaceFade();
    SurfaceFade(const SurfaceFade&) = delete;
    SurfaceFade& operator=(const SurfaceFade&) = delete;

    // Keeps what the window shows now (the frame on show, during a fade); what the window
    // is drawn with from now on fades in over it for `lengthMs`. 0 ends a fade under way:
    // the window shows its drawing at once.
    void begin(int lengthMs);
    bool running() const { return running_; }
    // The window's drawing changed: the fade goes on towards the new drawing.
    void drawingChanged() { targetStale_ = true; }
    // A tick of the fade's timer (WM_TIMER with kTimerId): the next frame, or the end.
    void tick();
    // Paints the frame on show over `area` of dc (WM_PAINT, WM_PRINTCLIENT); false when no
    // fade runs, and the window paints itself.
    bool paint(HDC dc, const RECT& area) const;

    static constexpr UINT_PTR kTimerId = 0x51F4;

private:
    void stop();
    RECT client() const;

    HWND window_;
    Render render_;
    PixelBuffer from_, to_, frame_;
    std::chrono::steady_clock::time_point start_;
    int lengthMs_ = 0;
    int width_ = 0, height_ = 0;
    bool running_ = false;
    bool frameShown_ = false; // frame_ holds what the window shows
    bool targetStale_ = true; // to_ must be drawn again before the next frame
};

} // namespace qs::tk::win32
