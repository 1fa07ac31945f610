#include "render/slide_sequencer.h"

#include <cmath>

namespace qs {

bool SlideSequencer::due(double now, std::int32_t delaySeconds) const {
    return (now - lastSlideTime_) * kScheduleSecondsPerDay > delaySeconds;
}

void SlideSequencer::makeNextSlideDue(double now, std::int32_t delaySeconds) {
    lastSlideTime_ = now - delaySeconds / kScheduleSecondsPerDay;
}

std::int32_t SlideSequencer::next(SlideOrder order, std::int32_t count) {
    switch (order) {
    case SlideOrder::List: {
        // Widened so that a slide number at the top of its range wraps instead of overflowing.
        const std::int64_t next = std::int64_t{current_} + 1;
        return next > count ? 1 : static_cast<std::int32_t>(next);
    }
    case SlideOrder::Random: break;
    }
    if (!drawn_) drawn_ = random_.Rnd();
    const double pick = std::floor(*drawn_ * count) + 1;
    // With a large count, r x count can round up to count itself for r just below 1.
    if (!(pick <= count)) return count > 0 ? count : 1;
    return static_cast<std::int32_t>(pick);
}

void SlideSequencer::shown(std::int32_t slide, double now) {
    current_ = slide;
    drawn_.reset();
    lastSlideTime_ = now;
}

} // namespace qs
