#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/command_number.h"
#include "app/main_module.h"
#include "app/mode_windows.h"
#include "support/scoped_services.h"
#include "settings/shared_state.h"
#include "support/visible_text.h"

namespace qs {
namespace {

enum class Opened { Nothing, SettingsDialog, FullScreen, Preview, PasswordDialog };

std::ostream& operator<<(std::ostream& out, Opened o) {
    static const char* const names[] = {"Nothing", "SettingsDialog", "FullScreen", "Preview", "PasswordDialog"};
    return out << names[static_cast<int>(o)];
}

// Records which mode window Main asked for, with the host handle at that moment.
class RecordingModeWindows final : public app::ModeWindows {
public:
    void ShowSettingsDialog() override { Record(Opened::SettingsDialog); }
    void ShowFullScreen() override { Record(Opened::FullScreen); }
    void LoadPreview() override { Record(Opened::Preview); }

    std::vector<Opened> opened;
    std::vector<platform::WindowHandle> hostAtOpen;

private:
    void Record(Opened what) {
        opened.push_back(what);
        hostAtOpen.push_back(PreviewHost);
    }
};

// Any use of the profile file or the registry means the settings object was touched.
class CountingProfile final : public platform::ProfileFile {
public:
    std::uint32_t GetPrivateProfileString(const std::string&, const std::string&, const std::string&, char* buffer,
                                          std::uint32_t size, const std::string&) override {
        ++uses;
        if (buffer && size) {
            buffer[0] = '\0';
        }
        return 0;
    }
    bool WritePrivateProfileString(const std::string&, const std::string&, const std::string&,
                                   const std::string&) override {
        ++uses;
        return true;
    }
    int uses = 0;
};

class CountingRegistry final : public platform::Registry {
public:
    std::int32_t RegOpenKeyEx(platform::RegKey, const std::string&, std::uint32_t, platform::RegKey&) override {
        return Use();
    }
    std::int32_t RegQueryValueEx(platform::RegKey, const std::string&, std::uint32_t*, std::uint8_t*,
                                 std::uint32_t*) override {
        return Use();
    }
    std::int32_t RegSetValueEx(platform::RegKey, const std::string&, std::uint32_t, const std::uint8_t*,
                               std::uint32_t) override {
        return Use();
    }
    std::int32_t RegCreateKeyEx(platform::RegKey, const std::string&, std::uint32_t, platform::RegKey&) override {
        return Use();
    }
    std::int32_t RegCloseKey(platform::RegKey) override { return Use(); }
    int uses = 0;

private:
    std::int32_t Use() {
        ++uses;
        return platform::kErrorFileNotFound;
    }
};

class MainTest : public ::testing::Test {
protected:
    MainTest() {
        ResetSharedState();
        os.UseProfile(&profile);
        os.UseRegistry(&registry);
        app::SetModeWindows(&windows);
    }
    ~MainTest() override {
        app::SetModeWindows(nullptr);
        ResetSharedState();
    }

    // What Main opened for the argument string, with the handle it left in PreviewHost.
    Opened RunMain(const std::string& arguments) {
        os.process.arguments = arguments;
        MainModule::Main();
        std::size_t total = windows.opened.size() + os.passwords.changeCalls.size();
        EXPECT_LE(total, 1u) << "Main opens at most one thing";
        if (!os.passwords.changeCalls.empty()) {
            return Opened::PasswordDialog;
        }
        return windows.opened.empty() ? Opened::Nothing : windows.opened.front();
    }

