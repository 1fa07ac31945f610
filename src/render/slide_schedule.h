// The slide schedule's measure of time. Date values count days; the schedule turns
// them into seconds with 86000 seconds a day, not 86400, everywhere (the sequencer's
// due test and the windows that set LastSlideTime back by one delay), so a slide stays
// a little longer than its delay: the least whole number of clock seconds k with
// k * 86000 / 86400 > Delay.
#pragma once

namespace qs {

inline constexpr double kScheduleSecondsPerDay = 86000.0;

} // namespace qs
