#include "toolkit/win32/image_drift.h"

#include <algorithm>
#include <mutex>
#include <new>
#include <stop_token>
#include <thread>
#include <vector>

#include "toolkit/controls.h"
#include "toolkit/win32/wic_pictures.h"
#include "toolkit/win32/win32_common.h"
#include "toolkit/work_signal.h"

namespace qs::tk::win32 {
namespace {

// The timer looks for a finished frame at most this often; a frame is also taken as soon as
// its threads finish (they post the timer's message), but never before its moment.
constexpr UINT kFrameMs = 15;
// Frames are drawn for 60 a second, or for 30 while the picture moves less than half a pixel
// in a sixtieth (a slide on show for long): steps that small look no different at either
// rate, and the drift then takes half the processor time.
constexpr double kShortestFrameMs = 1000.0 / 60, kSlowFrameMs = 1000.0 / 30, kSlowShift = 0.5;

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

PixelSpan SpanOf(const PixelBuffer& buffer) { return {buffer.pixels(), buffer.width(), buffer.height()}; }

} // namespace

// Two threads, each drawing half the rows of the frame ordered last.
class ImageDrift::Workers {
public:
    explicit Workers(HWND window) : window_(window) {
        for (Lane& lane : lanes_) lane.thread = std::jthread([this, &lane](std::stop_token end) { run(end, lane); });
    }
    ~Workers() {
        for (Lane& lane : lanes_) {
            lane.thread.request_stop();
            lane.wake.notify();
        }
        for (Lane& lane : lanes_) lane.thread.join();
    }
    Workers(const Workers&) = delete;
    Workers& operator=(const Workers&) = delete;

    void order(const PixelSpan& source, const DriftView& view, const PixelSpan& target) {
        pending_ = 2;
        for (int i = 0; i < 2; ++i) {
            std::lock_guard lock(lanes_[i].mutex);
            lanes_[i].job = Job{source, view, target, target.height * i / 2, target.height * (i + 1) / 2};
            lanes_[i].wake.notify();
        }
    }
    bool busy() const { return pending_ > 0; }
    void wait() {
        std::unique_lock lock(doneMutex_);
        while (busy()) done_.waitFor(lock, std::chrono::milliseconds(5));
    }

private:
    struct Job {
        PixelSpan source;
        DriftView view;
        PixelSpan target;
        int y0, y1;
    };
    struct Lane {
        std::mutex mutex;
        WorkSignal wake;
        std::optional<Job> job;
        std::vector<std::uint32_t> scratch;
        std::jthread thread;
    };

    void run(const std::stop_token& end, Lane& lane) {
        std::unique_lock lock(lane.mutex);
        while (WaitForWork(lane.wake, lock, end, [&] { return lane.job.has_value(); })) {
            const Job job = *lane.job;
            lane.job.reset();
            lock.unlock();
            try {
                DriftRows(job.source, job.view, job.target, job.y0, job.y1, lane.scratch);
            } catch (const std::bad_alloc&) {
                // No room for a row's scratch: the frame keeps what it had in those rows.
            }
            if (--pending_ == 0) {
                done_.notify();
                PostMessageW(window_, WM_TIMER, kTimerId, 0);
            }
            lock.lock();
        }
    }

