#include <algorithm>

#include "toolkit/controls.h"
#include "toolkit/change.h"
#include "toolkit/handler_call.h"

namespace qs::tk {

namespace {

// Min may lie above Max (a reversed bar); the value stays between the two either way.
// Wide arithmetic: a step added to a value near the end of int must not overflow.
int ClampToRange(long long v, int min, int max) {
    return static_cast<int>(std::clamp<long long>(v, std::min(min, max), std::max(min, max)));
}

// One step "up" moves towards Min, whichever way round the range is.
long long TowardsMin(int min, int max, int step) { return min <= max ? -static_cast<long long>(step) : step; }

} // namespace

VScrollBar::VScrollBar(Container& container, std::string name, float left, float top, float width, float height,
                       int min, int max, int value, int index)
    : Control(Kind::VScrollBar, container, std::move(name), index, left, top, width, height), min_(min), max_(max),
      value_(ClampToRange(value, min, max)) {}

void VScrollBar::setMin(int v) {
    if (!detail::Replace(min_, v)) return;
    notify(Prop::Range);
    setValue(value_);
}

void VScrollBar::setMax(int v) {
    if (!detail::Replace(max_, v)) return;
    notify(Prop::Range);
    setValue(value_);
}

void VScrollBar::setValue(int v) {
    if (detail::Replace(value_, ClampToRange(v, min_, max_))) notify(Prop::Value);
}

void VScrollBar::userMove(long long value) {
    if (!acceptsInput() || !detail::Replace(value_, ClampToRange(value, min_, max_))) return;
    notify(Prop::Value);
    detail::fire(Change);
}

void VScrollBar::userLineUp() { userMove(value_ + TowardsMin(min_, max_, smallChange_)); }
void VScrollBar::userLineDown() { userMove(value_ - TowardsMin(min_, max_, smallChange_)); }
void VScrollBar::userPageUp() { userMove(value_ + TowardsMin(min_, max_, largeChange_)); }
void VScrollBar::userPageDown() { userMove(value_ - TowardsMin(min_, max_, largeChange_)); }

void VScrollBar::userThumb(int value) {
    if (!acceptsInput()) return;
    value = ClampToRange(value, min_, max_);
    if (value == value_) return;
    // Dragging reports Scroll; letting the thumb go at its new place reports Change.
    value_ = value;
    notify(Prop::Value);
    detail::fire(Scroll);
    detail::fire(Change);
}

} // namespace qs::tk
