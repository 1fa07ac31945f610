#include "render/show_history.h"

#include <algorithm>

namespace qs {

void ShowHistory::add(const Slide& slide) {
    if (!shown_.empty()) shown_.erase(shown_.begin() + static_cast<std::ptrdiff_t>(onShow_) + 1, shown_.end());
    shown_.push_back(slide);
    if (shown_.size() > kShowHistoryLength) shown_.pop_front();
    onShow_ = shown_.size() - 1;
    if (waiting_ > 0) --waiting_;
}

const Slide* ShowHistory::neighbour(int direction) const {
    if (direction < 0) return onShow_ > 0 ? &shown_[onShow_ - 1] : nullptr;
    return onShow_ + 1 < shown_.size() ? &shown_[onShow_ + 1] : nullptr;
}

void ShowHistory::step(int direction) {
    if (!neighbour(direction)) return;
    onShow_ = direction < 0 ? onShow_ - 1 : onShow_ + 1;
    if (waitingStep() == direction) waiting_ -= direction;
}

void ShowHistory::askStep(int direction) {
    const int backmost = -static_cast<int>(std::min<std::size_t>(onShow_, kMaxWaitingSteps));
    waiting_ = std::clamp(waiting_ + direction, backmost, kMaxWaitingSteps);
}

} // namespace qs
