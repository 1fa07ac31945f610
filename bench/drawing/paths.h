// The candidate ways of putting a fade or a pan and zoom on a full-screen window, each behind
// one small interface so that the benchmark times them all with the same loop.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/scoped.h"
#include "rendering.h"

namespace bench {

using qs::platform::GdiObject;
using qs::platform::KernelHandle;
using qs::platform::MemoryDc;
using qs::platform::SelectedObject;

// A top-down 32-bit DIB section in a memory DC of its own: GDI draws from it, our code into it.
class Dib {
public:
    Dib(int width, int height);
    HDC Dc() const { return dc_.get(); }
    PixelView View() const { return view_; }

private:
    GdiObject<HBITMAP> bitmap_;
    MemoryDc dc_{nullptr};
    SelectedObject selected_;
    PixelView view_;
};

enum class Effect { Cut, Fade, Pan, FadePan };

// The two slides of every run: at the screen's size for the fade, and prepared larger for the
// pan and zoom, each with a drift of its own (the old one zooms in, the new one out).
struct Scene {
    Scene(int width, int height);
    int width, height;
    Dib from, to, fromLarge, toLarge;
    PanPath fromPan{0.1, 0.2, 0.9, 0.7, 1.0, kMaxZoom}, toPan{0.8, 0.9, 0.2, 0.1, kMaxZoom, 1.0};
    PanView FromView(double t) const;
    PanView ToView(double t) const;
};

inline int Weight(double t) { return static_cast<int>(t * 256 + 0.5); }

// Rows [y0, y1) of the frame at t (0..1) drawn on the CPU into `target`, whose pixel spans
// `shrink` screen pixels (2 draws at half resolution; the pan only).
void RenderRows(const Scene& scene, Effect effect, double t, int shrink, PixelView target, int y0, int y1,
                std::vector<std::uint32_t>& scratch);

// A thread that runs one job at a time; Done() is signalled while it is idle.
class Worker {
public:
    Worker();
    ~Worker();
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;
    void Start(std::function<void()> job);
    HANDLE Done() const { return done_.get(); }

private:
    static DWORD WINAPI Main(void* self);
    std::function<void()> job_;
    KernelHandle go_, done_, thread_;
};

class DrawingPath {
public:
    virtual ~DrawingPath() = default;
    // Sets up, on the show's window, what the product would prepare along with the slide, and
    // shows the old slide. Empty when ready; otherwise why the path cannot run here.
    virtual std::string Prepare(HWND window) = 0;
    // Puts the frame for animation position t (0..1) on the window; `next` is the position at
    // the next tick, for paths that draw ahead. False when no new frame went out this tick.
    virtual bool Present(double t, double next) = 0;
    // Why frames stopped, for paths that can fail midway (Direct2D).
    virtual std::string Trouble() const { return {}; }
};

struct PathEntry {
    std::string name;
    std::function<std::unique_ptr<DrawingPath>(const Scene&)> make;
};
// The cut, the baseline, first; then every candidate.
std::vector<PathEntry> AllPaths();
std::unique_ptr<DrawingPath> MakeDirect2DPath(const Scene& scene, Effect effect);

// The window thread's side of waiting: every message that comes is handled meanwhile.
void PumpMessages();
void WaitPumping(HANDLE object);

} // namespace bench