    HWND window_;
    std::atomic<int> pending_{0};
    std::mutex doneMutex_;
    WorkSignal done_;
    Lane lanes_[2];
};

ImageDrift::ImageDrift(HWND window) : window_(window) {}

ImageDrift::~ImageDrift() {
    if (image_ && IsWindow(window_)) KillTimer(window_, kTimerId);
}

double ImageDrift::elapsedMs() const {
    const auto at = heldSince_ ? *heldSince_ : std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(at - start_).count();
}

void ImageDrift::start(const Image& image, const DriftPath& path, int lengthMs, COLORREF back) {
    stop();
    if (workers_) workers_->wait(); // the buffers are drawn anew
    RECT client{}, shown{}, largeShown{};
    GetClientRect(window_, &client);
    const RECT dest = ControlRectPx(image);
    if (image.picture().empty() || !IntersectRect(&shown, &dest, &client)) return;
    // The picture was prepared for this place: drawing it here takes what was decoded then.
    const DisplayPlace large =
        DriftPlace({dest.left, dest.top, Width(dest), Height(dest), client.right, client.bottom});
    const RECT largeDest{large.left, large.top, large.left + large.width, large.top + large.height};
    const RECT largeClient{0, 0, large.clientWidth, large.clientHeight};
    if (!IntersectRect(&largeShown, &largeDest, &largeClient)) return;
    if (!source_.resize(Width(largeShown), Height(largeShown)) || !frames_[0].resize(Width(shown), Height(shown)) ||
        !frames_[1].resize(Width(shown), Height(shown)))
        return; // no room for the frames: the image shows still
    FillSolid(source_.dc(), RECT{0, 0, source_.width(), source_.height()}, back);
    DrawPicture(source_.dc(), image.picture(),
                RECT{largeDest.left - largeShown.left, largeDest.top - largeShown.top,
                     largeDest.right - largeShown.left, largeDest.bottom - largeShown.top},
                RECT{0, 0, source_.width(), source_.height()});
    GdiFlush();
    if (!workers_) workers_ = std::make_unique<Workers>(window_);
    image_ = &image;
    picture_ = image.picture();
    dest_ = dest;
    shown_ = shown;
    path_ = path;
    lengthMs_ = std::max(lengthMs, 0);
    ended_ = false;
    heldSince_.reset();
    start_ = std::chrono::steady_clock::now();
    // The first frame at once: the image never shows still before it drifts.
    orderFrame(0);
    workers_->wait();
    front_ ^= 1;
    ordered_ = false;
    SetTimer(window_, kTimerId, kFrameMs, nullptr);
}

void ImageDrift::stop() {
    if (!image_) return;
    image_ = nullptr;
    picture_ = Picture();
    KillTimer(window_, kTimerId);
}

void ImageDrift::hold(bool held) {
    const auto now = std::chrono::steady_clock::now();
    if (held && !heldSince_) heldSince_ = now;
    if (!held && heldSince_) {
        start_ += now - *heldSince_;
        heldSince_.reset();
    }
}

bool ImageDrift::draw(HDC dc, const Image& image, const RECT& dest) const {
    if (&image != image_ || !EqualRect(&dest, &dest_) || !(image.picture() == picture_)) return false;
    const PixelBuffer& frame = frames_[front_];
    BitBlt(dc, shown_.left, shown_.top, frame.width(), frame.height(), frame.dc(), 0, 0, SRCCOPY);
    return true;
}

void ImageDrift::orderFrame(double ms) {
    const double t = lengthMs_ > 0 ? ms / lengthMs_ : 1;
    const PixelBuffer& back = frames_[front_ ^ 1];
    workers_->order(SpanOf(source_), path_.at(t, back.width(), back.height(), source_.width(), source_.height()),
                    SpanOf(back));
    ordered_ = true;
    orderedMs_ = ms;
}

std::optional<RECT> ImageDrift::tick() {
    if (!image_ || ended_ || heldSince_) return std::nullopt;
    const double now = elapsedMs();
    if (!ordered_) {
        orderFrame(now + kShortestFrameMs);
        return std::nullopt;
    }
    // Not before its moment (less a little: the repaint takes time too).
    if (workers_->busy() || orderedMs_ > now + 2) return std::nullopt;
    front_ ^= 1;
    ordered_ = false;
    if (orderedMs_ >= lengthMs_) {
        ended_ = true; // the last frame stays
        KillTimer(window_, kTimerId);
    } else {
        // The next frame for the next tick; one drawn late goes out as soon as it is ready.
        const PixelBuffer& frame = frames_[front_];
        const double length = std::max(lengthMs_, 1);
        const double shift = path_.shift(now / length, (now + kShortestFrameMs) / length, frame.width(),
                                         frame.height(), source_.width(), source_.height());
        orderFrame(std::min<double>(now + (shift < kSlowShift ? kSlowFrameMs : kShortestFrameMs), lengthMs_));
    }
    return shown_;
}

} // namespace qs::tk::win32
