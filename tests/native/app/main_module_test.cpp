// Main: which window the command line opens, with which handle, and the start of the schedule.
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

using Opened = std::pair<std::string, platform::WindowHandle>; // what, with which handle

// Records which mode window Main asked for, with the host handle it was given.
class RecordingModeWindows final : public app::ModeWindows {
public:
    RecordingModeWindows() { app::SetModeWindows(this); }
    ~RecordingModeWindows() override { app::SetModeWindows(nullptr); }
    void ShowSettingsDialog() override { opened.push_back({"settings", 0}); }
    void ShowFullScreen() override { opened.push_back({"full screen", 0}); }
    void LoadPreview(platform::WindowHandle host) override { opened.push_back({"preview", host}); }
    std::vector<Opened> opened;
};

TEST(Main, StartsTheScheduleAndOpensTheModeOfTheFirstTwoCharactersWithTheHandleAfterThem) {
    test::ScopedServices os;
    test::MemoryProfileFile profile;
    os.UseProfile(&profile);
    RecordingModeWindows windows;
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
        os.process.arguments = arguments;
        windows.opened.clear();
        os.passwords.changeCalls.clear();
        os.system.findCalls.clear();
        os.clock.SetDateTime(2024, 5, 17, 21, 45, 30, 600);
        const int seeds = os.random.randomizeCount;
        MainModule::Main();
        for (const auto& call : os.passwords.changeCalls) {
            EXPECT_TRUE(call.provider == "SCRSAVE" && call.reserved1 + call.reserved2 == 0u);
            windows.opened.push_back({"password", call.owner});
        }
        const std::vector<Opened> expected = {{opened, app::HandleFromInt32(handle)}};
        EXPECT_EQ(windows.opened, opened[0] ? expected : std::vector<Opened>{});
        // Whatever opens, the generator is seeded and the schedule starts now, in whole seconds.
        EXPECT_EQ(os.random.randomizeCount, seeds + 1);
        EXPECT_DOUBLE_EQ(LastSlideTime, 45429.0 + (21 * 3600 + 45 * 60 + 30) / 86400.0);
        // Only full screen looks for a running saver.
        EXPECT_EQ(os.system.findCalls, std::string(opened) == "full screen"
                                           ? std::vector<std::string>{"Quillo ScrSav Main Form"}
                                           : std::vector<std::string>{});
        EXPECT_TRUE(profile.calls.empty()) << "Main leaves the settings alone";
    }
    ResetSharedState();
}

} // namespace
} // namespace qs
