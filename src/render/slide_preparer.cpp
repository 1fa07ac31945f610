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

tk::DisplayPlace PlaceOf(const tk::Picture& picture, const SlideKey& key) {
    const SurfaceGeometry& s = key.surface;
    const ElementBox e = FitBox(tk::NaturalTwips(picture.Width(), s.twipsPerPixelX),
                                tk::NaturalTwips(picture.Height(), s.twipsPerPixelY), s.width, s.scaleWidth,
                                s.scaleHeight, s.screenWidth, key.center, key.hStretch, key.vStretch);
    return tk::DisplayPlace{Pixels(e.left, s.twipsPerPixelX),       Pixels(e.top, s.twipsPerPixelY),
                            Pixels(e.width, s.twipsPerPixelX),      Pixels(e.height, s.twipsPerPixelY),
                            Pixels(s.scaleWidth, s.twipsPerPixelX), Pixels(s.scaleHeight, s.twipsPerPixelY)};
}

} // namespace

PreparedSlide PrepareSlide(const SlideKey& key) {
    PreparedSlide slide{key, std::nullopt, tk::PictureFileStamp(key.path)};
    if (!key.path.empty())
        slide.picture = tk::PreparePicture(key.path, [&](const tk::Picture& p) { return PlaceOf(p, key); });
    return slide;
}

SlidePreparer::SlidePreparer() : thread_([this] { run(); }) {}

SlidePreparer::~SlidePreparer() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        request_.reset();
    }
    wake_.notify_one();
    thread_.join();
}

void SlidePreparer::prepare(const SlideKey& key) {
    {
        std::lock_guard lock(mutex_);
        request_ = key;
        finished_.reset(); // what was prepared before is not wanted any more
    }
    wake_.notify_one();
}

std::optional<PreparedSlide> SlidePreparer::takeFinished() {
    std::lock_guard lock(mutex_);
    return std::exchange(finished_, std::nullopt);
}

void SlidePreparer::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || request_; });
        if (stopping_) return;
        const SlideKey key = *std::exchange(request_, std::nullopt);
        lock.unlock();
        PreparedSlide slide = PrepareSlide(key);
        lock.lock();
        // A newer request makes this one worthless: dropped at once, not kept beside it.
        if (!request_ && !stopping_) finished_ = std::move(slide);
    }
}

} // namespace qs
