#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "app/command_number.h"
#include "app/main_module.h"
#include "app/mode_windows.h"
#include "settings/shared_state.h"
#include "support/scoped_services.h"
#include "support/settings_fixture.h"

namespace qs {
namespace {

TEST(ReadDecimal, ReadsTheNumberAtTheStartSkippingBlanksAnywhere) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    const std::pair<std::string, double> cases[] = {
        {"", 0}, {":1234", 0}, {"&H10", 0}, {"E5", 0}, {"+.", 0},          // no number at the start
        {"1 2 3 4", 1234}, {"12\n34", 1234}, {"12\r34", 12}, {"12:34", 12}, {"1-2", 1}, {"- 12", -12},
        {"1 . 5", 1.5}, {".5", 0.5}, {"1.2.3", 1.2}, {"25e-1", 2.5}, {"1D2", 100}, {"1e+", 1}, {"1 e 2", 100},
        {"99999999999", 99999999999.0}, // beyond 32 bits: read in full
        {"-1e400", -kInf}, {std::string(400, '9'), kInf}, {"0.001e99999999999999", kInf}, // beyond a double
        {"1e-400", 0}, {"1000e-99999999999999", 0}};
    for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(app::ReadDecimalNumber(text), value) << text.substr(0, 30);
}

using Opened = std::pair<std::string, platform::WindowHandle>; // what, with which handle

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
    RecordingModeWindows windows;
    const std::tuple<const char*, const char*, std::int32_t> cases[] = { // arguments, opened, handle
        // Settings without a switch or on /C, full screen on /S: only the first two characters decide.
        {"", "settings", 0}, {"/C 99", "settings", 0}, {"/S", "full screen", 0}, {"/s /p 5", "full screen", 0},
        {"/p 1234", "preview", 1234}, {"/P1234", "preview", 1234}, {"/p:1234", "preview", 0}, {"/P", "preview", 0},
        {"/p \t12\n34", "preview", 1234}, {"/p\r1234", "preview", 0}, {"/p 2147483647", "preview", 2147483647},
        {"/p -1", "preview", -1}, {"/p 13.5", "preview", 14}, {"/p -2.5", "preview", -2},
        {"/p -2147483648.5", "preview", -2147483647 - 1},
        // A handle beyond 32 bits: the run cannot go on.
        {"/p 2147483648", "", 0}, {"/p -2147483649", "", 0}, {"/p 1e400", "", 0}, {"/p 2147483647.5", "", 0},
        {"/a 4660", "password", 4660}, {"/A", "password", 0}, {"/a 4294967296", "", 0}, {" /s", "", 0}};
    // The second time round a full-screen saver runs already: only a full-screen start gives way to it.
    for (const bool running : {false, true}) {
        if (running) os.system.AddWindow("QUILLO SCRSAV MAIN FORM");
        for (const auto& [arguments, opened, handle] : cases) {
            SCOPED_TRACE(testing::Message() << arguments << (running ? " beside a running saver" : ""));
            os.process.arguments = arguments;
            windows.opened.clear();
            os.passwords.changeCalls.clear();
            os.clock.SetDateTime(2024, 5, 17, 21, 45, 30, 600);
            const int seeds = os.random.randomizeCount;
            MainModule::Main();
            for (const auto& call : os.passwords.changeCalls) {
                EXPECT_TRUE(call.provider == "SCRSAVE" && call.reserved1 + call.reserved2 == 0u);
                windows.opened.push_back({"password", call.owner});
            }
            const std::vector<Opened> expected = {{opened, platform::WindowHandle(std::intptr_t{handle})}};
            const bool opens = opened[0] && !(running && std::string(opened) == "full screen");
            EXPECT_EQ(windows.opened, opens ? expected : std::vector<Opened>{});
            // Whatever opens, the generator is seeded and the schedule starts now, in whole seconds.
            EXPECT_EQ(os.random.randomizeCount, seeds + 1);
            EXPECT_DOUBLE_EQ(LastSlideTime, 45429.0 + (21 * 3600 + 45 * 60 + 30) / 86400.0);
        }
    }
    test::ResetSharedState();
}

} // namespace
} // namespace qs
