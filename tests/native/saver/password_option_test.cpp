// How the system's password option reads, whatever form the value is stored in.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "saver_fixture.h"
#include "ui/saver/password_option.h"

namespace qs::test {
namespace {

TEST(PasswordOption, GivesTheSixteenBitValueOfTextNumbersAndBinary) {
    // GetRegValue gives binary data as the whole 1024-byte buffer, zeros after the data.
    const auto binary = [](std::string data) { return data + std::string(1024 - data.size(), '\0'); };
    const std::pair<RegVariant, std::int16_t> cases[] = {
        {RegVariant{}, 0},        {std::string(" 2 "), 2},   {std::string("2.5"), 2},   {std::string("3.5"), 4},
        {std::string("70000"), -1}, {std::string("True"), -1}, {std::string("yes"), -1}, {std::int32_t{65536}, -1},
        {binary(std::string("\1\0\0\0", 4)), -1}, {binary(std::string(4, '\0')), 0}};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(ui::PasswordOptionValue(cases[i].first), cases[i].second) << "case " << i;
    }
}

} // namespace
} // namespace qs::test
