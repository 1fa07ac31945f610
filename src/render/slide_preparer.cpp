#include "render/slide_preparer.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <mutex>
#include <utility>

#include "render/fit_box.h"
#include "toolkit/application.h"
#include "toolkit/work_signal.h"

namespace qs {
namespace {

std::atomic<bool> g_threadsLeftBehind{false};

// Twips to pixels as the drawing code rounds them.
int Pixels(float twips, float twipsPerPixel) {
    return static_cast<int>(std::lround(twips / (twipsPerPixel > 0 ? twipsPerPixel : 15.0f)));
}

// A request as the thread takes it, with the stop that ends it when it is no longer wanted.
struct Order {
    std::uint64_t serial = 0;
    PrepareRequest request;
    std::stop_token stop;
};

// What the thread hands the window thread, for the order of that serial number.
struct Result {
    std::uint64_t serial = 0;
    std::optional<tk::Picture> picture; // nullopt when it did not load
    bool preparingAgain = false;        // no picture yet: the order is being prepared again
};

// The order's picture, and in `stamp` its file as it was read.
std::optional<tk::Picture> Prepare(tk::Backend& backend, const Order& order, std::optional<FileStamp>& stamp) {
    const PrepareRequest& request = order.request;
    stamp = backend.fileStamp(request.slide.path, order.stop);
    if (request.slide.path.empty() || order.stop.stop_requested()) return std::nullopt;
    return backend.preparePicture({request.slide.path, request.surface.twipsPerPixelX,
                                   request.surface.twipsPerPixelY,
                                   [&](const tk::Picture& p) { return PlaceOf(p, request); }, order.stop,
                                   request.allFormats, request.dateTaken});
}

} // namespace

struct SlidePreparer::Channel {
    std::mutex mutex;
    tk::WorkSignal wake;
    std::optional<Order> order;     // waiting for the thread
    std::optional<Result> finished; // waiting for the window thread
    bool lookAgain = false;         // the prepared slide's turn is near
    bool busy = false;              // the thread is at work, outside the mutex

