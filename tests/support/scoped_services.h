// ScopedServices installs fresh fakes of every service for one test and puts the previous ones back at its end.
#pragma once

#include <cmath>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "memory_registry.h"
#include "platform/date_value.h"
#include "platform/services.h"
#include "settings_memory_profile.h"

namespace qs::test {

template <class T> T Next(std::deque<T>& queue, T otherwise) {
    if (queue.empty()) return otherwise;
    const T value = queue.front();
    queue.pop_front();
    return value;
}

// Moves only when the test moves it; Now() is in whole seconds as the real clock's is. The
// Set...() calls move the wall time only (a changed system clock). Starts 1 March 2024, 12:00.
class FakeClock final : public platform::Clock {
public:
    FakeClock() { SetDateTime(2024, 3, 1, 12, 0, 0); }

    double Now() override { return static_cast<double>(wallMs_ / 1000) / platform::kSecondsPerDay; }
    double SecondsAfterMidnight() override { return static_cast<double>(wallMs_ % kMsPerDay) / 1000.0; }
    std::uint64_t MonotonicMs() override { return monotonicMs_; }

    void SetDateTime(int year, int month, int day, int hour, int minute, int second, int millisecond = 0) {
        const std::int64_t days = platform::DaySerial(year, month, day);
        wallMs_ = days * kMsPerDay + ((hour * 60LL + minute) * 60LL + second) * 1000LL + millisecond;
    }
    void SetNow(double dateValue) { wallMs_ = std::llround(dateValue * static_cast<double>(kMsPerDay)); }
    void SetSecondsAfterMidnight(double seconds) { // keeps the day
        wallMs_ = wallMs_ / kMsPerDay * kMsPerDay + std::llround(seconds * 1000.0);
    }
    void AdvanceMs(std::uint64_t ms) { wallMs_ += static_cast<std::int64_t>(ms), monotonicMs_ += ms; }

private:
    static constexpr std::int64_t kMsPerDay = 86'400'000; // the wall time never goes before day 0
    std::int64_t wallMs_ = 0;
    std::uint64_t monotonicMs_ = 0;
};

// Rnd() hands out the queued values, then 0.
class FakeRandom final : public platform::Random {
public:
    void Randomize() override { ++randomizeCount; }
    double Rnd() override { return Next(queued, 0.0); }

    std::deque<double> queued;
    int randomizeCount = 0;
};

// 1024 x 768 pixels at 15 twips per pixel, on one monitor, unless the test changes them.
class FakeScreen final : public platform::Screen, public platform::Monitors {
public:
    platform::ScreenMetrics Metrics() override { return metrics; }
    std::vector<platform::MonitorArea> List() override { return monitors; }
    platform::ScreenMetrics metrics{};
    std::vector<platform::MonitorArea> monitors{{{0, 0, 1024, 768}, true}};
};

// ShowCursor's display count, 0 at start.
class FakeCursor final : public platform::Cursor {
public:
    int ShowCursor(bool show) override { return displayCount += show ? 1 : -1; }
    bool GetPosition(std::int32_t& x, std::int32_t& y) override {
        if (!position) return false;
        x = position->x;
        y = position->y;
        return true;
    }

    struct Point { std::int32_t x = 0, y = 0; };
    std::optional<Point> position;
    int displayCount = 0;
};

// The window-manager calls against a table of pretend windows; FindWindowByCaption ignores
// letter case, and calls on a handle of no window fail. The NT family unless a test says.
class FakeSystem final : public platform::System {
public:
    struct ParametersCall { unsigned action = 0, param = 0; bool pointerGiven = false; unsigned winIni = 0; };

