#include <algorithm>

#include "toolkit/controls.h"
#include "toolkit/handler_call.h"
#include "toolkit/replace.h"

namespace qs::tk {

namespace {

// Min may lie above max (a reversed bar); the value stays between the two either way.
// Wide arithmetic: a step added to a value near the end of int must not overflow.
int ClampToRange(long long v, int min, int max) {
    return static_cast<int>(std::clamp<long long>(v, std::min(min, max), std::max(min, max)));
}

// One step "up" moves towards min, whichever way round the range is.
long long TowardsMin(int min, int max) { return min <= max ? -1 : 1; }

} // namespace

ScrollBar::ScrollBar(Container& container, const ScrollBarArgs& args)
    : Control(Kind::ScrollBar, container, args.bounds), min_(args.min), max_(args.max),
      value_(ClampToRange(args.value, args.min, args.max)) {}

void ScrollBar::setValue(int v) {
    if (detail::Replace(value_, ClampToRange(v, min_, max_))) notify(Prop::Value);
}

void ScrollBar::userMove(long long value) {
    if (!acceptsInput() || !detail::Replace(value_, ClampToRange(value, min_, max_))) return;
    notify(Prop::Value);
    detail::CallHandler(onChange);
}

// A line and a page are one step each.
void ScrollBar::userLineUp() { userMove(value_ + TowardsMin(min_, max_)); }
void ScrollBar::userLineDown() { userMove(value_ - TowardsMin(min_, max_)); }
void ScrollBar::userPageUp() { userMove(value_ + TowardsMin(min_, max_)); }
void ScrollBar::userPageDown() { userMove(value_ - TowardsMin(min_, max_)); }

void ScrollBar::userThumb(int value) {
    if (!acceptsInput() || !detail::Replace(value_, ClampToRange(value, min_, max_))) return;
    // Dragging reports onScroll; letting the thumb go at its new place reports onChange.
    notify(Prop::Value);
    detail::CallHandler(onScroll);
    detail::CallHandler(onChange);
}

} // namespace qs::tk
