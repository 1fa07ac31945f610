#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "platform/headless/services_portable.h"
#include "support/scoped_services.h"

namespace qs::platform {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
            hadOld_ = true;
        }
        setenv(name, value.c_str(), 1);
        tzset();
    }
    ~ScopedEnv() {
        if (hadOld_) {
            setenv(name_, old_.c_str(), 1);
        } else {
            unsetenv(name_);
        }
        tzset();
    }

private:
    const char* name_;
    std::string old_;
    bool hadOld_ = false;
};

class TempDir {
public:
    TempDir() {
        std::string pattern = (fs::temp_directory_path() / "qs-platform-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempDir() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

void WriteScript(const fs::path& path, const std::string& body) {
    std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
    fs::permissions(path, fs::perms::owner_all);
}

// Waits until the file exists, up to a deadline.
bool WaitForFile(const fs::path& path, std::chrono::seconds deadline) {
    const auto until = std::chrono::steady_clock::now() + deadline;
    while (std::chrono::steady_clock::now() < until) {
        if (fs::exists(path) && fs::file_size(path) > 0) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

double UnixSeconds() {
    return std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
}

// Distance between two times of day, across midnight.
double DayDistance(double a, double b) {
    const double d = std::fabs(a - b);
    return std::min(d, 86400.0 - d);
}

TEST(PortableClock, GivesTheLocalDateValueInWholeSeconds) {
    constexpr double kUnixEpochSerial = 25569.0;  // 1 January 1970
    auto clock = MakePortableClock();
    for (const auto& [zone, offsetHours] : {std::pair{"UTC0", 0.0}, std::pair{"XYZ-3", 3.0}, std::pair{"ABC+5", -5.0}}) {
        ScopedEnv tz("TZ", zone);
        const double before = UnixSeconds();
        const double now = clock->Now();
        const double after = UnixSeconds();
        const double asUnix = (now - kUnixEpochSerial) * 86400.0 - offsetHours * 3600.0;
        EXPECT_GE(asUnix, std::floor(before) - 0.01) << zone;
        EXPECT_LE(asUnix, after + 0.01) << zone;
        EXPECT_NEAR(now * 86400.0, std::round(now * 86400.0), 1e-3) << "whole seconds";

        const double seconds = clock->SecondsAfterMidnight();
        const double expected = std::fmod(UnixSeconds() + offsetHours * 3600.0, 86400.0);
        EXPECT_LT(DayDistance(seconds, expected), 1.0) << zone;
    }
}

TEST(PortableClock, MonotonicCountNeverGoesBack) {
    auto clock = MakePortableClock();
    std::uint64_t last = clock->MonotonicMs();
    for (int i = 0; i < 1000; ++i) {
        const std::uint64_t now = clock->MonotonicMs();
        ASSERT_GE(now, last);
        last = now;
    }
}

TEST(PortableRandom, RandomizeGivesDifferentRunsDifferentSequences) {
    auto a = MakePortableRandom();
    auto b = MakePortableRandom();
    EXPECT_EQ(a->Rnd(), b->Rnd()) << "unseeded generators agree";
    // The seed takes in the nanosecond clock, so two calls in a row already differ.
    a->Randomize();
    b->Randomize();
    EXPECT_NE(a->Rnd(), b->Rnd());
}

TEST(PortableDesktop, IsAUsualScreenWithACursorCount) {
    auto screen = MakePortableScreen();
    const ScreenMetrics m = screen->Metrics();
    EXPECT_EQ(m.widthPx, 1024);
    EXPECT_EQ(m.heightPx, 768);
    EXPECT_EQ(m.twipsPerPixelX, 15.0);
    EXPECT_EQ(m.twipsPerPixelY, 15.0);

    auto cursor = MakePortableCursor();
    EXPECT_EQ(cursor->ShowCursor(false), -1);
    EXPECT_EQ(cursor->ShowCursor(false), -2);
    EXPECT_EQ(cursor->ShowCursor(true), -1);
}

TEST(PortableSystem, ReportsTheNtFamilyForAProperRequest) {
    auto system = MakePortableSystem();
    OsVersionInfo info;
    info.dwPlatformId = 99;
    ASSERT_TRUE(system->GetVersionInfo(info));
    EXPECT_EQ(info.dwOSVersionInfoSize, 148u);
    EXPECT_EQ(info.dwPlatformId, 2u);

    OsVersionInfo wrongSize;
    wrongSize.dwOSVersionInfoSize = 100;
    wrongSize.dwPlatformId = 99;
    EXPECT_FALSE(system->GetVersionInfo(wrongSize));
    EXPECT_EQ(wrongSize.dwPlatformId, 99u);
}

TEST(PortableSystem, KeepsTheSaverRunningFlagAndHandsBackTheOldState) {
    auto system = MakePortableSystem();
    std::int32_t old = -7;
    EXPECT_TRUE(system->ParametersInfo(97, 1, &old, 0));
    EXPECT_EQ(old, 0);
    EXPECT_TRUE(system->ParametersInfo(97, 0, &old, 0));
    EXPECT_EQ(old, 1);
    EXPECT_TRUE(system->ParametersInfo(97, 1, nullptr, 0));
    EXPECT_FALSE(system->ParametersInfo(20, 0, &old, 0)) << "no other parameter exists here";
}

TEST(PortableSystem, HasNoWindows) {
    auto system = MakePortableSystem();
    auto procs = MakePortableWindowProcs();
    RectPx rect{1, 2, 3, 4};
    EXPECT_EQ(system->FindWindowByCaption("Quillo ScrSav Main Form"), 0u);
    EXPECT_FALSE(system->IsWindow(1234));
    EXPECT_FALSE(system->GetClientRect(1234, rect));
    EXPECT_EQ(rect.right, 3) << "a failed call leaves the rectangle alone";
    EXPECT_EQ(system->SetParent(1, 2), 0u);
    EXPECT_FALSE(system->MakeTopmost(1));
    EXPECT_EQ(procs->SetWindowProc(1234, 5678), 0u);
    EXPECT_EQ(procs->CallProc(0, 1234, 0x10, 0, 0), 0);
}

std::intptr_t EchoMessage(WindowHandle h, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    return static_cast<std::intptr_t>(h + msg + wParam) + lParam;
}

TEST(PortableSystem, CallProcPassesTheMessageToTheProcedure) {
    auto procs = MakePortableWindowProcs();
    const auto address = reinterpret_cast<WndProcAddress>(&EchoMessage);
    EXPECT_EQ(procs->CallProc(address, 1000, 16, 200, 30), 1246);
}

TEST(PortablePasswords, HaveNoDialogAndNeverHoldTheSaver) {
    auto passwords = MakePortablePasswords();
    EXPECT_FALSE(passwords->PwdChangePassword("SCRSAVE", 0, 0, 0));
    EXPECT_NE(passwords->VerifyScreenSavePwd(0), 0);
}

TEST(PortableShell, FileExistsOnlyForRegularFiles) {
    TempDir dir;
    const fs::path file = dir.path() / "slide.jpg";
    std::ofstream(file) << "x";
    auto shell = MakePortableShell();
    EXPECT_TRUE(shell->FileExists(file.string()));
    EXPECT_FALSE(shell->FileExists(dir.path().string()));
    EXPECT_FALSE(shell->FileExists((dir.path() / "missing.jpg").string()));
    EXPECT_FALSE(shell->FileExists(""));
}

TEST(PortableShell, StartProgramRunsTheProgramAndReturns) {
    TempDir dir;
    const fs::path marker = dir.path() / "started";
    const fs::path program = dir.path() / "my tool";
    WriteScript(program, "echo ran > '" + marker.string() + "'");
    auto shell = MakePortableShell();
    EXPECT_TRUE(shell->StartProgram(program.string()));
    EXPECT_TRUE(WaitForFile(marker, std::chrono::seconds(10)));
}

TEST(PortableShell, StartProgramFailsForWhatCannotRun) {
    TempDir dir;
    const fs::path plain = dir.path() / "notes.txt";
    std::ofstream(plain) << "text";
    auto shell = MakePortableShell();
    EXPECT_FALSE(shell->StartProgram((dir.path() / "missing").string()));
    EXPECT_FALSE(shell->StartProgram(plain.string()));
    EXPECT_FALSE(shell->StartProgram(dir.path().string()));
}

TEST(PortableShell, ShellOpenHandsTheTargetToTheDesktopOpener) {
    TempDir dir;
    const fs::path received = dir.path() / "received";
    WriteScript(dir.path() / "xdg-open", "printf '%s' \"$1\" > '" + received.string() + "'");
    ScopedEnv path("PATH", dir.path().string() + ":/usr/bin:/bin");
    auto shell = MakePortableShell();
    const std::string target = "https://example.invalid/a b?c=1&d=\"2\"";
    EXPECT_GT(shell->ShellOpen(0, target), 32);
    ASSERT_TRUE(WaitForFile(received, std::chrono::seconds(10)));
    std::ifstream in(received);
    const std::string got((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(got, target);
}

TEST(PortableShell, ShellOpenFailsWithoutAnOpener) {
    TempDir empty;
    ScopedEnv path("PATH", empty.path().string());
    auto shell = MakePortableShell();
    EXPECT_LE(shell->ShellOpen(0, "https://example.invalid/"), 32);
}

TEST(PortableProcess, KnowsItsExecutableAndArguments) {
    auto process = MakePortableProcess();
    const fs::path exe = process->ExecutablePath();
    EXPECT_TRUE(exe.is_absolute());
    EXPECT_EQ(exe.filename(), "platform_native_tests");

    std::string expected;
    const std::vector<std::string> argv = ::testing::internal::GetArgvs();
    for (std::size_t i = 1; i < argv.size(); ++i) {
        expected += (i > 1 ? " " : "") + argv[i];
    }
    EXPECT_EQ(process->CommandArguments(), expected);
}

TEST(PortableInstall, PutsEveryServiceInForce) {
    test::ScopedServices restoreAfterwards;
    services() = Services{};
    InstallDefaultServices();
    const Services& s = services();
    EXPECT_NE(s.clock, nullptr);
    EXPECT_NE(s.random, nullptr);
    EXPECT_NE(s.screen, nullptr);
    EXPECT_NE(s.cursor, nullptr);
    EXPECT_NE(s.system, nullptr);
    EXPECT_NE(s.windowProcs, nullptr);
    EXPECT_NE(s.passwords, nullptr);
    EXPECT_NE(s.shell, nullptr);
    EXPECT_NE(s.process, nullptr);
    EXPECT_NE(s.profile, nullptr);
    EXPECT_NE(s.registry, nullptr);
    EXPECT_EQ(s.screen->Metrics().widthPx, 1024);
}

} // namespace
} // namespace qs::platform
