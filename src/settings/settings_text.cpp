#include "settings/settings_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace qs {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    return pos;
}

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsDigit(text[pos])) {
        ++pos;
    }
    return pos;
}

// Overflow or underflow for a number that a double cannot hold: the position of its
// first significant digit relative to the decimal point, plus its exponent, decides.
double OutOfRange(std::string_view mantissa, long long exponent, bool negative) {
    const std::size_t point = mantissa.find('.');
    const std::size_t intLength = point == std::string_view::npos ? mantissa.size() : point;
    const std::size_t firstNonZero = mantissa.find_first_not_of("0.");
    if (firstNonZero == std::string_view::npos) {
        return 0.0;
    }
    const long long magnitude = firstNonZero < intLength ? static_cast<long long>(intLength - firstNonZero)
                                                         : -static_cast<long long>(firstNonZero - intLength - 1);
    if (magnitude + exponent > 0) {
        return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    }
    return negative ? -0.0 : 0.0;
}

} // namespace

std::optional<ScannedNumber> ScanNumber(std::string_view text, std::string_view exponentLetters) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t mantissaStart = pos;
    pos = SkipDigits(text, pos);
    bool anyDigit = pos > mantissaStart;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fractionEnd = SkipDigits(text, pos + 1);
        anyDigit = anyDigit || fractionEnd > pos + 1;
        pos = fractionEnd;
    }
    if (!anyDigit) {
        return std::nullopt;
    }
    const std::string_view mantissa = text.substr(mantissaStart, pos - mantissaStart);
    std::string number(mantissa);

    // An exponent belongs to the number only with at least one digit: "1E" is 1.
    long long exponent = 0;
    if (pos < text.size() && exponentLetters.find(text[pos]) != std::string_view::npos) {
        std::size_t digits = pos + 1;
        const bool exponentNegative = digits < text.size() && text[digits] == '-';
        if (digits < text.size() && (text[digits] == '+' || text[digits] == '-')) {
            ++digits;
        }
        const std::size_t exponentEnd = SkipDigits(text, digits);
        if (exponentEnd > digits) {
            // Far beyond any double's range already; stops the count from overflowing.
            constexpr long long kSaturated = 1'000'000'000;
            for (std::size_t i = digits; i < exponentEnd && exponent < kSaturated; ++i) {
                exponent = exponent * 10 + (text[i] - '0');
            }
            if (exponentNegative) {
                exponent = -exponent;
            }
            number += 'e' + std::to_string(exponent);
            pos = exponentEnd;
        }
    }

    double value = 0.0;
    const auto [ptr, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        return ScannedNumber{OutOfRange(mantissa, exponent, negative), pos, false};
    }
    if (error != std::errc() || ptr != number.data() + number.size()) {
        return std::nullopt;
    }
    return ScannedNumber{negative ? -value : value, pos, true};
}

namespace {
// A settings value's number: the exponent written with e or E, and only in a double's range.
std::optional<double> SettingsNumberAt(std::string_view text, std::size_t& end) {
    const std::optional<ScannedNumber> scanned = ScanNumber(text, "eE");
    if (!scanned || !scanned->inRange) {
        return std::nullopt;
    }
    end = scanned->end;
    return scanned->value;
}
} // namespace

std::optional<double> LeadingNumber(std::string_view text) {
    std::size_t end = 0;
    return SettingsNumberAt(text.substr(SkipBlanks(text, 0)), end);
}

std::optional<double> WholeNumber(std::string_view text) {
    const std::string_view rest = text.substr(SkipBlanks(text, 0));
    std::size_t end = 0;
    const std::optional<double> value = SettingsNumberAt(rest, end);
    if (!value || SkipBlanks(rest, end) != rest.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::int32_t> RoundToInt32(double value) {
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) {
        whole += 1.0;
    }
    if (!(whole >= -2147483648.0 && whole <= 2147483647.0)) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(whole);
}

namespace {

bool EqualsIgnoringCase(std::string_view text, std::string_view word) {
    if (text.size() != word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        if (c != word[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<bool> BooleanText(std::string_view text) {
    std::string_view word = text.substr(SkipBlanks(text, 0));
    while (!word.empty() && IsBlank(word.back())) {
        word.remove_suffix(1);
    }
    if (EqualsIgnoringCase(word, "true")) {
        return true;
    }
    if (EqualsIgnoringCase(word, "false")) {
        return false;
    }
    if (const std::optional<double> number = WholeNumber(word)) {
        return *number != 0.0;
    }
    return std::nullopt;
}

std::string_view FlagText(bool flag) {
    return flag ? "True" : "False";
}

std::string SecondsText(std::int32_t milliseconds) {
    const std::int64_t ms = milliseconds, magnitude = ms < 0 ? -ms : ms;
    std::string text(ms < 0 ? "-" : "");
    text += std::to_string(magnitude / 1000);
    if (const std::int64_t part = magnitude % 1000) {
        std::string digits = std::to_string(1000 + part); // "1" and three digits
        while (digits.back() == '0') digits.pop_back();
        text += '.';
        text.append(digits, 1);
    }
    return text;
}

} // namespace qs
