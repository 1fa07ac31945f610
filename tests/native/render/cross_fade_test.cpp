// The cross-fade's arithmetic: its weight over time and the pixels of one frame.
#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>
#include <vector>

#include "toolkit/cross_fade.h"

namespace qs::test {
namespace {

TEST(CrossFade, TheWeightGrowsLinearlyFromTheOldPictureToTheNewAndStaysThereAfterTheEnd) {
    const std::tuple<double, int, int> cases[] = { // elapsed ms, length ms, weight
        {-5, 1000, 0}, {0, 1000, 0}, {250, 1000, 64}, {1000, 2000, 128}, {2999, 3000, 256}, {1000, 1000, 256},
        {9000, 500, 256}, {0, 0, 256}};
    for (const auto& [elapsed, length, weight] : cases)
        EXPECT_EQ(tk::FadeWeight(elapsed, length), weight) << elapsed << " of " << length;
}

TEST(CrossFade, AFrameMixesEachChannelByTheWeightRoundedAndOnlyTheEndsAreThePicturesThemselves) {
    const std::vector<std::uint32_t> from{0xFF0000, 0x000000, 0x102030}, to{0x00FF00, 0xFFFFFF, 0x102030};
    const std::pair<int, std::vector<std::uint32_t>> cases[] = {
        {0, from}, {256, to}, {128, {0x808000, 0x808080, 0x102030}}, {64, {0xBF4000, 0x404040, 0x102030}},
        {255, {0x01FE00, 0xFEFEFE, 0x102030}}};
    for (const auto& [weight, want] : cases) {
        std::vector<std::uint32_t> out(from.size());
        tk::BlendPixels(from.data(), to.data(), out.data(), out.size(), weight);
        EXPECT_EQ(out, want) << "weight " << weight;
        std::vector<std::uint32_t> inPlace = from;
        tk::BlendPixels(inPlace.data(), to.data(), inPlace.data(), inPlace.size(), weight);
        EXPECT_EQ(inPlace, want) << "into the old picture's own pixels, weight " << weight;
    }
}

} // namespace
} // namespace qs::test
