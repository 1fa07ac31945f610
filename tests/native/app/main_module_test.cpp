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

// Records which mode window Main asked for, with the host handle it was given.
class RecordingModeWindows final : public app::ModeWindows {
public:
    void ShowSettingsDialog() override { opened.push_back({"settings", 0}); }
    void ShowFullScreen() override { opened.push_back({"full screen", 0}); }
    void LoadPreview(platform::WindowHandle host) override { opened.push_back({"preview", host}); }
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
    // What Main opened for the argument string ("": nothing) and the handle it was given;
    // it opens one thing at most.
    std::pair<std::string, platform::WindowHandle> RunMain(const std::string& arguments) {
        os.process.arguments = arguments;
        windows.opened.clear();
        os.passwords.changeCalls.clear();
        MainModule::Main();
        EXPECT_LE(windows.opened.size() + os.passwords.changeCalls.size(), 1u);
        for (const auto& call : os.passwords.changeCalls) {
            EXPECT_TRUE(call.provider == "SCRSAVE" && call.reserved1 + call.reserved2 == 0u);
            return {"password", call.owner};
        }
        return windows.opened.empty() ? std::pair<std::string, platform::WindowHandle>{} : windows.opened.front();
    }

    test::ScopedServices os;
    test::MemoryProfileFile profile;
    RecordingModeWindows windows;
};

TEST_F(MainTest, OpensTheModeOfTheFirstTwoCharactersWithTheHandleAfterThem) {
    const std::tuple<const char*, const char*, std::int32_t> cases[] = { // arguments, opened, handle
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
    for (const auto& [arguments, opened, handle] : cases) {
        SCOPED_TRACE(arguments);
        os.system.findCalls.clear();
        EXPECT_EQ(RunMain(arguments), std::pair(std::string(opened), app::HandleFromInt32(handle)));
        // Only full screen looks for a running saver.
        EXPECT_EQ(os.system.findCalls, std::string(opened) == "full screen" ? std::vector<std::string>{kCaption}
                                                                            : std::vector<std::string>{});
        EXPECT_TRUE(profile.calls.empty()) << "Main leaves the settings alone";
    }
}

TEST_F(MainTest, SeedsTheRandomNumbersAndStartsTheScheduleNowWhateverOpens) {
    for (const char* arguments : {"/s", "-s", "/c", "/p 5"}) {
        os.clock.SetDateTime(2024, 5, 17, 21, 45, 30, 600);
        const int seeds = os.random.randomizeCount;
        RunMain(arguments);
        EXPECT_DOUBLE_EQ(LastSlideTime, 45429.0 + (21 * 3600 + 45 * 60 + 30) / 86400.0) << "whole seconds";
        EXPECT_EQ(os.random.randomizeCount, seeds + 1);
        EXPECT_EQ(os.random.draws, 0);
    }
}

} // namespace
} // namespace qs
