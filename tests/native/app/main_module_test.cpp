// Main: which window the command line opens, with which handle, and the start-up state.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "app/command_number.h"
#include "app/main_module.h"
#include "app/mode_windows.h"
#include "settings/shared_state.h"
#include "support/scoped_services.h"
#include "support/settings_memory_profile.h"

namespace qs {
namespace {

constexpr const char* kCaption = "Quillo ScrSav Main Form";

// Records which mode window Main asked for, with the host handle at that moment.
class RecordingModeWindows final : public app::ModeWindows {
public:
    void ShowSettingsDialog() override { opened.push_back({"settings", PreviewHost}); }
    void ShowFullScreen() override { opened.push_back({"full screen", PreviewHost}); }
    void LoadPreview() override { opened.push_back({"preview", PreviewHost}); }
    std::vector<std::pair<std::string, platform::WindowHandle>> opened;
};

class MainTest : public ::testing::Test {
protected:
    MainTest() {
        ResetSharedState();
        os.UseProfile(&profile);
        app::SetModeWindows(&windows);
    }
    ~MainTest() override {
        app::SetModeWindows(nullptr);
        ResetSharedState();
    }
    // What Main opened for the argument string ("": nothing); it opens one thing at most.
    std::string RunMain(const std::string& arguments) {
        os.process.arguments = arguments;
        windows.opened.clear();
        os.passwords.changeCalls.clear();
        MainModule::Main();
        EXPECT_LE(windows.opened.size() + os.passwords.changeCalls.size(), 1u);
        if (!os.passwords.changeCalls.empty()) return "password";
        return windows.opened.empty() ? "" : windows.opened.front().first;
    }

    test::ScopedServices os;
    test::MemoryProfileFile profile;
    RecordingModeWindows windows;
};

TEST_F(MainTest, OpensTheModeOfTheFirstTwoCharactersWithTheHandleAfterThem) {
    const std::tuple<const char*, const char*, std::int32_t> cases[] = { // arguments, opened, PreviewHost
        // Settings: no switch, or /C in any case; whatever follows is ignored.
        {"", "settings", 0}, {"/c", "settings", 0}, {"/C 99", "settings", 0},
        // Full screen: only the first two characters decide.
        {"/S", "full screen", 0}, {"/s /p 5", "full screen", 0},
        {"/p 1234", "preview", 1234}, {"/P1234", "preview", 1234}, {"/p:1234", "preview", 0}, {"/P", "preview", 0},
        {"/p \t12\n34", "preview", 1234}, {"/p\r1234", "preview", 0}, {"/p 2147483647", "preview", 2147483647},
        {"/p -1", "preview", -1}, {"/p 13.5", "preview", 14}, {"/p -2.5", "preview", -2},
        {"/p -2147483648.5", "preview", -2147483647 - 1},
        // A handle beyond 32 bits: the run cannot go on.
        {"/p 2147483648", "", 0}, {"/p -2147483649", "", 0}, {"/p 1e400", "", 0}, {"/p 2147483647.5", "", 0},
        {"/a 4660", "password", 4660}, {"/A", "password", 0}, {"/a 4294967296", "", 0},
        {"-s", "", 0}, {" /s", "", 0}, {"//s", "", 0}, {"\\s", "", 0}};
    for (const auto& [arguments, opened, host] : cases) {
        SCOPED_TRACE(arguments);
        PreviewHost = 777;
        os.system.findCalls.clear();
        os.process.argumentReads = 0;
        EXPECT_EQ(RunMain(arguments), opened);
        EXPECT_EQ(PreviewHost, app::HandleFromInt32(host));
        for (const auto& [what, hostAtOpen] : windows.opened) EXPECT_EQ(hostAtOpen, PreviewHost) << "set before";
        for (const auto& call : os.passwords.changeCalls) {
            EXPECT_EQ(call.provider, "SCRSAVE");
            EXPECT_EQ(call.owner, PreviewHost) << "the dialog's owner is the handle read";
            EXPECT_EQ(call.reserved1 + call.reserved2, 0u);
        }
        // Only full screen looks for a running saver.
        EXPECT_EQ(os.system.findCalls, std::string(opened) == "full screen" ? std::vector<std::string>{kCaption}
                                                                            : std::vector<std::string>{});
        EXPECT_EQ(os.process.argumentReads, 1);
        EXPECT_TRUE(profile.reads.empty() && profile.writes.empty()) << "Main leaves the settings alone";
    }
}

TEST_F(MainTest, SetsTheStartUpStateWhateverOpensWithTheScreenFactorsRounded) {
    const std::tuple<const char*, double, double, std::int32_t, std::int32_t> cases[] = {
        {"/s", 1440.0 / 120, 1440.0 / 144, 12, 10}, {"-s", 1440.0 / 168, 14.4, 9, 14},
        {"/c", 7.5, 6.5, 8, 6}, // halves to even
        {"/p 5", 1e300, -1e300, 15, 15}}; // no integer holds it: the usual factor
    for (const auto& [arguments, x, y, roundedX, roundedY] : cases) {
        os.clock.SetDateTime(2024, 5, 17, 21, 45, 30, 600);
        os.screen.metrics.twipsPerPixelX = x;
        os.screen.metrics.twipsPerPixelY = y;
        const int clockReads = os.clock.nowReads(), seeds = os.random.randomizeCount;
        CurrentSlide = 9;
        RunMain(arguments);
        EXPECT_DOUBLE_EQ(LastSlideTime, 45429.0 + (21 * 3600 + 45 * 60 + 30) / 86400.0) << "whole seconds";
        EXPECT_EQ(os.clock.nowReads(), clockReads + 1);
        EXPECT_EQ(CurrentSlide, 0);
        EXPECT_EQ(TwipsPerPixelX, roundedX) << x;
        EXPECT_EQ(TwipsPerPixelY, roundedY) << y;
        EXPECT_EQ(os.random.randomizeCount, seeds + 1);
        EXPECT_EQ(os.random.draws, 0);
    }
}

} // namespace
} // namespace qs
