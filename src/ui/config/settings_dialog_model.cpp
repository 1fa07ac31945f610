#include "ui/config/settings_dialog_model.h"

#include <algorithm>

namespace qs::ui {

SettingsDialogModel::DelayStart SettingsDialogModel::open(std::int32_t storedDelay) {
    // 64-bit so that no stored number can overflow on its way to the bar.
    const std::int64_t wanted = 600 - static_cast<std::int64_t>(storedDelay);
    const auto spinValue = static_cast<int>(std::clamp<std::int64_t>(wanted, kSpinMin, kSpinMax));
    heldAt_.reset();
    if (spinValue != wanted) heldAt_ = spinValue;
    return {std::to_string(storedDelay), spinValue};
}

std::optional<std::string> SettingsDialogModel::spinMoved(int spinValue) {
    if (heldAt_ == spinValue) return std::nullopt;
    heldAt_.reset();
    return std::to_string(kSpinMax - spinValue + 2);
}

std::string SettingsDialogModel::pictureCountCaption(std::int32_t count) {
    if (count == 1) return "One Picture";
    return std::to_string(count) + " Pictures";
}

} // namespace qs::ui
