#include <algorithm>

#include "toolkit/controls.h"
#include "toolkit/change.h"
#include "toolkit/handler_call.h"

namespace qs::tk {

Timer::Timer(Form& form, std::string name, int intervalMs, bool enabled)
    : Component(Kind::Timer, &form, &form, std::move(name), -1), interval_(std::max(0, intervalMs)),
      enabled_(enabled) {}

void Timer::setInterval(int ms) {
    ms = std::max(0, ms);
    if (detail::Replace(interval_, ms)) notify(Prop::Interval);
}

void Timer::setEnabled(bool v) {
    if (detail::Replace(enabled_, v)) notify(Prop::Interval);
}

void Timer::userTick() {
    // A tick already queued when the timer was stopped or its form closed is dropped.
    if (!enabled_ || interval_ <= 0 || !form().IsLoaded()) return;
    detail::fire(Tick);
}

} // namespace qs::tk
