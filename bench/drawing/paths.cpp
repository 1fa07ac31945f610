#include "paths.h"

#include <cmath>

namespace bench {

Dib::Dib(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    dc_ = MemoryDc(nullptr);
    selected_ = SelectedObject(dc_.get(), bitmap_.get());
    view_ = {static_cast<std::uint32_t*>(bits), width, height};
}

Scene::Scene(int w, int h)
    : width(w), height(h), from(w, h), to(w, h), fromLarge(PreparedSize(w), PreparedSize(h)),
      toLarge(PreparedSize(w), PreparedSize(h)) {
    FillScene(from.View(), true, 1);
    FillScene(to.View(), false, 1);
    FillScene(fromLarge.View(), true, kMaxZoom);
    FillScene(toLarge.View(), false, kMaxZoom);
}

PanView Scene::FromView(double t) const {
    return fromPan.At(t, width, height, fromLarge.View().width, fromLarge.View().height);
}
PanView Scene::ToView(double t) const {
    return toPan.At(t, width, height, toLarge.View().width, toLarge.View().height);
}

void RenderRows(const Scene& scene, Effect effect, double t, int shrink, PixelView target, int y0, int y1,
                std::vector<std::uint32_t>& scratch) {
    const auto scaled = [shrink](PanView view) {
        view.scale *= shrink;
        return view;
    };
    switch (effect) {
    case Effect::Cut:
    case Effect::Fade:
        BlendRows(scene.from.View(), scene.to.View(), Weight(t), target, y0, y1);
        break;
    case Effect::Pan:
        PanRows(scene.toLarge.View(), scaled(scene.ToView(t)), target, y0, y1, scratch);
        break;
    case Effect::FadePan:
        FadePanRows(scene.fromLarge.View(), scaled(scene.FromView(t)), scene.toLarge.View(), scaled(scene.ToView(t)),
                    Weight(t), target, y0, y1, scratch);
        break;
    }
}

Worker::Worker()
    : go_(CreateEventW(nullptr, FALSE, FALSE, nullptr)), done_(CreateEventW(nullptr, TRUE, TRUE, nullptr)),
      thread_(CreateThread(nullptr, 0, &Worker::Main, this, 0, nullptr)) {}

Worker::~Worker() {
    WaitForSingleObject(done_.get(), INFINITE);
    Start(nullptr); // an empty job ends the thread
    WaitForSingleObject(thread_.get(), INFINITE);
}

void Worker::Start(std::function<void()> job) {
    job_ = std::move(job);
    ResetEvent(done_.get());
    SetEvent(go_.get());
}

DWORD WINAPI Worker::Main(void* self) {
    auto& worker = *static_cast<Worker*>(self);
    for (;;) {
        WaitForSingleObject(worker.go_.get(), INFINITE);
        if (!worker.job_) return 0;
        worker.job_();
        SetEvent(worker.done_.get());
    }
}

void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void WaitPumping(HANDLE object) {
    while (MsgWaitForMultipleObjects(1, &object, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) PumpMessages();
}

namespace {

// Everything a path draws goes to the window through its DC, kept for the run (CS_OWNDC-like).
class WindowPath : public DrawingPath {
public:
    explicit WindowPath(const Scene& scene) : scene_(scene) {}
    ~WindowPath() override {
        if (dc_) ReleaseDC(window_, dc_);
    }
    std::string Prepare(HWND window) override {
        window_ = window;
        dc_ = GetDC(window);
        if (!dc_) return "no window DC";
        Blit(scene_.from);
        return Setup();
    }

protected:
    virtual std::string Setup() { return {}; }
    bool Blit(const Dib& dib) const {
        return BitBlt(dc_, 0, 0, scene_.width, scene_.height, dib.Dc(), 0, 0, SRCCOPY) != FALSE;
    }
    const Scene& scene_;
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
};

// The baseline: the new slide in one BitBlt halfway through, nothing drawn before or after.
class CutPath : public WindowPath {
public:
    using WindowPath::WindowPath;
    bool Present(double t, double) override {
        if (t < 0.5 || shown_) return false;
        shown_ = true;
        return Blit(scene_.to);
    }

private:
    bool shown_ = false;
};

// GDI's own blending: the old slide copied to a back buffer, the new one AlphaBlended over it
// at the fade's weight, the result copied to the window.
class AlphaBlendFade : public WindowPath {
public:
    explicit AlphaBlendFade(const Scene& scene) : WindowPath(scene), back_(scene.width, scene.height) {}
    bool Present(double t, double) override {
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(std::lround(t * 255)), 0};
        BitBlt(back_.Dc(), 0, 0, scene_.width, scene_.height, scene_.from.Dc(), 0, 0, SRCCOPY);
        AlphaBlend(back_.Dc(), 0, 0, scene_.width, scene_.height, scene_.to.Dc(), 0, 0, scene_.width, scene_.height,
                   blend);
        return Blit(back_);
    }

private:
    Dib back_;
};

// StretchBlt from the prepared larger slide: the source rectangle is whole pixels, so the
// view moves and zooms in steps of one source pixel.
class StretchPan : public WindowPath {
public:
    StretchPan(const Scene& scene, int mode) : WindowPath(scene), mode_(mode) {}
    std::string Setup() override {
        SetStretchBltMode(dc_, mode_);
        SetBrushOrgEx(dc_, 0, 0, nullptr);
        return {};
    }
    bool Present(double t, double) override {
        const PanView view = scene_.ToView(t);
        const int w = static_cast<int>(std::lround(scene_.width * view.scale));
        const int h = static_cast<int>(std::lround(scene_.height * view.scale));
        return StretchBlt(dc_, 0, 0, scene_.width, scene_.height, scene_.toLarge.Dc(), static_cast<int>(std::lround(view.x)),
                          static_cast<int>(std::lround(view.y)), w, h, SRCCOPY) != FALSE;
    }

private:
    int mode_;
};

// Where the CPU's drawing runs: on the window thread; split with a helper thread while the
// window thread waits; or ahead on a worker (alone or split in two) while the window thread
// only copies the frame drawn during the last tick.
enum class Mode { Inline, Split, Ahead, AheadSplit };

class CpuPath : public WindowPath {
public:
    CpuPath(const Scene& scene, Effect effect, Mode mode, int shrink)
        : WindowPath(scene), effect_(effect), mode_(mode), shrink_(shrink) {
        for (auto& buffer : buffers_) buffer = std::make_unique<Dib>(scene.width / shrink, scene.height / shrink);
    }
    std::string Setup() override {
        SetStretchBltMode(dc_, COLORONCOLOR);
        return {};
    }
    bool Present(double t, double next) override {
        if (mode_ == Mode::Inline || mode_ == Mode::Split) {
            Draw(t, *buffers_[0], mode_ == Mode::Split, true);
            return Show(*buffers_[0]);
        }
        // The first tick only starts the worker; a frame not ready at its tick goes out as soon
        // as it is, the window thread handling messages meanwhile.
        const bool drawn = pending_;
        if (pending_) {
            WaitPumping(ahead_.Done());
            Show(*buffers_[current_]);
            current_ ^= 1;
        }
        Dib& target = *buffers_[current_];
        ahead_.Start([this, next, &target] { Draw(next, target, mode_ == Mode::AheadSplit, false); });
        pending_ = true;
        return drawn;
    }

private:
    void Draw(double t, Dib& target, bool split, bool pumping) {
        const PixelView view = target.View();
        const int half = view.height / 2;
        if (split) helper_.Start([=, this] { RenderRows(scene_, effect_, t, shrink_, view, half, view.height, helperRow_); });
        RenderRows(scene_, effect_, t, shrink_, view, 0, split ? half : view.height, row_);
        if (!split) return;
        if (pumping) WaitPumping(helper_.Done());
        else WaitForSingleObject(helper_.Done(), INFINITE);
    }
    bool Show(const Dib& frame) const {
        if (shrink_ == 1) return Blit(frame);
        return StretchBlt(dc_, 0, 0, scene_.width, scene_.height, frame.Dc(), 0, 0, frame.View().width,
                          frame.View().height, SRCCOPY) != FALSE;
    }
    Effect effect_;
    Mode mode_;
    int shrink_;
    std::unique_ptr<Dib> buffers_[2];
    int current_ = 0;
    bool pending_ = false;
    std::vector<std::uint32_t> row_, helperRow_;
    Worker helper_, ahead_; // the last members: their threads end before the buffers go
};

template <class Path, class... Args>
PathEntry Entry(std::string name, Args... args) {
    return {std::move(name), [=](const Scene& scene) -> std::unique_ptr<DrawingPath> {
                return std::make_unique<Path>(scene, args...);
            }};
}

PathEntry Cpu(std::string name, Effect effect, Mode mode, int shrink = 1) {
    return Entry<CpuPath>(std::move(name), effect, mode, shrink);
}

PathEntry D2D(std::string name, Effect effect) {
    return {std::move(name), [=](const Scene& scene) { return MakeDirect2DPath(scene, effect); }};
}

} // namespace

std::vector<PathEntry> AllPaths() {
    return {
        Entry<CutPath>("cut (baseline)"),
        Entry<AlphaBlendFade>("fade: GDI AlphaBlend, back buffer"),
        Cpu("fade: CPU blend, window thread", Effect::Fade, Mode::Inline),
        Cpu("fade: CPU blend, split in 2 threads", Effect::Fade, Mode::Split),
        Cpu("fade: CPU blend, worker ahead", Effect::Fade, Mode::Ahead),
        D2D("fade: Direct2D DrawBitmap opacity", Effect::Fade),
        Entry<StretchPan>("pan: GDI StretchBlt HALFTONE", HALFTONE),
        Entry<StretchPan>("pan: GDI StretchBlt COLORONCOLOR", COLORONCOLOR),
        Cpu("pan: CPU bilinear, window thread", Effect::Pan, Mode::Inline),
        Cpu("pan: CPU bilinear, split in 2 threads", Effect::Pan, Mode::Split),
        Cpu("pan: CPU bilinear, worker ahead", Effect::Pan, Mode::Ahead),
        Cpu("pan: CPU bilinear, 2 workers ahead", Effect::Pan, Mode::AheadSplit),
        Cpu("pan: CPU bilinear half res, worker ahead", Effect::Pan, Mode::Ahead, 2),
        D2D("pan: Direct2D DrawBitmap linear", Effect::Pan),
        Cpu("fade+pan: CPU, split in 2 threads", Effect::FadePan, Mode::Split),
        Cpu("fade+pan: CPU, 2 workers ahead", Effect::FadePan, Mode::AheadSplit),
    };
}

} // namespace bench
