#include <windows.h>

#include "platform/date_value.h"
#include "platform/uniform_random.h"
#include "platform/win32/services_win32.h"

namespace qs::platform {

namespace {
class Win32Clock final : public Clock {
public:
    double Now() override {
        SYSTEMTIME t{};
        GetLocalTime(&t);
        return DateValue(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
    }

    double SecondsAfterMidnight() override {
        SYSTEMTIME t{};
        GetLocalTime(&t);
        return SecondsOfDay(t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
    }

    std::uint64_t MonotonicMs() override {
        return GetTickCount64();
    }
};

// The tick count alone repeats between runs started in the same millisecond after
// boot; the performance counter adds sub-microsecond bits.
std::uint64_t TimerSeed() {
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    return GetTickCount64() ^ (static_cast<std::uint64_t>(counter.QuadPart) << 16);
}
} // namespace

std::unique_ptr<Clock> MakeWin32Clock() {
    return std::make_unique<Win32Clock>();
}

std::unique_ptr<Random> MakeWin32Random() {
    return std::make_unique<UniformRandom>(&TimerSeed);
}

} // namespace qs::platform
