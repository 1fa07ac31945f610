#include "scoped_services.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <utility>

#include "platform/date_value.h"

namespace qs::test {

namespace {
constexpr std::int64_t kMsPerDay = 86'400'000; // the wall time never goes before day 0
} // namespace

double FakeClock::Now() {
    return static_cast<double>(wallMs_ / 1000) / platform::kSecondsPerDay;
}

double FakeClock::SecondsAfterMidnight() {
    return static_cast<double>(wallMs_ % kMsPerDay) / 1000.0;
}

void FakeClock::SetDateTime(int year, int month, int day, int hour, int minute, int second, int millisecond) {
    const std::int64_t days = platform::DaySerial(year, month, day);
    wallMs_ = days * kMsPerDay + ((hour * 60LL + minute) * 60LL + second) * 1000LL + millisecond;
}

void FakeClock::SetNow(double dateValue) {
    wallMs_ = std::llround(dateValue * static_cast<double>(kMsPerDay));
}

void FakeClock::SetSecondsAfterMidnight(double seconds) {
    wallMs_ = wallMs_ / kMsPerDay * kMsPerDay + std::llround(seconds * 1000.0);
}

void FakeClock::Advance(double seconds) {
    AdvanceMs(seconds > 0 ? static_cast<std::uint64_t>(std::llround(seconds * 1000.0)) : 0);
}

double FakeRandom::Rnd() {
    ++draws;
    if (queued.empty()) return ++exhaustedDraws, 0.0;
    const double value = queued.front();
    queued.pop_front();
    return value;
}

platform::WindowHandle FakeSystem::FindWindowByCaption(const std::string& caption) {
    findCalls.push_back(caption);
    const auto same = [](unsigned char a, unsigned char b) { return std::tolower(a) == std::tolower(b); };
    for (const auto& [h, w] : windows_)
        if (w.caption.size() == caption.size() &&
            std::equal(caption.begin(), caption.end(), w.caption.begin(), same))
            return h;
    return 0;
}

std::int32_t FakePasswords::VerifyScreenSavePwd(platform::WindowHandle owner) {
    verifyCalls.push_back(owner);
    if (onVerify) onVerify();
    if (verifyResults.empty()) return 1;
    const std::int32_t result = verifyResults.front();
    verifyResults.pop_front();
    return result;
}

ScopedServices::ScopedServices() : saved_(platform::services()) {
    platform::services() = {.clock = &clock, .random = &random, .screen = &screen, .cursor = &cursor, .system = &system,
                            .passwords = &passwords, .shell = &shell,
                            .process = &process, .profile = &profile, .registry = &registry};
}

} // namespace qs::test
