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

// The dialog opens on a stored delay, then the bar moves (the first move is the
// opening's own placing of the bar); each move gives the box a new text, or none.
struct DelayCase {
    std::int32_t stored;
    int spinAtOpen;
    std::vector<int> moves;
    std::vector<Text> texts;
};
class DelayMapping : public ::testing::TestWithParam<DelayCase> {};

TEST_P(DelayMapping, BoxBarAndStoredDelayAgree) {
    const DelayCase& c = GetParam();
    SettingsDialogModel model;
    const SettingsDialogModel::DelayStart start = model.open(c.stored);
    EXPECT_EQ(start.text, std::to_string(c.stored));
    EXPECT_EQ(start.spinValue, c.spinAtOpen);
    std::vector<Text> texts;
    for (int value : c.moves) texts.push_back(model.spinMoved(value));
    EXPECT_EQ(texts, c.texts);
}

// Within the bar's reach the top arrow lowers the value and lengthens the delay; beyond
// it the delay shows as stored, with the bar at its end, until the bar leaves the end.
INSTANTIATE_TEST_SUITE_P(
    Delays, DelayMapping,
    ::testing::Values(DelayCase{45, 555, {555, 554, 556}, {"45", "46", "44"}}, DelayCase{3, 597, {598}, {"2"}},
                      DelayCase{597, 3, {3, 2}, {"597", "598"}}, DelayCase{2, 598, {598}, {"2"}},
                      DelayCase{599, 2, {2, 3, 2}, {kHeld, "597", "598"}},
                      DelayCase{1000, 2, {2, 2, 3}, {kHeld, kHeld, "597"}}, DelayCase{0, 598, {598, 597}, {kHeld, "3"}},
                      DelayCase{std::numeric_limits<std::int32_t>::max(), 2, {2}, {kHeld}},
                      DelayCase{std::numeric_limits<std::int32_t>::min(), 598, {598}, {kHeld}}));

TEST(PictureCountCaption, NamesOneAndCountsTheRest) {
    for (const auto& [count, caption] : std::vector<std::pair<std::int32_t, std::string>>{
             {0, "0 Pictures"}, {1, "One Picture"}, {2, "2 Pictures"}, {7, "7 Pictures"}})
        EXPECT_EQ(SettingsDialogModel::pictureCountCaption(count), caption);
}

// The editor marks changes in the state the dialog hands it; opening and OK clear them.
TEST(UnconfirmedChanges, DecideWhetherClosingAsks) {
    SettingsDialogModel model;
    model.markChanged(); // filling the controls on opening runs the option handlers
    model.finishOpening();
    EXPECT_FALSE(model.mustAskBeforeClosing());
    model.unconfirmedChanges().pending = true;
    EXPECT_TRUE(model.mustAskBeforeClosing());
    model.confirm();
    EXPECT_FALSE(model.mustAskBeforeClosing());
}

} // namespace
} // namespace qs::ui
