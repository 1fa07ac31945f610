#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "app/command_number.h"
#include "app/main.h"
#include "support/scoped_services.h"

namespace qs::app {
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
    for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(ReadDecimalNumber(text), value) << text.substr(0, 30);
}

TEST(Main, TheFirstTwoCharactersChooseTheModeAndTheHandleFollowsThem) {
    test::ScopedServices os;
    const std::tuple<const char*, Mode, std::int32_t> cases[] = { // arguments, mode, handle
        // Settings without a switch or on /C, full screen on /S: only the first two characters decide.
        {"", Mode::SettingsDialog, 0}, {"/C 99", Mode::SettingsDialog, 0}, {"/S", Mode::FullScreen, 0},
        {"/s /p 5", Mode::FullScreen, 0}, {"/p 1234", Mode::Preview, 1234}, {"/P1234", Mode::Preview, 1234},
        {"/p:1234", Mode::Preview, 0}, {"/P", Mode::Preview, 0}, {"/p \t12\n34", Mode::Preview, 1234},
        {"/p\r1234", Mode::Preview, 0}, {"/p 2147483647", Mode::Preview, 2147483647}, {"/p -1", Mode::Preview, -1},
        {"/p 13.5", Mode::Preview, 14}, {"/p -2.5", Mode::Preview, -2},
        {"/p -2147483648.5", Mode::Preview, -2147483647 - 1},
        // A handle beyond 32 bits: the run cannot go on.
        {"/p 2147483648", Mode::Nothing, 0}, {"/p -2147483649", Mode::Nothing, 0}, {"/p 1e400", Mode::Nothing, 0},
        {"/p 2147483647.5", Mode::Nothing, 0}, {"/a 4660", Mode::PasswordChange, 4660}, {"/A", Mode::PasswordChange, 0},
        {"/a 4294967296", Mode::Nothing, 0}, {" /s", Mode::Nothing, 0}};
    // The second time round a full-screen saver runs already: only a full-screen start gives way to it.
    for (const bool running : {false, true}) {
        if (running) os.system.captions.push_back("QUILLO SCRSAV MAIN FORM");
        for (const auto& [arguments, mode, handle] : cases) {
            const Launch expected{running && mode == Mode::FullScreen ? Mode::Nothing : mode,
                                  platform::WindowHandle(std::intptr_t{handle})};
            EXPECT_EQ(Main(arguments), expected) << arguments << (running ? " beside a running saver" : "");
        }
    }
}

} // namespace
} // namespace qs::app
