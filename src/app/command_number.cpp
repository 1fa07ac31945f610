#include "app/command_number.h"

#include <charconv>
#include <limits>
#include <string>

namespace qs::app {

namespace {
bool IsSkipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The text with the skipped characters taken out.
std::string Compact(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (char c : text) {
        if (!IsSkipped(c)) {
            compact += c;
        }
    }
    return compact;
}

std::size_t SkipDigits(const std::string& s, std::size_t pos) {
    while (pos < s.size() && IsDigit(s[pos])) {
        ++pos;
    }
    return pos;
}

// Decides overflow or underflow for a number that a double cannot hold: the position
// of its first significant digit relative to the decimal point, plus its exponent.
double OutOfRange(const std::string& mantissa, long long exponent, bool negative) {
    const std::size_t point = mantissa.find('.');
    const std::size_t intLength = point == std::string::npos ? mantissa.size() : point;
    const std::size_t firstNonZero = mantissa.find_first_not_of("0.");
    long long magnitude = 0;
    if (firstNonZero == std::string::npos) {
        return 0.0;
    }
    if (firstNonZero < intLength) {
        magnitude = static_cast<long long>(intLength - firstNonZero);
    } else {
        magnitude = -static_cast<long long>(firstNonZero - intLength - 1);
    }
    if (magnitude + exponent > 0) {
        return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    }
    return negative ? -0.0 : 0.0;
}
} // namespace

double ReadDecimalNumber(std::string_view text) {
    const std::string s = Compact(text);
    std::size_t pos = 0;
    bool negative = false;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
        negative = s[pos] == '-';
        ++pos;
    }
    const std::size_t mantissaStart = pos;
    std::size_t end = SkipDigits(s, pos);
    bool anyDigit = end > mantissaStart;
    if (end < s.size() && s[end] == '.') {
        const std::size_t fractionEnd = SkipDigits(s, end + 1);
        anyDigit = anyDigit || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!anyDigit) {
        return 0.0;
    }
    std::string number = s.substr(mantissaStart, end - mantissaStart);
    const std::string mantissa = number;

    // An exponent belongs to the number only with at least one digit: "1E" is 1.
    long long exponent = 0;
    if (end < s.size() && (s[end] == 'E' || s[end] == 'e' || s[end] == 'D' || s[end] == 'd')) {
        std::size_t expPos = end + 1;
        bool expNegative = false;
        if (expPos < s.size() && (s[expPos] == '+' || s[expPos] == '-')) {
            expNegative = s[expPos] == '-';
            ++expPos;
        }
        const std::size_t expEnd = SkipDigits(s, expPos);
        if (expEnd > expPos) {
            constexpr long long kSaturated = 1'000'000'000;
            for (std::size_t i = expPos; i < expEnd && exponent < kSaturated; ++i) {
                exponent = exponent * 10 + (s[i] - '0');
            }
            if (expNegative) {
                exponent = -exponent;
            }
            number += 'e' + std::to_string(exponent);
        }
    }

    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        return OutOfRange(mantissa, exponent, negative);
    }
    if (result.ec != std::errc() || result.ptr != number.data() + number.size()) {
        return 0.0;
    }
    return negative ? -value : value;
}

platform::WindowHandle HandleFromInt32(std::int32_t number) {
    return static_cast<platform::WindowHandle>(static_cast<std::intptr_t>(number));
}

} // namespace qs::app
