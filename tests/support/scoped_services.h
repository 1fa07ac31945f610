// ScopedServices: installs a fresh set of doubles for one test and puts the previous
// service table back when it goes out of scope.
//
//   qs::test::ScopedServices os;
//   os.process.arguments = "/p 1234";
//   os.clock.SetDateTime(2024, 5, 1, 8, 30, 0);
//   qs::MainModule::Main();
//   EXPECT_EQ(os.passwords.changeCalls.size(), 0u);
//
// Every service but the profile file and the registry is one of the fakes below.
// Those two keep whatever was installed before unless the test hands its own to
// UseProfile()/UseRegistry() (they are restored all the same).
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/services.h"

namespace qs::test {

// A clock that moves only when a test moves it: one wall time (whole milliseconds since
// the date values' day 0, 30 December 1899) and one monotonic count. Now() gives the wall
// time cut to whole seconds, as the real clock does; SecondsAfterMidnight() keeps the
// milliseconds. Advance() moves both; the Set...() calls move only the wall time (a
// changed system clock). It starts at 1 March 2024, 12:00:00, monotonic count 0.
class FakeClock final : public platform::Clock {
public:
    FakeClock() { SetDateTime(2024, 3, 1, 12, 0, 0); }

    double Now() override;
    double SecondsAfterMidnight() override;
    std::uint64_t MonotonicMs() override { return monotonicMs_; }

    void SetDateTime(int year, int month, int day, int hour, int minute, int second, int millisecond = 0);
    // From a date value (days since 30 December 1899), to the nearest millisecond.
    void SetNow(double dateValue);
    // Keeps the day, sets the time of day.
    void SetSecondsAfterMidnight(double seconds);
    void Advance(double seconds); // seconds >= 0
    void AdvanceMs(std::uint64_t milliseconds) {
        wallMs_ += static_cast<std::int64_t>(milliseconds);
        monotonicMs_ += milliseconds;
    }

    // How often Now() was read.
    int nowReads() const { return nowReads_; }

private:
    std::int64_t wallMs_ = 0;
    std::uint64_t monotonicMs_ = 0;
    int nowReads_ = 0;
};

// Rnd() hands out queued values in order, then 0, counting those draws in exhaustedDraws.
class FakeRandom final : public platform::Random {
public:
    void Randomize() override { ++randomizeCount; }
    double Rnd() override;

    void Queue(std::initializer_list<double> values) { queued.insert(queued.end(), values); }

    std::deque<double> queued;
    int randomizeCount = 0;
    int draws = 0;
    int exhaustedDraws = 0;
};

// Metrics that the test sets (1024 x 768 at 15 twips per pixel unless changed).
class FakeScreen final : public platform::Screen {
public:
    platform::ScreenMetrics Metrics() override { return metrics; }
    platform::ScreenMetrics metrics{};
};

// ShowCursor's display count (0 at start) with every call recorded (true = show); the
// position is unknown unless the test sets it.
class FakeCursor final : public platform::Cursor {
public:
    int ShowCursor(bool show) override {
        calls.push_back(show);
        return displayCount += show ? 1 : -1;
    }
    bool GetPosition(std::int32_t& x, std::int32_t& y) override {
        if (position) x = position->x, y = position->y;
        return position.has_value();
    }

    struct Point { std::int32_t x = 0, y = 0; };
    std::optional<Point> position;
    int displayCount = 0;
    std::vector<bool> calls;
};

// The window-manager and kernel calls against a table of pretend windows.
// GetVersionInfo copies out `version` (NT 10.0.19045 unless changed) and records the size
// field of each request. AddWindow() makes a live window (parent 0: top level) and gives
// its handle, never reused; DestroyWindow() kills it. FindWindowByCaption matches live
// top-level windows by their whole caption, ignoring letter case, first added first. The
// calls on windows fail for handles of no live window; SetParent accepts 0 (the desktop)
// and returns the old parent.
class FakeSystem final : public platform::System {
public:
    struct ParametersCall {
        unsigned action = 0;
        unsigned param = 0;
        bool pointerGiven = false;
        unsigned winIni = 0;
    };
    struct SetParentCall { platform::WindowHandle child = 0, parent = 0; };

    FakeSystem() {
        version.dwMajorVersion = 10;
        version.dwBuildNumber = 19045;
        version.dwPlatformId = 2;
    }

    bool GetVersionInfo(platform::OsVersionInfo& info) override;
    bool ParametersInfo(unsigned action, unsigned param, std::int32_t* pv, unsigned winIni) override {
        parametersCalls.push_back({action, param, pv != nullptr, winIni});
        return true;
    }
    platform::WindowHandle FindWindowByCaption(const std::string& caption) override;
    bool IsWindow(platform::WindowHandle h) override { return Live(h) != nullptr; }
    bool GetClientRect(platform::WindowHandle h, platform::RectPx& rect) override;
    platform::WindowHandle SetParent(platform::WindowHandle child, platform::WindowHandle parent) override;
    bool MakeTopmost(platform::WindowHandle h) override {
        topmostCalls.push_back(h);
        return IsWindow(h);
    }

