#include "platform/date_value.h"

namespace qs::platform {

namespace {
// Day 0 of the date values (30 December 1899) counted from 1 March of year 0.
constexpr std::int64_t kDaysToEpoch = 693899;

// Days since 1 March of year 0. Starting the year in March puts the leap day last,
// so every month but February has a fixed offset within its 400-year era.
std::int64_t DaysSinceMarchYearZero(std::int64_t year, int month, int day) {
    if (month <= 2) {
        year -= 1;
    }
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const int shiftedMonth = month > 2 ? month - 3 : month + 9;
    const std::int64_t dayOfYear = (153 * shiftedMonth + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra;
}
} // namespace

std::int64_t DaySerial(int year, int month, int day) {
    return DaysSinceMarchYearZero(year, month, day) - kDaysToEpoch;
}

double DateValue(int year, int month, int day, int hour, int minute, int second) {
    const double seconds = hour * 3600.0 + minute * 60.0 + second;
    return static_cast<double>(DaySerial(year, month, day)) + seconds / kSecondsPerDay;
}

double SecondsOfDay(int hour, int minute, int second, int millisecond) {
    return hour * 3600.0 + minute * 60.0 + second + millisecond / 1000.0;
}

} // namespace qs::platform
