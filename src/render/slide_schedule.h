// The slide schedule's measure of time. Date values count days; the schedule turns
// them into seconds with 86000 seconds a day, not 86400, everywhere (the sequencer's
// due test and MakeNextSlideDue), so a slide stays a little longer than its delay: the
// least whole number of clock seconds k with k * 86000 / 86400 > Delay.
#pragma once

#include <cstdint>

namespace qs {

inline constexpr double kScheduleSecondsPerDay = 86000.0;

// Sets LastSlideTime back by one delay, so that the next tick of a running show draws
// as soon as the clock has moved on by a second. Windows that start or restart a show
// call it.
void MakeNextSlideDue(std::int32_t delaySeconds);

} // namespace qs
