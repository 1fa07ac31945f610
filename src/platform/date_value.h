// Date values as the program keeps them: days since 30 December 1899, the fraction
// being the time of day. The clocks of both platforms build them from local calendar
// fields through these helpers, so that both agree to the second.
#pragma once

#include <cstdint>

namespace qs::platform {

constexpr double kSecondsPerDay = 86400.0;

// Days from 30 December 1899 to the given day of the proleptic Gregorian calendar
// (negative before it). month 1..12, day 1..31.
std::int64_t DaySerial(int year, int month, int day);

// The date value of a local date and time with whole seconds. Meant for dates from
// 30 December 1899 on (the clock's range): earlier dates store a negative day with a
// positive time fraction, which this sum does not produce.
double DateValue(int year, int month, int day, int hour, int minute, int second);

// Seconds after midnight of a time of day, with the milliseconds as a fraction.
double SecondsOfDay(int hour, int minute, int second, int millisecond);

} // namespace qs::platform
