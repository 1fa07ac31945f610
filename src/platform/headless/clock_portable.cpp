#include <chrono>
#include <ctime>

#include "platform/date_value.h"
#include "platform/headless/services_portable.h"
#include "platform/uniform_random.h"

namespace qs::platform {

namespace {
struct LocalTime {
    std::tm fields{};
    int millisecond = 0;
};

LocalTime ReadLocalTime() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    LocalTime local;
#if defined(_WIN32)
    localtime_s(&local.fields, &seconds);
#else
    localtime_r(&seconds, &local.fields);
#endif
    const auto sinceSecond = now - std::chrono::system_clock::from_time_t(seconds);
    local.millisecond =
        static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceSecond).count());
    if (local.millisecond < 0 || local.millisecond > 999) {
        local.millisecond = 0;
    }
    return local;
}

class PortableClock final : public Clock {
public:
    double Now() override {
        const std::tm t = ReadLocalTime().fields;
        // A leap second (tm_sec 60) counts as the last second of its minute.
        const int second = t.tm_sec > 59 ? 59 : t.tm_sec;
        return DateValue(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, second);
    }

    double SecondsAfterMidnight() override {
        const LocalTime local = ReadLocalTime();
        const int second = local.fields.tm_sec > 59 ? 59 : local.fields.tm_sec;
        return SecondsOfDay(local.fields.tm_hour, local.fields.tm_min, second, local.millisecond);
    }

    std::uint64_t MonotonicMs() override {
        const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
        return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
    }
};

std::uint64_t TimerSeed() {
    const auto steady = std::chrono::steady_clock::now().time_since_epoch().count();
    const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
    return static_cast<std::uint64_t>(steady) ^ (static_cast<std::uint64_t>(wall) << 1);
}
} // namespace

std::unique_ptr<Clock> MakePortableClock() {
    return std::make_unique<PortableClock>();
}

std::unique_ptr<Random> MakePortableRandom() {
    return std::make_unique<UniformRandom>(&TimerSeed);
}

} // namespace qs::platform