    // The thread. It holds the channel and what it was given, never the preparer, which
    // may be gone before it returns.
    static void Work(std::stop_token end, std::shared_ptr<Channel> self, tk::Backend& backend,
                     std::function<void()> ready);
};

void SlidePreparer::Channel::Work(std::stop_token end, std::shared_ptr<Channel> self, tk::Backend& backend,
                                  std::function<void()> ready) {
    const std::unique_ptr<tk::WorkerThreadScope> system = backend.enterWorkerThread();
    Channel& c = *self;
    // The prepared slide waiting for its turn, whose file is looked at again.
    struct Watch {
        Order order;
        std::optional<FileStamp> stamp;
        bool preparedAgain = false;
    };
    std::optional<Watch> watch;
    std::unique_lock lock(c.mutex);
    for (;;) {
        if (!tk::WaitForWork(c.wake, lock, end, [&c] { return c.order.has_value() || c.lookAgain; })) return;
        c.lookAgain = false;
        std::optional<Order> taken = std::exchange(c.order, std::nullopt);
        if (taken) watch.reset();
        if (!taken && !watch) continue; // nothing prepared to look at
        const Order& order = taken ? *taken : watch->order; // the order at hand
        const std::stop_token stop = order.stop;
        Result result{order.serial, std::nullopt, false};
        bool report = true;
        c.busy = true;
        lock.unlock();
        // The thread's one boundary: whatever fails here (an exception of any kind; a failed
        // call gives no picture anyway) makes a failed slide, and nothing leaves the thread.
        try {
            std::optional<FileStamp> stamp;
            if (taken) {
                result.picture = Prepare(backend, *taken, stamp);
                watch = Watch{std::move(*taken), stamp, false};
            } else {
                switch (LookAgain(watch->stamp, backend.fileStamp(watch->order.request.slide.path, stop),
                                  watch->preparedAgain)) {
                case FileVerdict::Keep: report = false; break;
                case FileVerdict::Gone: watch->stamp.reset(); break;
                case FileVerdict::PrepareAgain:
                    { // the window waits for it rather than show what the file no longer holds
                        const std::lock_guard note(c.mutex);
                        c.finished = Result{order.serial, std::nullopt, true};
                        ready();
                    }
                    result.picture = Prepare(backend, watch->order, stamp);
                    watch->stamp = stamp;
                    watch->preparedAgain = true;
                    break;
                }
            }
        } catch (...) {
            result.picture.reset();
            watch.reset();
        }
        lock.lock();
        c.busy = false;
        // A newer request or the end makes it worthless: dropped at once, not kept beside it.
        if (!report || stop.stop_requested() || c.order) continue;
        c.finished = std::move(result);
        ready();
    }
}

tk::DisplayPlace PlaceOf(const tk::Picture& picture, const PrepareRequest& request) {
    const SurfaceGeometry& s = request.surface;
    const Slide& slide = request.slide;
    const ElementBox e = FitBox(tk::NaturalTwips(picture.himetricWidth(), s.twipsPerPixelX),
                                tk::NaturalTwips(picture.himetricHeight(), s.twipsPerPixelY), s.width, s.scaleWidth,
                                s.scaleHeight, s.screenWidth, slide.center, slide.hStretch, slide.vStretch);
    const tk::DisplayPlace place{Pixels(e.left, s.twipsPerPixelX),       Pixels(e.top, s.twipsPerPixelY),
                                 Pixels(e.width, s.twipsPerPixelX),      Pixels(e.height, s.twipsPerPixelY),
                                 Pixels(s.scaleWidth, s.twipsPerPixelX), Pixels(s.scaleHeight, s.twipsPerPixelY)};
    return request.drift ? tk::DriftPlace(place) : place;
}

PrepareRequest RequestFor(const Slide& slide, const tk::Surface& surface, const ShowOptions& options) {
    return PrepareRequest{slide,
                          {surface.surfaceWidth(), surface.surfaceClientWidth(), surface.surfaceClientHeight(),
                           surface.screenWidth(), tk::TwipsPerPixelX(), tk::TwipsPerPixelY()},
                          options.allFormats, options.captionDate, options.panZoom};
}

SlidePreparer::SlidePreparer(tk::Backend& backend, std::function<void()> ready)
    : backend_(backend), ready_(std::move(ready)) {
    startThread();
}

SlidePreparer::~SlidePreparer() {
    current_.request_stop(); // a decode stops at its next band, a blocked file call is cancelled
    thread_.request_stop();
    channel_->wake.notify();
    bool busy = false;
    {
        std::lock_guard lock(channel_->mutex);
        busy = channel_->busy;
    }
    // An idle thread returns at once and is joined; a busy one may be inside a decode that
    // cannot be interrupted, which the window does not wait for.
    if (busy) leaveThreadBehind();
}

bool SlidePreparer::threadsLeftBehind() { return g_threadsLeftBehind.load(); }

void SlidePreparer::startThread() {
    channel_ = std::make_shared<Channel>();
    thread_ = std::jthread(&Channel::Work, channel_, std::ref(backend_), ready_);
}

void SlidePreparer::leaveThreadBehind() {
    current_.request_stop();
    thread_.request_stop();
    thread_.detach();
    g_threadsLeftBehind = true;
}

void SlidePreparer::collect() {
    std::optional<Result> done;
    {
        std::lock_guard lock(channel_->mutex);
        done = std::exchange(channel_->finished, std::nullopt);
    }
    if (!done || done->serial != serial_) return;
    if (done->preparingAgain) {
        job_.preparingAgain(*ordered_);
        picture_.reset();
    } else if (job_.finish(*ordered_, done->picture.has_value())) {
        picture_ = std::move(done->picture);
    }
}

void SlidePreparer::prepare(const PrepareRequest& request) {
    for (const Kept& kept : kept_)
        if (kept.request == request) return;
    if (!job_.start(request)) return;
    picture_.reset();
    current_.request_stop(); // what the thread prepares now is not wanted any more
    current_ = std::stop_source();
    ordered_ = request;
    {
        std::lock_guard lock(channel_->mutex);
        channel_->order = Order{++serial_, request, current_.get_token()};
        channel_->finished.reset();
    }
    channel_->wake.notify();
}

DueAction SlidePreparer::atDue(const PrepareRequest& request, double now, std::int32_t delaySeconds) {
    // The ready notice brings what is finished at once; taken here too, so that no slide
    // hangs on a message.
    collect();
    due_ = request;
    const auto kept = std::find_if(kept_.begin(), kept_.end(), [&](const Kept& k) { return k.request == request; });
    fromKept_ = kept != kept_.end();
    if (fromKept_) {
        std::rotate(kept_.begin(), kept, kept + 1); // to the front: what slideShown() takes
        return DueAction::ShowPicture;
    }
    const DueAction action = job_.atDue(request, now, delaySeconds);
    if (action == DueAction::GiveUp) {
        // Its thread may be blocked where no stop reaches it: a new one takes the next slide.
        leaveThreadBehind();
        startThread();
    } else if (action == DueAction::Wait) {
        prepare(request);
    }
    return action;
}

void SlidePreparer::lookAgain() {
    {
        std::lock_guard lock(channel_->mutex);
        channel_->lookAgain = true;
    }
    channel_->wake.notify();
}

void SlidePreparer::slideShown() {
    if (fromKept_) return; // what the thread prepared, for another slide, stays
    if (keepsShown_ && picture_ && due_) {
        kept_.push_front(Kept{*due_, *picture_});
        if (kept_.size() > 2) kept_.pop_back();
    }
    job_.clear();
    picture_.reset();
}

} // namespace qs
