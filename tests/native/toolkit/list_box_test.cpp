// List box row rules: insertion and removal around the current row, Clear, TopIndex
// clamping and scrolling into view, the user's check-box clicks and keys.
#include <gtest/gtest.h>

#include <algorithm>

#include "probe_forms.h"
#include "support/toolkit_fixture.h"

namespace qs::test {
namespace {

class ListBoxTest : public ToolkitTest {
protected:
    void SetUp() override {
        form.Show();
        form.log.clear();
    }
    int Count(const std::string& entry) const {
        return static_cast<int>(std::count(form.log.begin(), form.log.end(), entry));
    }
    // The number of whole rows a list shows, from the backend's row height and the
    // list's height less its two-pixel edge on each side.
    int ExpectedVisibleRows(tk::ListBox& list) {
        const float inner = list.Height() - 4 * tk::Screen::TwipsPerPixelY();
        return static_cast<int>(inner / ui().listRowHeight(list));
    }
    ControlsForm form;
};

struct Insertion {
    const char* name;
    int current;  // current row before
    int insertAt; // -1 = at the end
    int expectedCurrent;
};

class ListInsertTest : public ListBoxTest, public ::testing::WithParamInterface<Insertion> {};

TEST_P(ListInsertTest, KeepsCurrentRowOnTheSameItem) {
    const Insertion& c = GetParam();
    FillRows(form.list, 5);
    form.list.setListIndex(c.current);
    const std::string currentText = form.list.List(c.current);
    form.log.clear();

    form.list.AddItem("inserted", c.insertAt);

    EXPECT_EQ(form.list.ListCount(), 6);
    EXPECT_EQ(form.list.ListIndex(), c.expectedCurrent);
    if (c.current >= 0) {
        EXPECT_EQ(form.list.List(form.list.ListIndex()), currentText);
    }
    const int placed = c.insertAt < 0 ? 5 : c.insertAt;
    EXPECT_EQ(form.list.List(placed), "inserted");
    EXPECT_TRUE(form.log.empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, ListInsertTest,
                         ::testing::Values(Insertion{"BeforeCurrent", 2, 0, 3}, Insertion{"AtCurrent", 2, 2, 3},
                                           Insertion{"AfterCurrent", 2, 3, 2}, Insertion{"AtEnd", 2, -1, 2},
                                           Insertion{"WithoutCurrent", -1, 0, -1},
                                           Insertion{"AtEndPosition", 4, 5, 4}),
                         [](const ::testing::TestParamInfo<Insertion>& info) { return std::string(info.param.name); });

struct Removal {
    const char* name;
    int current;
    int remove;
    int expectedCurrent;
};

class ListRemoveTest : public ListBoxTest, public ::testing::WithParamInterface<Removal> {};

TEST_P(ListRemoveTest, AdjustsOrDropsCurrentRow) {
    const Removal& c = GetParam();
    FillRows(form.list, 5);
    form.list.setListIndex(c.current);
    form.log.clear();

    form.list.RemoveItem(c.remove);

    EXPECT_EQ(form.list.ListIndex(), c.expectedCurrent);
    EXPECT_TRUE(form.log.empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, ListRemoveTest,
                         ::testing::Values(Removal{"Current", 2, 2, -1}, Removal{"BeforeCurrent", 2, 0, 1},
                                           Removal{"AfterCurrent", 2, 4, 2}, Removal{"OnlyCurrentRow", 0, 0, -1},
                                           Removal{"OutOfRangeIgnored", 2, 5, 2},
                                           Removal{"NegativeIgnored", 2, -1, 2}),
                         [](const ::testing::TestParamInfo<Removal>& info) { return std::string(info.param.name); });

TEST_F(ListBoxTest, RemovingRowsKeepsItemDataAndChecksWithTheirRows) {
    for (int i = 0; i < 4; ++i) {
        form.checks.AddItem("c" + std::to_string(i));
        form.checks.setItemData(i, 100 + i);
    }
    form.checks.setSelected(1, true);
    form.checks.setSelected(3, true);
    form.checks.RemoveItem(0);
    EXPECT_EQ(form.checks.ItemData(0), 101);
    EXPECT_TRUE(form.checks.Selected(0));
    EXPECT_FALSE(form.checks.Selected(1));
    EXPECT_TRUE(form.checks.Selected(2));
    EXPECT_EQ(form.checks.ItemData(2), 103);
    EXPECT_EQ(form.checks.ItemData(7), 0) << "a row that does not exist has no data";
    EXPECT_EQ(form.checks.List(7), "");
}

TEST_F(ListBoxTest, ClearLeavesNoRowNoCurrentAndTopZero) {
    FillRows(form.list, 40);
    form.list.setListIndex(30);
    ASSERT_GT(form.list.TopIndex(), 0);
    form.log.clear();
    form.list.Clear();
    EXPECT_EQ(form.list.ListCount(), 0);
    EXPECT_EQ(form.list.ListIndex(), -1);
    EXPECT_EQ(form.list.TopIndex(), 0);
    EXPECT_TRUE(form.log.empty());
}

TEST_F(ListBoxTest, VisibleRowsFollowRowHeightAndHeightLessBorder) {
    EXPECT_EQ(form.list.visibleRows(), ExpectedVisibleRows(form.list));
    EXPECT_EQ(form.checks.visibleRows(), ExpectedVisibleRows(form.checks));
    EXPECT_LT(form.checks.visibleRows(), form.list.visibleRows()) << "check-style rows are taller";
    form.list.setHeight(ui().listRowHeight(form.list) * 3 + 4 * tk::Screen::TwipsPerPixelY());
    EXPECT_EQ(form.list.visibleRows(), 3) << "a height of exactly three rows shows three";
}

TEST_F(ListBoxTest, TopIndexIsClampedToTheLastFullPage) {
    FillRows(form.list, 40);
    const int last = 40 - form.list.visibleRows();
    const struct {
        int request;
        int expected;
    } cases[] = {{5, 5}, {last, last}, {last + 1, last}, {1000, last}, {-3, 0}, {0, 0}};
    for (const auto& c : cases) {
        form.list.setTopIndex(c.request);
        EXPECT_EQ(form.list.TopIndex(), c.expected) << "request " << c.request;
    }
}

TEST_F(ListBoxTest, ShortListCannotScroll) {
    FillRows(form.list, 3);
    form.list.setTopIndex(2);
    EXPECT_EQ(form.list.TopIndex(), 0);
    EXPECT_EQ(Count("List1_Scroll"), 0);
}

TEST_F(ListBoxTest, RemovingRowsPullsTopIndexBackWithoutScrollEvent) {
    FillRows(form.list, 40);
    form.list.setTopIndex(1000);
    const int shown = form.list.visibleRows();
    form.log.clear();
    for (int i = 0; i < 10; ++i) form.list.RemoveItem(0);
    EXPECT_EQ(form.list.TopIndex(), 30 - shown);
    EXPECT_EQ(Count("List1_Scroll"), 0);
}

// A top row moved from code runs Scroll like any other change from code, so lists
// coupled through Scroll (the editor's option columns) stay level.
TEST_F(ListBoxTest, CurrentRowFromCodeScrollsIntoViewAndReportsScroll) {
    FillRows(form.list, 40);
    const int shown = form.list.visibleRows();
    form.list.setListIndex(25);
    EXPECT_EQ(form.list.TopIndex(), 25 - shown + 1);
    EXPECT_EQ(form.log, (Log{"List1_Scroll", "List1_Click"}));
    form.log.clear();
    form.list.setListIndex(3);
    EXPECT_EQ(form.list.TopIndex(), 3);
    EXPECT_EQ(form.log, (Log{"List1_Scroll", "List1_Click"}));
    form.log.clear();
    form.list.setListIndex(4);
    EXPECT_EQ(form.list.TopIndex(), 3) << "a row in view does not scroll";
    EXPECT_EQ(form.log, (Log{"List1_Click"}));
}

TEST_F(ListBoxTest, UserSelectionScrollsIntoViewAndReportsScroll) {
    FillRows(form.list, 40);
    form.list.userSelect(30);
    EXPECT_EQ(form.list.ListIndex(), 30);
    EXPECT_GT(form.list.TopIndex(), 0);
    EXPECT_EQ(form.log, (Log{"List1_Scroll", "List1_Click"}));
    form.log.clear();
    form.list.userSelect(30);
    EXPECT_TRUE(form.log.empty()) << "selecting the current row again changes nothing";
}

TEST_F(ListBoxTest, UserToggleCheckMakesRowCurrentAndClicksOnce) {
    FillRows(form.checks, 5);
    form.checks.userToggleCheck(3);
    EXPECT_TRUE(form.checks.Selected(3));
    EXPECT_EQ(form.checks.ListIndex(), 3);
    EXPECT_EQ(form.log, (Log{"Checks_Click"}));

    form.log.clear();
    form.checks.userToggleCheck(3);
    EXPECT_FALSE(form.checks.Selected(3));
    EXPECT_EQ(form.log, (Log{"Checks_Click"})) << "a second click on the current row toggles back";
}

TEST_F(ListBoxTest, CheckFromCodeDoesNotMoveCurrentRow) {
    FillRows(form.checks, 5);
    form.checks.setListIndex(0);
    form.checks.setSelected(4, true);
    EXPECT_EQ(form.checks.ListIndex(), 0);
    EXPECT_TRUE(form.checks.Selected(4));
}

TEST_F(ListBoxTest, PlainListSelectedIsTheCurrentRow) {
    FillRows(form.list, 5);
    form.list.setSelected(2, true);
    EXPECT_TRUE(form.list.Selected(2));
    EXPECT_FALSE(form.list.Selected(1));
    form.list.setSelected(1, false);
    EXPECT_EQ(form.list.ListIndex(), 2) << "clearing another row leaves the current one";
    form.list.setSelected(2, false);
    EXPECT_EQ(form.list.ListIndex(), -1);
}

TEST_F(ListBoxTest, UserScrollRunsScrollOnlyWhenTopChanges) {
    FillRows(form.list, 40);
    form.list.userScroll(3);
    form.list.userScroll(3);
    form.list.userScroll(-9);
    EXPECT_EQ(form.log, (Log{"List1_Scroll", "List1_Scroll"}));
    EXPECT_EQ(form.list.TopIndex(), 0);
}

struct KeyMove {
    const char* name;
    int current;
    std::int16_t key;
    int target; // the row expected, before adding `pages` pages
    int pages;  // pages of (visible rows - 1) added to target, then kept within the rows
};

class ListKeyTest : public ListBoxTest, public ::testing::WithParamInterface<KeyMove> {};

TEST_P(ListKeyTest, MovesCurrentRow) {
    const KeyMove& c = GetParam();
    FillRows(form.list, 40);
    form.list.setListIndex(c.current);
    const int page = form.list.visibleRows() - 1;
    EXPECT_TRUE(form.list.userKey(c.key));
    EXPECT_EQ(form.list.ListIndex(), std::clamp(c.target + c.pages * page, 0, 39));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ListKeyTest,
    ::testing::Values(KeyMove{"DownFromNone", -1, tk::vbKeyDown, 0, 0}, KeyMove{"Down", 4, tk::vbKeyDown, 5, 0},
                      KeyMove{"DownAtEnd", 39, tk::vbKeyDown, 39, 0}, KeyMove{"Up", 4, tk::vbKeyUp, 3, 0},
                      KeyMove{"UpAtTop", 0, tk::vbKeyUp, 0, 0}, KeyMove{"Home", 20, tk::vbKeyHome, 0, 0},
                      KeyMove{"End", 2, tk::vbKeyEnd, 39, 0}, KeyMove{"PageDown", 2, tk::vbKeyPageDown, 2, 1},
                      KeyMove{"PageDownNearEnd", 36, tk::vbKeyPageDown, 36, 1},
                      KeyMove{"PageUp", 30, tk::vbKeyPageUp, 30, -1},
                      KeyMove{"PageUpNearTop", 3, tk::vbKeyPageUp, 3, -1}),
    [](const ::testing::TestParamInfo<KeyMove>& info) { return std::string(info.param.name); });

TEST_F(ListBoxTest, SpaceTogglesCurrentRowCheckAndOtherKeysAreNotUsed) {
    FillRows(form.checks, 3);
    form.checks.setListIndex(1);
    form.log.clear();
    EXPECT_TRUE(form.checks.userKey(tk::vbKeySpace));
    EXPECT_TRUE(form.checks.Selected(1));
    EXPECT_EQ(form.log, (Log{"Checks_Click"}));
    EXPECT_FALSE(form.checks.userKey('A'));
}

TEST_F(ListBoxTest, KeysOnEmptyListDoNothing) {
    EXPECT_TRUE(form.list.userKey(tk::vbKeyDown));
    EXPECT_EQ(form.list.ListIndex(), -1);
    EXPECT_TRUE(form.log.empty());
}

TEST_F(ListBoxTest, TallerListPullsTopIndexBack) {
    FillRows(form.list, 40);
    form.list.setTopIndex(1000);
    const int before = form.list.TopIndex();
    form.list.setHeight(form.list.Height() * 2);
    EXPECT_EQ(form.list.TopIndex(), 40 - form.list.visibleRows());
    EXPECT_LT(form.list.TopIndex(), before);
}

} // namespace
} // namespace qs::test
