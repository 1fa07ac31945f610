#include <algorithm>

#include "toolkit/controls.h"
#include "toolkit/handler_call.h"
#include "toolkit/replace.h"

namespace qs::tk {

Timer::Timer(Form& form, const TimerArgs& args)
    : Component(Kind::Timer, &form, &form), interval_(std::max(0, args.intervalMs)), enabled_(args.enabled) {}

void Timer::setInterval(int ms) {
    ms = std::max(0, ms);
    if (detail::Replace(interval_, ms)) notify(Prop::Interval);
}

void Timer::setEnabled(bool v) {
    if (detail::Replace(enabled_, v)) notify(Prop::Interval);
}

void Timer::userTick() {
    // A tick already queued when the timer was stopped or its form closed is dropped.
    if (!enabled_ || interval_ <= 0 || !form().isLoaded()) return;
    detail::CallHandler(onTick);
}

} // namespace qs::tk
