// The slot pool behind the editor's rows: which slot a new path takes, and its bounds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/editor/full_name_pool.h"

namespace qs::ui {
namespace {

// Take grows the pool by one slot unless it holds more than three slots per row.
struct TakeCase {
    const char* name;
    int slots;
    std::vector<int> usedSlots; // one per row
    int expectedSlot, expectedUBound;
};
class FullNamePoolTake : public ::testing::TestWithParam<TakeCase> {};

TEST_P(FullNamePoolTake, ChoosesSlotByTheThreePerRowRule) {
    const TakeCase& c = GetParam();
    FullNamePool pool;
    pool.ReDim(c.slots);
    for (int s : c.usedSlots) pool.Set(s, "used" + std::to_string(s));
    EXPECT_EQ(pool.Take("new.jpg", static_cast<int>(c.usedSlots.size())), c.expectedSlot);
    EXPECT_EQ(pool.UBound(), c.expectedUBound);
    EXPECT_EQ(pool(c.expectedSlot), "new.jpg");
    EXPECT_TRUE(pool.InUse(c.expectedSlot));
    for (int s : c.usedSlots) EXPECT_EQ(pool(s), "used" + std::to_string(s)) << "slot " << s << " was overwritten";
}

INSTANTIATE_TEST_SUITE_P(Rule, FullNamePoolTake,
                         ::testing::Values(TakeCase{"UnallocatedStartsAtOne", 0, {}, 1, 1},
                                           TakeCase{"FourSlotsOneRowSkipsUsedSlotOne", 4, {1}, 2, 4},
                                           TakeCase{"ThreeSlotsOneRowGrows", 3, {2}, 4, 4},
                                           TakeCase{"SevenSlotsTwoRowsReuses", 7, {1, 2}, 3, 7}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FullNamePool, SlotOfAnEmptyPathStaysTakenUntilFreed) {
    FullNamePool pool;
    pool.ReDim(4);
    pool.Set(1, ""); // a slide loaded with an empty path
    EXPECT_TRUE(pool.InUse(1));
    EXPECT_EQ(pool.Take("a.jpg", 1), 2);
    pool.Free(1);
    EXPECT_EQ(pool.FirstFree(), 1);
}

} // namespace
} // namespace qs::ui
