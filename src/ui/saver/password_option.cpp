#include "ui/saver/password_option.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <type_traits>
#include <variant>

#include "settings/settings_text.h"

namespace qs::ui {

namespace {
bool FromNumber(double value) {
    // The nearest whole number, a half going to the even neighbour; NaN is not 0.
    return std::nearbyint(value) != 0.0;
}

bool FromText(const std::string& text) {
    if (const auto number = WholeNumber(text)) return FromNumber(*number);
    if (const auto flag = BooleanText(text)) return *flag;
    return std::any_of(text.begin(), text.end(), [](char c) { return c != '\0'; });
}
} // namespace

bool PasswordOptionValue(const RegVariant& value) {
    return std::visit(
        [](const auto& v) -> bool {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>) {
                return false;
            } else if constexpr (std::is_same_v<T, std::string>) {
                return FromText(v);
            } else {
                return FromNumber(static_cast<double>(v));
            }
        },
        value);
}

bool PasswordOptionFromRegistry() {
    std::uint32_t type = 0;
    std::int32_t error = 0;
    const RegVariant value =
        GetRegValue(platform::kHkeyCurrentUser, "Control Panel\\Desktop\\", "ScreenSaveUsePassword", type, error);
    return PasswordOptionValue(value);
}

} // namespace qs::ui
