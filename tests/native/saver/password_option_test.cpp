// How the system's password option reads, whatever form the value is stored in.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "saver_fixture.h"
#include "ui/saver/password_option.h"
#include "support/visible_text.h"

namespace qs::test {
namespace {

struct ConversionCase {
    RegVariant value;
    std::int16_t expected;
};

std::string Describe(const RegVariant& v) {
    return std::visit(
        [](const auto& x) -> std::string {
            using T = std::decay_t<decltype(x)>;
            if constexpr (std::is_same_v<T, std::monostate>) return "empty";
            else if constexpr (std::is_same_v<T, std::string>) return "text " + VisibleText(x.substr(0, 12));
            else return "number " + std::to_string(static_cast<double>(x));
        },
        v);
}

class PasswordOptionConversion : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(PasswordOptionConversion, GivesTheSixteenBitValue) {
    SCOPED_TRACE(Describe(GetParam().value));
    EXPECT_EQ(ui::PasswordOptionValue(GetParam().value), GetParam().expected);
}

std::string Binary(std::initializer_list<unsigned char> data) {
    // GetRegValue gives binary data as the whole 1024-byte buffer, zeros after the data.
    std::string buffer(1024, '\0');
    std::copy(data.begin(), data.end(), buffer.begin());
    return buffer;
}

INSTANTIATE_TEST_SUITE_P(
    Values, PasswordOptionConversion,
    ::testing::Values(ConversionCase{RegVariant{}, 0}, ConversionCase{std::string("1"), 1},
                      ConversionCase{std::string("0"), 0}, ConversionCase{std::string(" 2 "), 2},
                      ConversionCase{std::string("2.5"), 2}, ConversionCase{std::string("3.5"), 4},
                      ConversionCase{std::string("-1"), -1}, ConversionCase{std::string("70000"), -1},
                      ConversionCase{std::string("True"), -1}, ConversionCase{std::string("false"), 0},
                      ConversionCase{std::string(""), 0}, ConversionCase{std::string("yes"), -1},
                      ConversionCase{std::int32_t{1}, 1}, ConversionCase{std::int32_t{0}, 0},
                      ConversionCase{std::int32_t{-32768}, -32768}, ConversionCase{std::int32_t{65536}, -1},
                      ConversionCase{Binary({1, 0, 0, 0}), -1}, ConversionCase{Binary({0, 0, 0, 0}), 0},
                      ConversionCase{Binary({0, 0, 0, 1}), -1}, ConversionCase{Binary({}), 0}));

class PasswordOptionRead : public SaverTest {};

TEST_F(PasswordOptionRead, ReadsTheValueUnderControlPanelDesktop) {
    SetPasswordOption(OptionValue::Text("1"));
    EXPECT_EQ(ui::PasswordOptionFromRegistry(), 1);
    SetPasswordOption(OptionValue::Dword(0));
    EXPECT_EQ(ui::PasswordOptionFromRegistry(), 0);
    SetPasswordOption(OptionValue::Binary({1, 0, 0, 0}));
    EXPECT_EQ(ui::PasswordOptionFromRegistry(), -1);
    SetPasswordOption(std::nullopt);
    EXPECT_EQ(ui::PasswordOptionFromRegistry(), 0);
}

TEST_F(PasswordOptionRead, AnUnreadableTypeIsOff) {
    SetPasswordOption(OptionValue{platform::kRegExpandSz, std::string("1\0", 2)});
    EXPECT_EQ(ui::PasswordOptionFromRegistry(), 0);
}

} // namespace
} // namespace qs::test
