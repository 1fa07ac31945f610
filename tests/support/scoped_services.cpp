#include "scoped_services.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <utility>

#include "platform/date_value.h"

namespace qs::test {

namespace {
constexpr std::int64_t kMsPerDay = 86'400'000;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}
} // namespace

double FakeClock::Now() {
    ++nowReads_;
    return static_cast<double>(FloorDiv(wallMs_, 1000)) / platform::kSecondsPerDay;
}

double FakeClock::SecondsAfterMidnight() {
    return static_cast<double>(wallMs_ - FloorDiv(wallMs_, kMsPerDay) * kMsPerDay) / 1000.0;
}

void FakeClock::SetDateTime(int year, int month, int day, int hour, int minute, int second, int millisecond) {
    const std::int64_t days = platform::DaySerial(year, month, day);
    wallMs_ = days * kMsPerDay + ((hour * 60LL + minute) * 60LL + second) * 1000LL + millisecond;
}

void FakeClock::SetNow(double dateValue) {
    wallMs_ = std::llround(dateValue * static_cast<double>(kMsPerDay));
}

void FakeClock::SetSecondsAfterMidnight(double seconds) {
    wallMs_ = FloorDiv(wallMs_, kMsPerDay) * kMsPerDay + std::llround(seconds * 1000.0);
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

bool FakeSystem::GetVersionInfo(platform::OsVersionInfo& info) {
    const std::uint32_t size = info.dwOSVersionInfoSize;
    info = version;
    info.dwOSVersionInfoSize = size;
    return true;
}

platform::WindowHandle FakeSystem::FindWindowByCaption(const std::string& caption) {
    findCalls.push_back(caption);
    const auto same = [](unsigned char a, unsigned char b) { return std::tolower(a) == std::tolower(b); };
    for (const auto& [h, w] : windows_)
        if (w.parent == 0 && w.caption.size() == caption.size() &&
            std::equal(caption.begin(), caption.end(), w.caption.begin(), same))
            return h;
    return 0;
}

bool FakeSystem::GetClientRect(platform::WindowHandle h, platform::RectPx& rect) {
    const Window* w = Live(h);
    return w && (rect = w->client, true);
}

platform::WindowHandle FakeSystem::AddWindow(const std::string& caption, platform::RectPx client,
                                             platform::WindowHandle parent) {
    windows_[nextHandle_ += 0x10] = Window{caption, client, parent};
    return nextHandle_;
}

FakeSystem::Window* FakeSystem::Live(platform::WindowHandle h) {
    const auto it = windows_.find(h);
    return it == windows_.end() ? nullptr : &it->second;
}

std::int32_t FakePasswords::VerifyScreenSavePwd(platform::WindowHandle owner) {
    verifyCalls.push_back(owner);
    if (onVerify) onVerify();
    if (verifyResults.empty()) return verifyDefault;
    const std::int32_t result = verifyResults.front();
    verifyResults.pop_front();
    return result;
}

ScopedServices::ScopedServices() : saved_(platform::services()) {
    platform::services() = {.clock = &clock, .random = &random, .screen = &screen, .monitors = &screen,
                            .cursor = &cursor, .system = &system, .passwords = &passwords, .shell = &shell,
                            .process = &process, .profile = &profile, .registry = &registry};
}

} // namespace qs::test
