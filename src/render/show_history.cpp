#include "render/show_history.h"

#include <algorithm>

namespace qs {

void ShowHistory::shown(const Slide& slide) {
    const int way = comingWay();
    if (neighbour(way)) {
        onShow_ = way < 0 ? onShow_ - 1 : onShow_ + 1;
    } else {
        shown_.push_back(slide);
        if (shown_.size() > kShowHistoryLength) shown_.pop_front();
        onShow_ = shown_.size() - 1;
    }
    if (waitingStep() == way) waiting_ -= way;
}

const Slide* ShowHistory::neighbour(int direction) const {
    if (direction < 0) return onShow_ > 0 ? &shown_[onShow_ - 1] : nullptr;
    return onShow_ + 1 < shown_.size() ? &shown_[onShow_ + 1] : nullptr;
}

void ShowHistory::askStep(int direction) {
    const int backmost = -static_cast<int>(std::min<std::size_t>(onShow_, kMaxWaitingSteps));
    waiting_ = std::clamp(waiting_ + direction, backmost, kMaxWaitingSteps);
}

} // namespace qs
