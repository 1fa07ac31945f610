// The number after a command-line switch, read the way the saver's host writes it.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "app/command_number.h"

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
    for (const auto& [text, value] : cases) {
        EXPECT_DOUBLE_EQ(ReadDecimalNumber(text), value) << text.substr(0, 30);
    }
}

TEST(HandleFromInt32, WidensWithTheSignAsWindowsWidensA32BitHandle) {
    EXPECT_EQ(HandleFromInt32(2147483647), platform::WindowHandle{2147483647});
    EXPECT_EQ(HandleFromInt32(-1), ~platform::WindowHandle{0});
}

} // namespace
} // namespace qs::app
