#include "render/slide_prefetch.h"

#include <cmath>

namespace qs {

std::int32_t SlidePrefetch::nextSlide(bool random, std::int32_t count, std::int32_t current,
                                      const std::function<double()>& draw) {
    if (!random) {
        // Widened so that a slide number at the top of its range wraps instead of overflowing.
        const std::int64_t next = std::int64_t{current} + 1;
        return next > count ? 1 : static_cast<std::int32_t>(next);
    }
    if (!drawn_) drawn_ = draw();
    const double pick = std::floor(*drawn_ * count) + 1;
    // With a large count, r * count can round up to count itself for r just below 1;
    // an empty list gives 1.
    if (!(pick <= count)) return count > 0 ? count : 1;
    return static_cast<std::int32_t>(pick);
}

bool SlidePrefetch::order(const SlideKey& key) {
    if (job_ && job_->key == key) return false;
    job_ = Job{key, State::Preparing, std::nullopt};
    return true;
}

bool SlidePrefetch::prepared(const SlideKey& key, bool loaded, const std::optional<FileStamp>& stamp) {
    if (!job_ || !(job_->key == key) || job_->state != State::Preparing) return false;
    job_->state = loaded ? State::Loaded : State::Failed;
    job_->stamp = stamp;
    return true;
}

DueAction SlidePrefetch::atDue(const SlideKey& key, const std::optional<FileStamp>& stamp) {
    if (job_ && job_->key == key) {
        if (job_->state == State::Preparing) return DueAction::Wait;
        // A file that cannot be stamped (a device, say) is taken as it was prepared.
        if (job_->stamp == stamp) return job_->state == State::Loaded ? DueAction::ShowPicture : DueAction::ShowText;
        if (!stamp) {
            // The file went after it was prepared: nothing can be shown.
            job_.reset();
            return DueAction::ShowText;
        }
    }
    // Prepared for another slide, surface or options, or from the file as it was before.
    job_.reset();
    return DueAction::Wait;
}

void SlidePrefetch::takeSlide() {
    drawn_.reset();
    job_.reset();
}

} // namespace qs
