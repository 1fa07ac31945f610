// The services of the native build where they do more than answer "nothing here": the
// local clock, the generator's seed, the system flags, the shell and the process.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <optional>
#include <string>

#include "platform/headless/services_portable.h"
#include "support/scoped_services.h"
#include "support/settings_temp_dir.h"

namespace qs::platform {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable for one test and puts the old value back.
struct ScopedEnv {
    ScopedEnv(const char* name, const std::string& value) : name(name) {
        if (const char* was = std::getenv(name)) old = was;
        setenv(name, value.c_str(), 1);
        tzset();
    }
    ~ScopedEnv() {
        old ? setenv(name, old->c_str(), 1) : unsetenv(name);
        tzset();
    }
    const char* name;
    std::optional<std::string> old;
};

// A named pipe a started program writes into. Read() waits for the writer (at most ten
// seconds) and returns what it wrote by the time it closed its end.
struct Pipe {
    explicit Pipe(const fs::path& at) : path(at.string()) {
        mkfifo(path.c_str(), 0600);
        fd = open(path.c_str(), O_RDONLY | O_NONBLOCK);
    }
    ~Pipe() { close(fd); }
    std::optional<std::string> Read() {
        pollfd ready{fd, POLLIN, 0};
        if (poll(&ready, 1, 10000) != 1) return std::nullopt;
        fcntl(fd, F_SETFL, 0);
        std::string text;
        char buffer[256];
        for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(n));
        return text;
    }
    std::string path;
    int fd = -1;
};

void WriteScript(const fs::path& path, const std::string& body) {
    std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
    fs::permissions(path, fs::perms::owner_all);
}

double UnixSeconds() {
    return std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
}

TEST(PortableClock, GivesTheLocalDateValueInWholeSeconds) {
    constexpr double kUnixEpochSerial = 25569.0; // 1 January 1970
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
        const double distance = std::fabs(clock->SecondsAfterMidnight() -
                                          std::fmod(UnixSeconds() + offsetHours * 3600.0, 86400.0));
        EXPECT_LT(std::min(distance, 86400.0 - distance), 1.0) << zone << " (across midnight)";
    }
}

TEST(PortableRandom, RunsStartAlikeUntilRandomized) {
    auto a = MakePortableRandom();
    auto b = MakePortableRandom();
    EXPECT_EQ(a->Rnd(), b->Rnd());
    // The seed takes in the nanosecond clock, so two calls in a row already differ.
    a->Randomize();
    b->Randomize();
    EXPECT_NE(a->Rnd(), b->Rnd());
}

TEST(PortableSystem, AnswersOnlyProperRequests) {
    auto system = MakePortableSystem();
    OsVersionInfo info;
    info.dwPlatformId = 99;
    ASSERT_TRUE(system->GetVersionInfo(info));
    EXPECT_EQ(info.dwOSVersionInfoSize, 148u);
    EXPECT_EQ(info.dwPlatformId, 2u) << "the NT family";
    info.dwOSVersionInfoSize = 100;
    info.dwPlatformId = 99;
    EXPECT_FALSE(system->GetVersionInfo(info));
    EXPECT_EQ(info.dwPlatformId, 99u);
    // The saver-running flag is kept and its old state handed back.
    std::int32_t old = -7;
    EXPECT_TRUE(system->ParametersInfo(97, 1, &old, 0));
    EXPECT_EQ(old, 0);
    EXPECT_TRUE(system->ParametersInfo(97, 0, &old, 0));
    EXPECT_EQ(old, 1);
    EXPECT_TRUE(system->ParametersInfo(97, 1, nullptr, 0));
    EXPECT_FALSE(system->ParametersInfo(20, 0, &old, 0)) << "no other parameter exists here";
}

std::intptr_t EchoMessage(WindowHandle h, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    return static_cast<std::intptr_t>(h + msg + wParam) + lParam;
}

TEST(PortableWindowProcs, CallProcPassesTheMessageToTheProcedure) {
    auto procs = MakePortableWindowProcs();
    EXPECT_EQ(procs->CallProc(reinterpret_cast<WndProcAddress>(&EchoMessage), 1000, 16, 200, 30), 1246);
}

TEST(PortableShell, FileExistsOnlyForRegularFiles) {
    test::SettingsTempDir dir;
    dir.WriteBytes("slide.jpg", "x");
    auto shell = MakePortableShell();
    EXPECT_TRUE(shell->FileExists((dir.HostPath() / "slide.jpg").string()));
    EXPECT_FALSE(shell->FileExists(dir.HostPath().string()));
    EXPECT_FALSE(shell->FileExists((dir.HostPath() / "missing.jpg").string()));
    EXPECT_FALSE(shell->FileExists(""));
}

TEST(PortableShell, StartProgramRunsWhatCanRunAndRefusesTheRest) {
    test::SettingsTempDir dir;
    Pipe started(dir.HostPath() / "started");
    WriteScript(dir.HostPath() / "my tool", "echo ran > '" + started.path + "'");
    dir.WriteBytes("notes.txt", "text");
    auto shell = MakePortableShell();
    EXPECT_TRUE(shell->StartProgram((dir.HostPath() / "my tool").string()));
    EXPECT_EQ(started.Read(), "ran\n");
    EXPECT_FALSE(shell->StartProgram((dir.HostPath() / "missing").string()));
    EXPECT_FALSE(shell->StartProgram((dir.HostPath() / "notes.txt").string()));
    EXPECT_FALSE(shell->StartProgram(dir.HostPath().string()));
}

TEST(PortableShell, ShellOpenHandsTheTargetToTheDesktopOpenerIfThereIsOne) {
    test::SettingsTempDir dir;
    Pipe received(dir.HostPath() / "received");
    WriteScript(dir.HostPath() / "xdg-open", "printf '%s' \"$1\" > '" + received.path + "'");
    auto shell = MakePortableShell();
    const std::string target = "https://example.invalid/a b?c=1&d=\"2\"";
    {
        ScopedEnv path("PATH", dir.HostPath().string() + ":/usr/bin:/bin");
        EXPECT_GT(shell->ShellOpen(0, target), 32);
    }
    EXPECT_EQ(received.Read(), target);
    test::SettingsTempDir empty;
    ScopedEnv path("PATH", empty.HostPath().string());
    EXPECT_LE(shell->ShellOpen(0, "https://example.invalid/"), 32);
}

TEST(PortableProcess, KnowsItsExecutableAndArguments) {
    const fs::path exe = MakePortableProcess()->ExecutablePath();
    EXPECT_TRUE(exe.is_absolute());
    EXPECT_EQ(exe.filename(), "platform_native_tests");
    std::string expected;
    const std::vector<std::string> argv = ::testing::internal::GetArgvs();
    for (std::size_t i = 1; i < argv.size(); ++i) expected += (i > 1 ? " " : "") + argv[i];
    EXPECT_EQ(MakePortableProcess()->CommandArguments(), expected);
}

TEST(PortableInstall, PutsEveryServiceInForce) {
    test::ScopedServices restoreAfterwards;
    services() = Services{};
    InstallDefaultServices();
    const Services& s = services();
    const void* const installed[] = {s.clock,   s.random, s.screen,  s.cursor,  s.system,  s.windowProcs,
                                     s.passwords, s.shell, s.process, s.profile, s.registry};
    for (const void* service : installed) EXPECT_NE(service, nullptr);
    EXPECT_EQ(s.screen->Metrics().widthPx, 1024);
}

} // namespace
} // namespace qs::platform