    FakeSystem() { version.dwPlatformId = 2; }
    bool GetVersionInfo(platform::OsVersionInfo& info) override { return info = version, true; }
    bool ParametersInfo(unsigned action, unsigned param, std::int32_t* pv, unsigned winIni) override {
        parametersCalls.push_back({action, param, pv != nullptr, winIni});
        return true;
    }
    platform::WindowHandle FindWindowByCaption(const std::string& caption) override {
        for (const auto& [h, w] : windows_)
            if (Lowered(w.caption) == Lowered(caption)) return h;
        return 0;
    }
    bool IsWindow(platform::WindowHandle h) override { return windows_.count(h) != 0; }
    bool GetClientRect(platform::WindowHandle h, platform::RectPx& rect) override {
        const auto w = windows_.find(h);
        return w != windows_.end() && (rect = w->second.client, true);
    }
    bool MakeTopmost(platform::WindowHandle h) override { return IsWindow(h); }

    platform::WindowHandle AddWindow(const std::string& caption, platform::RectPx client = {}) {
        windows_[nextHandle_ += 0x10] = Window{caption, client};
        return nextHandle_;
    }

    platform::OsVersionInfo version;
    std::vector<ParametersCall> parametersCalls;

private:
    struct Window { std::string caption; platform::RectPx client; };

    std::map<platform::WindowHandle, Window> windows_;
    platform::WindowHandle nextHandle_ = 0x10000;
};

// VerifyScreenSavePwd runs onVerify, then returns the next of verifyResults, or 1 (right) once they run out.
class FakePasswords final : public platform::Passwords {
public:
    struct ChangeCall {
        std::string provider;
        platform::WindowHandle owner = 0;
        std::uint32_t reserved1 = 0, reserved2 = 0;
    };
    bool PwdChangePassword(const std::string& provider, platform::WindowHandle owner, std::uint32_t reserved1,
                           std::uint32_t reserved2) override {
        changeCalls.push_back({provider, owner, reserved1, reserved2});
        return true;
    }
    std::int32_t VerifyScreenSavePwd(platform::WindowHandle owner) override {
        verifyCalls.push_back(owner);
        if (onVerify) onVerify();
        return Next(verifyResults, 1);
    }

    std::vector<ChangeCall> changeCalls;
    std::vector<platform::WindowHandle> verifyCalls;
    std::deque<std::int32_t> verifyResults;
    std::function<void()> onVerify;
};

// ShellOpen returns openResult (32 or less: a failure).
class FakeShell final : public platform::Shell {
public:
    struct OpenCall { platform::WindowHandle owner = 0; std::string target; };
    std::intptr_t ShellOpen(platform::WindowHandle owner, const std::string& target) override {
        openCalls.push_back({owner, target});
        return openResult;
    }
    bool FileExists(const std::string& path) override { return existingFiles.count(path) != 0; }
    bool StartProgram(const std::string& path) override { return startedPrograms.push_back(path), startResult; }

    std::vector<OpenCall> openCalls;
    std::intptr_t openResult = 42;
    std::set<std::string> existingFiles;
    std::vector<std::string> startedPrograms;
    bool startResult = true;
};

class FakeProcess final : public platform::Process {
public:
    std::string ExecutablePath() override { return executablePath; }
    std::string CommandArguments() override { return arguments; }

    std::string executablePath = "C:\\SAVERS\\QuilloSlides.scr";
    std::string arguments;
};

class ScopedServices {
public:
    ScopedServices() : saved_(platform::services()) {
        platform::services() = {.clock = &clock, .random = &random, .screen = &screen, .monitors = &screen,
                                .cursor = &cursor, .system = &system, .passwords = &passwords, .shell = &shell,
                                .process = &process, .profile = &profile, .registry = &registry};
    }
    ~ScopedServices() { platform::services() = saved_; }
    ScopedServices(const ScopedServices&) = delete;
    ScopedServices& operator=(const ScopedServices&) = delete;

    void UseProfile(platform::ProfileFile* profile) { platform::services().profile = profile; }
    void UseRegistry(platform::Registry* registry) { platform::services().registry = registry; }

    FakeClock clock;
    FakeRandom random;
    FakeScreen screen;
    FakeCursor cursor;
    FakeSystem system;
    FakePasswords passwords;
    FakeShell shell;
    FakeProcess process;
    MemoryProfileFile profile;
    MemoryRegistry registry;

private:
    platform::Services saved_;
};

} // namespace qs::test
