#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "app/command_number.h"
#include "support/visible_text.h"

namespace qs::app {
namespace {

struct ReadCase {
    const char* text;
    double value;
};

std::ostream& operator<<(std::ostream& out, const ReadCase& c) {
    return out << test::VisibleText(c.text);
}

class ReadDecimal : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadDecimal, ReadsTheNumberAtTheStart) {
    const ReadCase& c = GetParam();
    EXPECT_DOUBLE_EQ(ReadDecimalNumber(c.text), c.value) << "text: " << test::VisibleText(c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadDecimal,
    ::testing::Values(
        // No number at the start.
        ReadCase{"", 0}, ReadCase{":1234", 0}, ReadCase{"x12", 0}, ReadCase{"-", 0}, ReadCase{".", 0},
        ReadCase{"+.", 0}, ReadCase{"&H10", 0}, ReadCase{"E5", 0},
        // Blanks, tabs and line feeds are skipped anywhere; other characters stop.
        ReadCase{" 1234", 1234}, ReadCase{"1 2 3 4", 1234}, ReadCase{"\t12\t34", 1234}, ReadCase{"12\n34", 1234},
        ReadCase{"12\r34", 12}, ReadCase{"1234abc", 1234}, ReadCase{"12:34", 12}, ReadCase{"1-2", 1},
        ReadCase{"- 12", -12}, ReadCase{"1 . 5", 1.5},
        // Sign, fraction and exponent.
        ReadCase{"-5", -5}, ReadCase{"+7", 7}, ReadCase{"12.5", 12.5}, ReadCase{".5", 0.5}, ReadCase{"12.", 12},
        ReadCase{"1.2.3", 1.2}, ReadCase{"1e3", 1000}, ReadCase{"1E+3", 1000}, ReadCase{"25e-1", 2.5},
        ReadCase{"1D2", 100}, ReadCase{"1e", 1}, ReadCase{"1e+", 1}, ReadCase{"1 e 2", 100}, ReadCase{"007", 7},
        // Beyond 32 bits the number is still read in full.
        ReadCase{"4294967296", 4294967296.0}, ReadCase{"99999999999", 99999999999.0}));

TEST(ReadDecimalExtremes, BeyondTheRangeOfADoubleGivesAnInfinityOfItsSign) {
    EXPECT_EQ(ReadDecimalNumber("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ReadDecimalNumber("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(ReadDecimalNumber(std::string(400, '9')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ReadDecimalNumber("0.001e99999999999999"), std::numeric_limits<double>::infinity());
}

TEST(ReadDecimalExtremes, BelowTheRangeOfADoubleGivesZero) {
    EXPECT_EQ(ReadDecimalNumber("1e-400"), 0.0);
    EXPECT_EQ(ReadDecimalNumber("0e999999"), 0.0);
    EXPECT_EQ(ReadDecimalNumber("1000e-99999999999999"), 0.0);
}

TEST(HandleFromInt32, WidensWithTheSign) {
    EXPECT_EQ(HandleFromInt32(0), 0u);
    EXPECT_EQ(HandleFromInt32(1234), 1234u);
    EXPECT_EQ(HandleFromInt32(2147483647), platform::WindowHandle{2147483647});
    // -1 is all ones at pointer width, as Windows widens a 32-bit handle.
    EXPECT_EQ(HandleFromInt32(-1), ~platform::WindowHandle{0});
}

} // namespace
} // namespace qs::app
