#include "render/slide_sequencer.h"

#include <cmath>

namespace qs {
namespace {

// floor(r x count), held below count: with a large count, r x count can round up to
// count itself for r just below 1.
std::size_t Scaled(double r, std::size_t count) {
    const double pick = std::floor(r * static_cast<double>(count));
    return pick < static_cast<double>(count) ? static_cast<std::size_t>(pick) : count - 1;
}

} // namespace

bool SlideSequencer::due(double now, std::int32_t delaySeconds) const {
    return (now - lastSlideTime_) * kScheduleSecondsPerDay > delaySeconds;
}

void SlideSequencer::makeNextSlideDue(double now, std::int32_t delaySeconds) {
    lastSlideTime_ = now - delaySeconds / kScheduleSecondsPerDay;
}

double SlideSequencer::drawn() {
    if (!drawn_) drawn_ = random_.Rnd();
    return *drawn_;
}

std::int32_t SlideSequencer::next(SlideOrder order, const std::vector<Slide>& pictures) {
    const std::size_t count = pictures.size();
    pick_.reset();
    switch (order) {
    case SlideOrder::List: {
        if (furtherOn_ > 0 && count > 0) return static_cast<std::int32_t>(std::size_t(furtherOn_) % count) + 1;
        // Widened so that a slide number at the top of its range wraps instead of overflowing.
        const std::int64_t next = std::int64_t{current_} + 1;
        return next > static_cast<std::int64_t>(count) ? 1 : static_cast<std::int32_t>(next);
    }
    case SlideOrder::Random: {
        const double r = drawn();
        return count > 0 ? static_cast<std::int32_t>(Scaled(r, count)) + 1 : 1;
    }
    case SlideOrder::Shuffle: break;
    }
    return shuffled(pictures);
}

std::int32_t SlideSequencer::shuffled(const std::vector<Slide>& pictures) {
    const double r = drawn();
    if (pictures.empty()) return 1;
    const auto onShow = [&](const Slide& s) { return onShow_ && s.path == *onShow_; };
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < pictures.size(); ++i)
        if (!onShow(pictures[i]) && !shownThisRound_.contains(pictures[i].path)) open.push_back(i);
    // Every picture has shown: a new round, which does not start with the one on show.
    const bool startsRound = open.empty();
    for (std::size_t i = 0; startsRound && i < pictures.size(); ++i)
        if (!onShow(pictures[i])) open.push_back(i);
    // The list holds the picture on show alone.
    for (std::size_t i = 0; open.empty() && i < pictures.size(); ++i) open.push_back(i);
    const std::size_t index = open[Scaled(r, open.size())];
    pick_ = Pick{static_cast<std::int32_t>(index) + 1, pictures[index].path, startsRound};
    return pick_->number;
}

void SlideSequencer::shown(std::int32_t slide, double now) {
    current_ = slide;
    furtherOn_ = 0;
    if (pick_ && pick_->number == slide) {
        if (pick_->startsRound) shownThisRound_.clear();
        shownThisRound_.insert(pick_->path);
        onShow_ = pick_->path;
    }
    pick_.reset();
    drawn_.reset();
    lastSlideTime_ = now;
}

} // namespace qs
