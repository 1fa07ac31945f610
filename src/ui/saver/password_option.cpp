#include "ui/saver/password_option.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <type_traits>
#include <variant>

#include "settings/settings_text.h"

namespace qs::ui {

namespace {
std::int16_t FromNumber(double value) {
    if (!std::isfinite(value)) return -1;
    // The nearest whole number, a half going to the even neighbour.
    const double whole = std::nearbyint(value);
    if (whole < -32768.0 || whole > 32767.0) return -1;
    return static_cast<std::int16_t>(whole);
}

std::int16_t FromText(const std::string& text) {
    if (const auto number = WholeNumber(text)) return FromNumber(*number);
    if (const auto flag = BooleanText(text)) return *flag ? -1 : 0;
    const bool anySet = std::any_of(text.begin(), text.end(), [](char c) { return c != '\0'; });
    return anySet ? -1 : 0;
}
} // namespace

std::int16_t PasswordOptionValue(const RegVariant& value) {
    return std::visit(
        [](const auto& v) -> std::int16_t {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>) {
                return 0;
            } else if constexpr (std::is_same_v<T, std::string>) {
                return FromText(v);
            } else if constexpr (std::is_same_v<T, bool>) {
                return v ? -1 : 0;
            } else {
                return FromNumber(static_cast<double>(v));
            }
        },
        value);
}

std::int16_t PasswordOptionFromRegistry() {
    std::uint32_t type = 0;
    std::int32_t error = 0;
    const RegVariant value =
        GetRegValue(platform::kHkeyCurrentUser, "Control Panel\\Desktop\\", "ScreenSaveUsePassword", type, error);
    return PasswordOptionValue(value);
}

} // namespace qs::ui
