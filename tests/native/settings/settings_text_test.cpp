// Reading numbers and flags from settings-file text.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "settings/settings_text.h"

namespace {

struct NumberCase {
    const char* text;
    std::optional<double> leading;
    std::optional<double> whole;
};

TEST(SettingsNumbers, ReadsTheNumberAtTheStartOrTheWholeText) {
    const NumberCase cases[] = {
        {"30", 30, 30},
        {"30 seconds", 30, std::nullopt},
        {"  42  ", 42, 42},
        {"\t7", 7, 7},
        {"-5", -5, -5},
        {"+5", 5, 5},
        {"2.5", 2.5, 2.5},
        {".5", 0.5, 0.5},
        {"5.", 5, 5},
        {"1e3", 1000, 1000},
        {"1E+2x", 100, std::nullopt},
        {"2e", 2, std::nullopt},    // an exponent needs a digit; the "2" still counts
        {"3e-", 3, std::nullopt},
        {"abc", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
        {"-", std::nullopt, std::nullopt},
        {".", std::nullopt, std::nullopt},
        {"- 5", std::nullopt, std::nullopt},
        {"\"30\"", std::nullopt, std::nullopt},
        {"0x1F", 0, std::nullopt},
        {"inf", std::nullopt, std::nullopt},
        {"nan", std::nullopt, std::nullopt},
        {"1e400", std::nullopt, std::nullopt}, // beyond a double
        {"1,000", 1, std::nullopt},
        {"000000000000000000000000000000000000000042", 42, 42},
    };
    for (const NumberCase& c : cases) {
        EXPECT_EQ(qs::LeadingNumber(c.text), c.leading) << "\"" << c.text << "\"";
        EXPECT_EQ(qs::WholeNumber(c.text), c.whole) << "\"" << c.text << "\"";
    }
}

struct RoundCase {
    double value;
    std::optional<std::int32_t> rounded;
};

TEST(SettingsNumbers, RoundsHalfToEvenWithinThirtyTwoBits) {
    const RoundCase cases[] = {
        {2.5, 2},
        {3.5, 4},
        {-2.5, -2},
        {-3.5, -4},
        {0.5, 0},
        {1.5, 2},
        {2.4999, 2},
        {2.5001, 3},
        {-0.4, 0},
        {2147483647.0, 2147483647},
        {2147483647.4, 2147483647},
        {2147483647.5, std::nullopt}, // rounds to 2^31
        {2147483648.0, std::nullopt},
        {-2147483648.0, -2147483647 - 1},
        {-2147483648.5, -2147483647 - 1}, // half to the even neighbour, inside the range
        {-2147483649.0, std::nullopt},
        {1e300, std::nullopt},
    };
    for (const RoundCase& c : cases) {
        EXPECT_EQ(qs::RoundToInt32(c.value), c.rounded) << c.value;
    }
}

struct FlagCase {
    const char* text;
    std::optional<bool> flag;
};

TEST(SettingsFlags, ReadsWordsAndNumbers) {
    const FlagCase cases[] = {
        {"True", true},    {"true", true},   {"TRUE", true},    {"tRuE", true},  {"False", false},
        {"FALSE", false},  {"-1", true},     {"1", true},       {"2.5", true},   {"0", false},
        {"0.0", false},    {"-0", false},    {" True ", true},  {"\t0\t", false}, {"yes", std::nullopt},
        {"", std::nullopt}, {"T", std::nullopt}, {"1 true", std::nullopt}, {"Truth", std::nullopt},
        {"on", std::nullopt},
    };
    for (const FlagCase& c : cases) {
        EXPECT_EQ(qs::BooleanText(c.text), c.flag) << "\"" << c.text << "\"";
    }
}

TEST(SettingsFlags, WritesTheWords) {
    EXPECT_EQ(qs::FlagText(true), "True");
    EXPECT_EQ(qs::FlagText(false), "False");
    EXPECT_EQ(qs::BooleanText(qs::FlagText(true)), true);
    EXPECT_EQ(qs::BooleanText(qs::FlagText(false)), false);
}

} // namespace
