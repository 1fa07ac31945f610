#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "ui/config/settings_dialog_model.h"

namespace qs::ui {
namespace {

using Text = std::optional<std::string>;
constexpr auto kHeld = std::nullopt;

// The dialog opens on a stored delay, then the bar moves (the first move is the opening's own
// placing of the bar); each move gives the box a new text, or none. Within the bar's reach the top
// arrow lowers the value and lengthens the delay; beyond it the delay shows as stored, with the bar
// at its end, until the bar leaves the end.
TEST(DelayMapping, BoxBarAndStoredDelayAgree) {
    const struct {
        std::int32_t stored;
        int spinAtOpen;
        std::vector<int> moves;
        std::vector<Text> texts;
    } cases[] = {{45, 555, {555, 554, 556}, {"45", "46", "44"}}, {3, 597, {598}, {"2"}},
                 {597, 3, {3, 2}, {"597", "598"}}, {2, 598, {598}, {"2"}},
                 {599, 2, {2, 3, 2}, {kHeld, "597", "598"}}, {1000, 2, {2, 2, 3}, {kHeld, kHeld, "597"}},
                 {0, 598, {598, 597}, {kHeld, "3"}}, {std::numeric_limits<std::int32_t>::max(), 2, {2}, {kHeld}},
                 {std::numeric_limits<std::int32_t>::min(), 598, {598}, {kHeld}}};
    for (const auto& c : cases) {
        SettingsDialogModel model;
        const SettingsDialogModel::DelayStart start = model.open(c.stored);
        EXPECT_EQ(start.text, std::to_string(c.stored));
        EXPECT_EQ(start.spinValue, c.spinAtOpen) << c.stored;
        std::vector<Text> texts;
        for (int value : c.moves) texts.push_back(model.spinMoved(value));
        EXPECT_EQ(texts, c.texts) << c.stored;
    }
}

TEST(PictureCountCaption, NamesOneAndCountsTheRest) {
    const std::pair<std::int32_t, const char*> cases[] = {{0, "0 Pictures"}, {1, "One Picture"}, {2, "2 Pictures"}};
    for (const auto& [count, caption] : cases) EXPECT_EQ(SettingsDialogModel::pictureCountCaption(count), caption);
}

} // namespace
} // namespace qs::ui
