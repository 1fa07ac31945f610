// The settings dialog's behaviour without its window: how the delay moves between the
// stored value, the text box and the spin bar, the slide-count caption, and whether the
// user holds changes not yet confirmed with OK.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "ui/unconfirmed_changes.h"

namespace qs::ui {

class SettingsDialogModel {
public:
    // The spin bar's range gives delays of 2 to 598 seconds: delay = kSpinMax - value + 2,
    // so the top arrow, which lowers the value, lengthens the delay. The bar's design
    // value stands for 60 seconds.
    static constexpr int kSpinMin = 2;
    static constexpr int kSpinMax = 598;
    static constexpr int kSpinDesignValue = 540;

    struct DelayStart {
        std::string text; // what the text box shows
        int spinValue;    // where the bar stands, within its range
    };
    // The text box and the bar for the stored delay. A stored delay beyond the bar's reach
    // (the settings file allows up to 1000 seconds) shows as stored, with the bar at its
    // nearest end, until the bar moves away from there.
    DelayStart open(std::int32_t storedDelay);
    // The text the box takes when the bar has moved to spinValue; nothing while the box
    // still shows a stored delay beyond the bar's reach.
    std::optional<std::string> spinMoved(int spinValue);

    // "One Picture" for one slide; otherwise the count in decimal and " Pictures".
    static std::string pictureCountCaption(std::int32_t count);

    // --- changes not yet confirmed, shared with the editor the dialog opens ---
    void markChanged() { changes_.pending = true; }
    void confirm() { changes_.pending = false; }
    bool mustAskBeforeClosing() const { return changes_.pending; }
    UnconfirmedChanges& unconfirmedChanges() { return changes_; }

private:
    UnconfirmedChanges changes_;
    // The bar's end while the box shows a stored delay beyond the bar's reach.
    std::optional<int> heldAt_;
};

} // namespace qs::ui
