#include "app/command_number.h"

#include <optional>
#include <string>

#include "settings/settings_text.h"

namespace qs::app {

namespace {
bool IsSkipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
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

} // namespace

double ReadDecimalNumber(std::string_view text) {
    // The classic conversion also reads D as the exponent's letter.
    const std::optional<ScannedNumber> scanned = ScanNumber(Compact(text), "eEdD");
    return scanned ? scanned->value : 0.0;
}

platform::WindowHandle HandleFromInt32(std::int32_t number) {
    return static_cast<platform::WindowHandle>(static_cast<std::intptr_t>(number));
}

} // namespace qs::app
