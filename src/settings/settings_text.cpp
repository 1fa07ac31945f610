#include "settings/settings_text.h"

#include <charconv>
#include <cmath>
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

// Parses a number starting at text[0] (no blanks); end receives where it stops.
std::optional<double> NumberAt(std::string_view text, std::size_t& end) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t mantissa = pos;
    std::size_t afterDigits = SkipDigits(text, pos);
    bool anyDigit = afterDigits > pos;
    pos = afterDigits;
    if (pos < text.size() && text[pos] == '.') {
        afterDigits = SkipDigits(text, pos + 1);
        anyDigit = anyDigit || afterDigits > pos + 1;
        if (anyDigit) {
            pos = afterDigits;
        }
    }
    if (!anyDigit) {
        return std::nullopt;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exponent = pos + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
            ++exponent;
        }
        const std::size_t afterExponent = SkipDigits(text, exponent);
        if (afterExponent > exponent) {
            pos = afterExponent;
        }
    }
    double value = 0.0;
    const auto [ptr, error] = std::from_chars(text.data() + mantissa, text.data() + pos, value);
    if (error != std::errc() || ptr != text.data() + pos || !std::isfinite(value)) {
        return std::nullopt;
    }
    end = pos;
    return negative ? -value : value;
}

} // namespace

std::optional<double> LeadingNumber(std::string_view text) {
    std::size_t end = 0;
    return NumberAt(text.substr(SkipBlanks(text, 0)), end);
}

std::optional<double> WholeNumber(std::string_view text) {
    const std::string_view rest = text.substr(SkipBlanks(text, 0));
    std::size_t end = 0;
    const std::optional<double> value = NumberAt(rest, end);
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

} // namespace qs
