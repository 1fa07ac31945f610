#include "fake_clock.h"

#include <cmath>

#include "platform/date_value.h"

namespace qs::test {

namespace {
constexpr std::int64_t kMsPerDay = 86'400'000;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}
} // namespace

FakeClock::FakeClock() {
    SetDateTime(2024, 3, 1, 12, 0, 0);
}

double FakeClock::Now() {
    ++nowReads_;
    const std::int64_t wholeSeconds = FloorDiv(wallMs_, 1000);
    return static_cast<double>(wholeSeconds) / platform::kSecondsPerDay;
}

double FakeClock::SecondsAfterMidnight() {
    const std::int64_t day = FloorDiv(wallMs_, kMsPerDay);
    return static_cast<double>(wallMs_ - day * kMsPerDay) / 1000.0;
}

std::uint64_t FakeClock::MonotonicMs() {
    return monotonicMs_;
}

void FakeClock::SetDateTime(int year, int month, int day, int hour, int minute, int second, int millisecond) {
    const std::int64_t days = platform::DaySerial(year, month, day);
    wallMs_ = days * kMsPerDay + ((hour * 60LL + minute) * 60LL + second) * 1000LL + millisecond;
}

void FakeClock::SetNow(double dateValue) {
    wallMs_ = std::llround(dateValue * static_cast<double>(kMsPerDay));
}

void FakeClock::SetSecondsAfterMidnight(double seconds) {
    const std::int64_t day = FloorDiv(wallMs_, kMsPerDay);
    wallMs_ = day * kMsPerDay + std::llround(seconds * 1000.0);
}

void FakeClock::Advance(double seconds) {
    AdvanceMs(seconds > 0 ? static_cast<std::uint64_t>(std::llround(seconds * 1000.0)) : 0);
}

void FakeClock::AdvanceMs(std::uint64_t milliseconds) {
    wallMs_ += static_cast<std::int64_t>(milliseconds);
    monotonicMs_ += milliseconds;
}

} // namespace qs::test
