// FakeClock: a clock that moves only when a test moves it.
//
// It keeps one wall time (whole milliseconds since the date values' day 0,
// 30 December 1899) and one monotonic count. Now() gives the wall time cut to whole
// seconds, as the real clock does; SecondsAfterMidnight() gives it with its
// milliseconds. Advance() moves both times together; SetNow()/SetDateTime() move only
// the wall time (a changed system clock), so the monotonic count never goes back.
// It starts at 1 March 2024, 12:00:00, monotonic count 0.
#pragma once

#include <cstdint>

#include "platform/services.h"

namespace qs::test {

class FakeClock final : public platform::Clock {
public:
    FakeClock();

    double Now() override;
    double SecondsAfterMidnight() override;
    std::uint64_t MonotonicMs() override;

    void SetDateTime(int year, int month, int day, int hour, int minute, int second, int millisecond = 0);
    // From a date value (days since 30 December 1899), to the nearest millisecond.
    void SetNow(double dateValue);
    // Keeps the day, sets the time of day.
    void SetSecondsAfterMidnight(double seconds);
    // Moves wall time and monotonic count forward by the same amount (seconds >= 0).
    void Advance(double seconds);
    void AdvanceMs(std::uint64_t milliseconds);

    // How often Now() was read.
    int nowReads() const { return nowReads_; }

private:
    std::int64_t wallMs_ = 0;
    std::uint64_t monotonicMs_ = 0;
    int nowReads_ = 0;
};

} // namespace qs::test