    platform::WindowHandle AddWindow(const std::string& caption, platform::RectPx client = {},
                                     platform::WindowHandle parent = 0);
    void DestroyWindow(platform::WindowHandle h) { windows_.erase(h); }

    platform::OsVersionInfo version;
    std::vector<std::uint32_t> versionSizesSeen;
    std::vector<ParametersCall> parametersCalls;
    std::vector<std::string> findCalls;
    std::vector<SetParentCall> setParentCalls;
    std::vector<platform::WindowHandle> topmostCalls;

private:
    struct Window {
        std::string caption;
        platform::RectPx client;
        platform::WindowHandle parent = 0;
    };
    Window* Live(platform::WindowHandle h);

    // Live windows only; handles grow, so the map runs in the order they were added.
    std::map<platform::WindowHandle, Window> windows_;
    platform::WindowHandle nextHandle_ = 0x10010;
};

// Window procedures of pretend windows. SetWindowProc installs the new procedure and
// returns the old one; a window without one fails (returns 0) unless defaultProc is set:
// then every window counts as a live one with that procedure. CallProc never jumps to
// the address: it records the call and returns callResult.
class FakeWindowProcs final : public platform::WindowProcs {
public:
    struct SetCall {
        platform::WindowHandle window = 0;
        platform::WndProcAddress proc = 0;
        platform::WndProcAddress returned = 0;
    };
    struct ProcCall {
        platform::WndProcAddress proc = 0;
        platform::WindowHandle window = 0;
        unsigned msg = 0;
        std::uintptr_t wParam = 0;
        std::intptr_t lParam = 0;
    };

    platform::WndProcAddress SetWindowProc(platform::WindowHandle h, platform::WndProcAddress proc) override;
    std::intptr_t CallProc(platform::WndProcAddress proc, platform::WindowHandle h, unsigned msg,
                           std::uintptr_t wParam, std::intptr_t lParam) override {
        procCalls.push_back({proc, h, msg, wParam, lParam});
        return callResult;
    }

    std::vector<SetCall> setCalls;
    std::vector<ProcCall> procCalls;
    std::intptr_t callResult = 0;
    platform::WndProcAddress defaultProc = 0;

private:
    std::map<platform::WindowHandle, platform::WndProcAddress> procs_;
};

// The screen-saver password services, scripted. PwdChangePassword records its arguments
// and succeeds. VerifyScreenSavePwd records the owner, runs onVerify (if set) and returns
// the next of verifyResults, or verifyDefault once they are used up.
class FakePasswords final : public platform::Passwords {
public:
    struct ChangeCall {
        std::string provider;
        platform::WindowHandle owner = 0;
        std::uint32_t reserved1 = 0;
        std::uint32_t reserved2 = 0;
    };

    bool PwdChangePassword(const std::string& provider, platform::WindowHandle owner, std::uint32_t reserved1,
                           std::uint32_t reserved2) override {
        changeCalls.push_back({provider, owner, reserved1, reserved2});
        return true;
    }
    std::int32_t VerifyScreenSavePwd(platform::WindowHandle owner) override;

    std::vector<ChangeCall> changeCalls;
    std::vector<platform::WindowHandle> verifyCalls;
    std::deque<std::int32_t> verifyResults;
    std::int32_t verifyDefault = 1;
    std::function<void()> onVerify;
};

// The shell calls, recorded. ShellOpen returns openResult (42: opened; 32 or less is a
// failure); FileExists answers from existingFiles; StartProgram returns startResult.
class FakeShell final : public platform::Shell {
public:
    struct OpenCall { platform::WindowHandle owner = 0; std::string target; };

    std::intptr_t ShellOpen(platform::WindowHandle owner, const std::string& target) override {
        openCalls.push_back({owner, target});
        return openResult;
    }
    bool FileExists(const std::string& path) override {
        existsQueries.push_back(path);
        return existingFiles.count(path) != 0;
    }
    bool StartProgram(const std::string& path) override {
        startedPrograms.push_back(path);
        return startResult;
    }

    std::vector<OpenCall> openCalls;
    std::intptr_t openResult = 42;
    std::set<std::string> existingFiles;
    std::vector<std::string> existsQueries;
    std::vector<std::string> startedPrograms;
    bool startResult = true;
};

// The executable's path and argument string as the test sets them; argumentReads counts
// the reads of the arguments.
class FakeProcess final : public platform::Process {
public:
    std::string ExecutablePath() override { return executablePath; }
    std::string CommandArguments() override {
        ++argumentReads;
        return arguments;
    }

    std::string executablePath = "C:\\SAVERS\\QuilloSlides.scr";
    std::string arguments;
    int argumentReads = 0;
};

class ScopedServices {
public:
    ScopedServices();
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
    FakeWindowProcs windowProcs;
    FakePasswords passwords;
    FakeShell shell;
    FakeProcess process;

private:
    platform::Services saved_;
};

} // namespace qs::test
