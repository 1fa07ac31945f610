#include "render/slide_preparer.h"

#include <cmath>
#include <utility>

#include "render/fit_box.h"

namespace qs {
namespace {

// Twips to pixels as the drawing code rounds them.
int Pixels(float twips, float twipsPerPixel) {
    return static_cast<int>(std::lround(twips / (twipsPerPixel > 0 ? twipsPerPixel : 15.0f)));
}

tk::DisplayPlace PlaceOf(const tk::Picture& picture, const PrepareRequest& request) {
    const SurfaceGeometry& s = request.surface;
    const Slide& slide = request.slide;
    const ElementBox e = FitBox(tk::NaturalTwips(picture.himetricWidth(), s.twipsPerPixelX),
                                tk::NaturalTwips(picture.himetricHeight(), s.twipsPerPixelY), s.width, s.scaleWidth,
                                s.scaleHeight, s.screenWidth, slide.center, slide.hStretch, slide.vStretch);
    return tk::DisplayPlace{Pixels(e.left, s.twipsPerPixelX),       Pixels(e.top, s.twipsPerPixelY),
                            Pixels(e.width, s.twipsPerPixelX),      Pixels(e.height, s.twipsPerPixelY),
                            Pixels(s.scaleWidth, s.twipsPerPixelX), Pixels(s.scaleHeight, s.twipsPerPixelY)};
}

} // namespace

SlidePreparer::SlidePreparer() : thread_([this](std::stop_token stop) { run(stop); }) {}

SlidePreparer::Prepared SlidePreparer::Prepare(const PrepareRequest& request) {
    const std::string& path = request.slide.path;
    Prepared prepared{request, std::nullopt, tk::PictureFileStamp(path)};
    if (!path.empty()) {
        prepared.picture = tk::PreparePicture(path, [&](const tk::Picture& p) { return PlaceOf(p, request); });
    }
    return prepared;
}

void SlidePreparer::collect() {
    std::optional<Prepared> done;
    {
        std::lock_guard lock(mutex_);
        done = std::exchange(finished_, std::nullopt);
    }
    if (done && job_.finish(done->request, done->picture.has_value(), done->stamp)) picture_ = std::move(done->picture);
}

void SlidePreparer::prepare(const PrepareRequest& request) {
    if (!job_.start(request)) return;
    picture_.reset();
    {
        std::lock_guard lock(mutex_);
        request_ = request;
        finished_.reset(); // what was prepared before is not wanted any more
    }
    wake_.notify_one();
}

DueAction SlidePreparer::atDue(const PrepareRequest& request) {
    const DueAction action = job_.atDue(request, tk::PictureFileStamp(request.slide.path));
    if (action == DueAction::Wait) prepare(request);
    return action;
}

void SlidePreparer::slideShown() {
    job_.clear();
    picture_.reset();
}

void SlidePreparer::run(std::stop_token stop) {
    std::unique_lock lock(mutex_);
    for (;;) {
        // A stop ends the thread even with a request waiting: the window is gone.
        wake_.wait(lock, stop, [this] { return request_.has_value(); });
        if (stop.stop_requested()) return;
        const PrepareRequest request = *std::exchange(request_, std::nullopt);
        lock.unlock();
        Prepared prepared = Prepare(request);
        lock.lock();
        // A newer request makes this one worthless: dropped at once, not kept beside it.
        if (!request_ && !stop.stop_requested()) finished_ = std::move(prepared);
    }
}

} // namespace qs