    test::ScopedServices os;
    CountingProfile profile;
    CountingRegistry registry;
    RecordingModeWindows windows;
};

struct DispatchCase {
    const char* arguments;
    Opened opened;
    std::int64_t host;  // PreviewHost afterwards, as a signed 32-bit number
};

std::ostream& operator<<(std::ostream& out, const DispatchCase& c) {
    return out << test::VisibleText(c.arguments) << " -> " << c.opened;
}

class MainDispatch : public MainTest, public ::testing::WithParamInterface<DispatchCase> {};

TEST_P(MainDispatch, OpensTheModeOfTheFirstTwoCharacters) {
    const DispatchCase& c = GetParam();
    EXPECT_EQ(RunMain(c.arguments), c.opened) << "arguments: " << test::VisibleText(c.arguments);
    EXPECT_EQ(PreviewHost, app::HandleFromInt32(static_cast<std::int32_t>(c.host)));
    if (!windows.hostAtOpen.empty()) {
        EXPECT_EQ(windows.hostAtOpen.front(), PreviewHost) << "the host is set before the window opens";
    }
    for (const auto& call : os.passwords.changeCalls) {
        EXPECT_EQ(call.owner, PreviewHost) << "the dialog's owner is the handle read";
    }
    EXPECT_EQ(profile.uses, 0);
    EXPECT_EQ(registry.uses, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Switches, MainDispatch,
    ::testing::Values(
        // Settings: no switch, or /C in any case; whatever follows is ignored.
        DispatchCase{"", Opened::SettingsDialog, 0}, DispatchCase{"/c", Opened::SettingsDialog, 0},
        DispatchCase{"/C", Opened::SettingsDialog, 0}, DispatchCase{"/c:1234", Opened::SettingsDialog, 0},
        DispatchCase{"/C 99", Opened::SettingsDialog, 0},
        // Full screen: only the first two characters decide.
        DispatchCase{"/s", Opened::FullScreen, 0}, DispatchCase{"/S", Opened::FullScreen, 0},
        DispatchCase{"/SX", Opened::FullScreen, 0}, DispatchCase{"/s /p 5", Opened::FullScreen, 0},
        // Preview: the handle after the switch.
        DispatchCase{"/p 1234", Opened::Preview, 1234}, DispatchCase{"/P 1234", Opened::Preview, 1234},
        DispatchCase{"/p1234", Opened::Preview, 1234}, DispatchCase{"/p:1234", Opened::Preview, 0},
        DispatchCase{"/P", Opened::Preview, 0}, DispatchCase{"/p \t12\n34", Opened::Preview, 1234},
        DispatchCase{"/p 12 34x56", Opened::Preview, 1234}, DispatchCase{"/p 2147483647", Opened::Preview, 2147483647},
        DispatchCase{"/p -1", Opened::Preview, -1}, DispatchCase{"/p 12.5", Opened::Preview, 12},
        DispatchCase{"/p 13.5", Opened::Preview, 14}, DispatchCase{"/p 1E3", Opened::Preview, 1000},
        DispatchCase{"/p\r1234", Opened::Preview, 0}, DispatchCase{"/p -2.5", Opened::Preview, -2},
        DispatchCase{"/p -2147483648.5", Opened::Preview, -2147483648LL},
        // A handle beyond 32 bits: the run cannot go on.
        DispatchCase{"/p 2147483648", Opened::Nothing, 0}, DispatchCase{"/p 99999999999", Opened::Nothing, 0},
        DispatchCase{"/p -2147483649", Opened::Nothing, 0}, DispatchCase{"/p 1e400", Opened::Nothing, 0},
        DispatchCase{"/p 2147483647.5", Opened::Nothing, 0},
        // Password change: the owner after the switch.
        DispatchCase{"/a 1234", Opened::PasswordDialog, 1234}, DispatchCase{"/A 77", Opened::PasswordDialog, 77},
        DispatchCase{"/A", Opened::PasswordDialog, 0}, DispatchCase{"/a:77", Opened::PasswordDialog, 0},
        DispatchCase{"/a 4294967296", Opened::Nothing, 0},
        // Unknown switches open nothing.
        DispatchCase{"-s", Opened::Nothing, 0}, DispatchCase{"s", Opened::Nothing, 0},
        DispatchCase{"/", Opened::Nothing, 0}, DispatchCase{" /s", Opened::Nothing, 0},
        DispatchCase{"/x", Opened::Nothing, 0}, DispatchCase{"//s", Opened::Nothing, 0},
        DispatchCase{"\\s", Opened::Nothing, 0}));

TEST_F(MainTest, ReadsTheArgumentStringOnce) {
    RunMain("/s");
    EXPECT_EQ(os.process.argumentReads, 1);
}

TEST_F(MainTest, PasswordModeCallsTheChangeDialogWithTheSaverKeyAndTwoZeros) {
    EXPECT_EQ(RunMain("/a 4660"), Opened::PasswordDialog);
    ASSERT_EQ(os.passwords.changeCalls.size(), 1u);
    const auto& call = os.passwords.changeCalls.front();
    EXPECT_EQ(call.provider, "SCRSAVE");
    EXPECT_EQ(call.owner, platform::WindowHandle{4660});
    EXPECT_EQ(call.reserved1, 0u);
    EXPECT_EQ(call.reserved2, 0u);
}

TEST_F(MainTest, PasswordModeOpensNoWindowAndLeavesTheSettingsAlone) {
    os.passwords.changeAvailable = false;  // even when the system has no such dialog
    RunMain("/A 99");
    EXPECT_TRUE(windows.opened.empty());
    EXPECT_EQ(profile.uses, 0);
    EXPECT_EQ(registry.uses, 0);
    EXPECT_TRUE(os.system.findCalls.empty());
}

TEST_F(MainTest, FullScreenLooksForARunningSaverFirst) {
    EXPECT_EQ(RunMain("/s"), Opened::FullScreen);
    EXPECT_EQ(os.system.findCalls, std::vector<std::string>{"Quillo ScrSav Main Form"});
}

TEST_F(MainTest, FullScreenOpensNothingWhileARunningSaverHasItsCaption) {
    os.system.AddWindow("Some other program");
    os.system.AddWindow("Quillo ScrSav Main Form");
    EXPECT_EQ(RunMain("/S"), Opened::Nothing);
}

TEST_F(MainTest, FullScreenIgnoresChildWindowsAndDestroyedOnes) {
    const auto host = os.system.AddWindow("Display Properties");
    os.system.AddWindow("Quillo ScrSav Main Form", {}, host);
    const auto gone = os.system.AddWindow("Quillo ScrSav Main Form");
    os.system.DestroyWindow(gone);
    EXPECT_EQ(RunMain("/s"), Opened::FullScreen);
}

TEST_F(MainTest, OtherModesDoNotLookForWindows) {
    for (const char* arguments : {"/c", "/p 5", "/a 5", "/x"}) {
        windows.opened.clear();
        os.passwords.changeCalls.clear();
        RunMain(arguments);
        EXPECT_TRUE(os.system.findCalls.empty()) << arguments;
    }
}

TEST_F(MainTest, WithoutModeWindowsAWindowModeOpensNothing) {
    app::SetModeWindows(nullptr);
    for (const char* arguments : {"", "/s", "/p 1234"}) {
        EXPECT_EQ(RunMain(arguments), Opened::Nothing) << arguments;
        EXPECT_TRUE(windows.opened.empty());
    }
    EXPECT_EQ(PreviewHost, platform::WindowHandle{1234});
}

TEST_F(MainTest, PasswordModeNeedsNoModeWindows) {
    app::SetModeWindows(nullptr);
    EXPECT_EQ(RunMain("/a 5"), Opened::PasswordDialog);
}

TEST_F(MainTest, PreviewHostIsClearedByTheOtherModes) {
    PreviewHost = 777;
    RunMain("/s");
    EXPECT_EQ(PreviewHost, 0u);
}

TEST_F(MainTest, SetsTheStartUpState) {
    os.clock.SetDateTime(2024, 5, 17, 21, 45, 30, 600);
    CurrentSlide = 9;
    RunMain("/s");
    const double expected = 45429.0 + (21 * 3600 + 45 * 60 + 30) / 86400.0;
    EXPECT_DOUBLE_EQ(LastSlideTime, expected) << "whole seconds of the current date and time";
    EXPECT_EQ(CurrentSlide, 0);
    EXPECT_EQ(os.clock.nowReads(), 1);
}

TEST_F(MainTest, SetsTheStateEvenWhenNothingOpens) {
    os.clock.SetDateTime(2030, 1, 1, 0, 0, 1);
    CurrentSlide = 4;
    TwipsPerPixelX = TwipsPerPixelY = 0;
    RunMain("-s");
    EXPECT_DOUBLE_EQ(LastSlideTime, 47484.0 + 1 / 86400.0);
    EXPECT_EQ(CurrentSlide, 0);
    EXPECT_EQ(TwipsPerPixelX, 15);
    EXPECT_EQ(TwipsPerPixelY, 15);
    EXPECT_EQ(os.random.randomizeCount, 1);
}

TEST_F(MainTest, SeedsTheGeneratorOnceWithoutDrawing) {
    RunMain("/c");
    EXPECT_EQ(os.random.randomizeCount, 1);
    EXPECT_EQ(os.random.draws, 0);
}

struct TwipsCase {
    double x, y;
    std::int32_t roundedX, roundedY;
};

std::ostream& operator<<(std::ostream& out, const TwipsCase& c) {
    return out << c.x << " x " << c.y;
}

class MainTwips : public MainTest, public ::testing::WithParamInterface<TwipsCase> {};

TEST_P(MainTwips, RoundsTheScreenFactorsToTheNearestInteger) {
    const TwipsCase& c = GetParam();
    os.screen.metrics.twipsPerPixelX = c.x;
    os.screen.metrics.twipsPerPixelY = c.y;
    RunMain("/c");
    EXPECT_EQ(TwipsPerPixelX, c.roundedX);
    EXPECT_EQ(TwipsPerPixelY, c.roundedY);
}

INSTANTIATE_TEST_SUITE_P(Factors, MainTwips,
                         ::testing::Values(TwipsCase{15.0, 15.0, 15, 15},           // 96 dpi
                                           TwipsCase{1440.0 / 120, 1440.0 / 144, 12, 10},
                                           TwipsCase{1440.0 / 168, 1440.0 / 168, 9, 9},  // 8.57
                                           TwipsCase{7.5, 6.5, 8, 6},              // halves to even
                                           TwipsCase{14.4, 15.6, 14, 16}));

TEST(WindowNotFound, AsksForTheCaptionAndAnswersWhetherNoWindowHasIt) {
    test::ScopedServices os;
    EXPECT_TRUE(MainModule::WindowNotFound("Quillo ScrSav Main Form"));
    os.system.AddWindow("Quillo ScrSav Main Form");
    EXPECT_FALSE(MainModule::WindowNotFound("Quillo ScrSav Main Form"));
    EXPECT_TRUE(MainModule::WindowNotFound("Quillo ScrSav Main"));
    EXPECT_EQ(os.system.findCalls.size(), 3u);
    EXPECT_EQ(os.system.findCalls.back(), "Quillo ScrSav Main");
}

} // namespace
} // namespace qs
