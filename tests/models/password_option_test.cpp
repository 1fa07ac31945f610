// The odd stored forms of the password option (the usual ones are in the password suite).
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>

#include "ui/saver/password_option.h"

namespace qs::ui {
namespace {

TEST(PasswordOption, IsOnForEveryStoredFormOfANonZeroValue) {
    // GetRegValue gives binary data as the whole 1024-byte buffer, zeros after the data.
    const auto binary = [](std::string data) { return data + std::string(1024 - data.size(), '\0'); };
    const std::pair<RegVariant, bool> cases[] = {
        {std::monostate{}, false}, {std::string(" 2 "), true}, {std::string("0.5"), false}, {std::string("0.6"), true},
        {std::string("70000"), true}, {std::string("False"), false}, {std::string("yes"), true},
        {std::int32_t{65536}, true}, {std::int32_t{0}, false}, {binary(std::string("\1\0\0\0", 4)), true},
        {binary(std::string(4, '\0')), false}};
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(PasswordOptionValue(cases[i].first), cases[i].second) << "case " << i;
}

} // namespace
} // namespace qs::ui
