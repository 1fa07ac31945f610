#include "toolkit/win32/surface_fade.h"

#include <algorithm>
#include <utility>

#include "toolkit/cross_fade.h"

namespace qs::tk::win32 {

namespace {
// The timer's interval: about 60 frames a second where the system keeps to it; a frame that
// comes late takes its weight from the clock, so the fade keeps its length.
constexpr UINT kFrameMs = 15;
} // namespace

bool PixelBuffer::resize(int width, int height) {
    if (dc_ && width == width_ && height == height_) return true;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    platform::GdiObject<HBITMAP> bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    platform::MemoryDc dc(nullptr);
    if (!bitmap || !dc || !bits) return false;
    selection_ = platform::SelectedObject(dc.get(), bitmap.get());
    dc_ = std::move(dc);
    bitmap_ = std::move(bitmap);
    pixels_ = static_cast<std::uint32_t*>(bits);
    width_ = width;
    height_ = height;
    return true;
}

SurfaceFade::SurfaceFade(HWND window, Render render) : window_(window), render_(std::move(render)) {}

SurfaceFade::~SurfaceFade() {
    if (running_ && IsWindow(window_)) KillTimer(window_, kTimerId);
}

RECT SurfaceFade::client() const {
    RECT r{};
    GetClientRect(window_, &r);
    return r;
}

void SurfaceFade::begin(int lengthMs) {
    const RECT area = client();
    const bool fromFrame = running_ && frameShown_ && area.right == width_ && area.bottom == height_;
    if (lengthMs <= 0 || area.right <= 0 || area.bottom <= 0) {
        stop();
        return;
    }
    if (!from_.resize(area.right, area.bottom) || !to_.resize(area.right, area.bottom) ||
        !frame_.resize(area.right, area.bottom)) {
        stop(); // no room for the buffers: a cut
        return;
    }
    // The old picture is what the window shows: the frame on show when a fade was under
    // way (its old picture still, before its first frame), else the window's own drawing.
    if (fromFrame) {
        std::copy_n(frame_.pixels(), static_cast<std::size_t>(width_) * height_, from_.pixels());
    } else if (!running_ || area.right != width_ || area.bottom != height_) {
        render_(from_.dc(), area);
        GdiFlush();
    }
    width_ = area.right;
    height_ = area.bottom;
    lengthMs_ = lengthMs;
    start_ = std::chrono::steady_clock::now();
    frameShown_ = false;
    targetStale_ = true;
    if (!running_) SetTimer(window_, kTimerId, kFrameMs, nullptr);
    running_ = true;
}

void SurfaceFade::stop() {
    if (!running_) return;
    running_ = false;
    KillTimer(window_, kTimerId);
    InvalidateRect(window_, nullptr, FALSE); // the window's own drawing again
}

void SurfaceFade::tick() {
    const RECT area = client();
    if (!running_ || area.right != width_ || area.bottom != height_) {
        stop(); // resized meanwhile: the new size shows at once
        return;
    }
    const double elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_).count();
    const int weight = FadeWeight(elapsed, lengthMs_);
    if (weight >= kFullFadeWeight) {
        stop();
        return;
    }
    if (targetStale_) {
        render_(to_.dc(), area);
        GdiFlush();
        targetStale_ = false;
    }
    BlendPixels(from_.pixels(), to_.pixels(), frame_.pixels(), static_cast<std::size_t>(width_) * height_, weight);
    frameShown_ = true;
    const platform::WindowDc dc(window_);
    if (dc) BitBlt(dc.get(), 0, 0, width_, height_, frame_.dc(), 0, 0, SRCCOPY);
}

bool SurfaceFade::paint(HDC dc, const RECT& area) const {
    if (!running_) return false;
    const PixelBuffer& shown = frameShown_ ? frame_ : from_;
    BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, shown.dc(), area.left, area.top,
           SRCCOPY);
    return true;
}

} // namespace qs::tk::win32
