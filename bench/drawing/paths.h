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
using qs::platform::OwnedWindow;
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
    // What the screen should show at (x, y) at animation position t (0..1).
    std::uint32_t Expected(Effect effect, double t, int x, int y) const;
};

inline int Weight(double t) { return static_cast<int>(t * 256 + 0.5); }

class DrawingPath {
public:
    virtual ~DrawingPath() = default;
    virtual Effect Kind() const = 0;
    // Sets up, on the show's window, what the product would prepare along with the slide, and
    // shows the old slide. Empty when ready; otherwise why the path cannot run here.
    virtual std::string Prepare(HWND window) = 0;
    // Puts the frame for animation position t (0..1) on the window, with `mark` (0x00RRGGBB)
    // in its top left pixel; `next` is the next frame's position, for paths that draw ahead.
    virtual void Present(double t, double next, std::uint32_t mark) = 0;
    // False for paths whose frames cannot carry a mark of their own (the layered windows).
    virtual bool MarksFrames() const { return true; }
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
