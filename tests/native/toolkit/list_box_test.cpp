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
    void SetUp() override { form.Show(); }
    void Refill(tk::ListBox& list, int rows, int current) {
        list.Clear();
        FillRows(list, rows);
        list.setListIndex(current);
        form.log.clear();
    }
    ControlsForm form;
};

TEST_F(ListBoxTest, InsertingAndRemovingKeepTheCurrentRowOnItsItemQuietly) {
    const struct {
        int current, insertAt, expected; // insertAt -1: at the end
    } inserts[] = {{2, 0, 3}, {2, 2, 3}, {2, 3, 2}, {2, -1, 2}, {-1, 0, -1}, {4, 5, 4}};
    for (const auto& c : inserts) {
        Refill(form.list, 5, c.current);
        form.list.AddItem("inserted", c.insertAt);
        EXPECT_EQ(form.list.ListIndex(), c.expected) << "insert at " << c.insertAt;
        EXPECT_EQ(form.list.List(c.insertAt < 0 ? 5 : c.insertAt), "inserted");
        if (c.current >= 0) {
            EXPECT_EQ(form.list.List(c.expected), "row " + std::to_string(c.current));
        }
        EXPECT_EQ(form.log, Log{});
    }
    const struct {
        int rows, current, remove, expected;
    } removals[] = {{5, 2, 2, -1}, {5, 2, 0, 1}, {5, 2, 4, 2}, {1, 0, 0, -1}, {5, 2, 5, 2}, {5, 2, -1, 2}};
    for (const auto& c : removals) {
        Refill(form.list, c.rows, c.current);
        form.list.RemoveItem(c.remove);
        EXPECT_EQ(form.list.ListIndex(), c.expected) << "remove " << c.remove << " of " << c.rows;
        EXPECT_EQ(form.log, Log{});
    }
}

TEST_F(ListBoxTest, RemovingRowsKeepsItemDataAndChecksWithTheirRows) {
    for (int i = 0; i < 4; ++i) {
        form.checks.AddItem("c" + std::to_string(i));
        form.checks.setItemData(i, 100 + i);
    }
    form.checks.setSelected(1, true);
    form.checks.setSelected(3, true);
    form.checks.RemoveItem(0);
    EXPECT_EQ(form.checks.ItemData(0), 101);
    EXPECT_EQ(form.checks.ItemData(2), 103);
    EXPECT_TRUE(form.checks.Selected(0));
    EXPECT_FALSE(form.checks.Selected(1));
    EXPECT_TRUE(form.checks.Selected(2));
    EXPECT_EQ(form.checks.ItemData(7), 0) << "a row that does not exist has no data";
    EXPECT_EQ(form.checks.List(7), "");
}

TEST_F(ListBoxTest, VisibleRowsFollowRowHeightAndHeightLessTheBorder) {
    for (tk::ListBox* list : {&form.list, &form.checks}) {
        const float inner = list->Height() - 4 * tk::Screen::TwipsPerPixelY();
        EXPECT_EQ(list->visibleRows(), static_cast<int>(inner / ui().listRowHeight(*list))) << list->Name();
    }
    EXPECT_LT(form.checks.visibleRows(), form.list.visibleRows()) << "check-style rows are taller";
    form.list.setHeight(ui().listRowHeight(form.list) * 3 + 4 * tk::Screen::TwipsPerPixelY());
    EXPECT_EQ(form.list.visibleRows(), 3) << "a height of exactly three rows shows three";
}

TEST_F(ListBoxTest, TopIndexStaysWithinTheLastFullPageWithoutScrollEvents) {
    Refill(form.list, 3, -1);
    form.list.setTopIndex(2);
    EXPECT_EQ(form.list.TopIndex(), 0) << "a short list cannot scroll";
    Refill(form.list, 40, -1);
    const int last = 40 - form.list.visibleRows();
    for (auto [request, expected] : {std::pair{5, 5}, {last, last}, {last + 1, last}, {1000, last}, {-3, 0}}) {
        form.list.setTopIndex(request);
        EXPECT_EQ(form.list.TopIndex(), expected) << "request " << request;
    }
    form.list.setTopIndex(1000);
    form.log.clear();
    for (int i = 0; i < 10; ++i) form.list.RemoveItem(0);
    EXPECT_EQ(form.list.TopIndex(), 30 - form.list.visibleRows()) << "fewer rows pull the top back";
    form.list.setHeight(form.list.Height() * 2);
    EXPECT_EQ(form.list.TopIndex(), 30 - form.list.visibleRows()) << "so does a taller list";
    EXPECT_EQ(form.log, Log{});
    form.list.Clear();
    EXPECT_EQ(form.list.ListCount(), 0);
    EXPECT_EQ(form.list.ListIndex(), -1);
    EXPECT_EQ(form.list.TopIndex(), 0);
}

// A top row moved from code runs Scroll like any other change from code, so lists
// coupled through Scroll (the editor's option columns) stay level.
TEST_F(ListBoxTest, TheCurrentRowScrollsIntoViewAndReportsScroll) {
    Refill(form.list, 40, -1);
    const int shown = form.list.visibleRows();
    const struct {
        int row, top;
        Log log;
    } cases[] = {{25, 25 - shown + 1, {"List1_Scroll", "List1_Click"}},
                 {3, 3, {"List1_Scroll", "List1_Click"}},
                 {4, 3, {"List1_Click"}}}; // a row in view does not scroll
    for (const auto& c : cases) {
        form.log.clear();
        form.list.setListIndex(c.row);
        EXPECT_EQ(form.list.TopIndex(), c.top) << c.row;
        EXPECT_EQ(form.log, c.log) << c.row;
    }
    form.log.clear();
    form.list.userSelect(30);
    form.list.userSelect(30);
    EXPECT_EQ(form.list.TopIndex(), 30 - shown + 1);
    EXPECT_EQ(form.log, (Log{"List1_Scroll", "List1_Click"})) << "selecting the current row again changes nothing";
    form.log.clear();
    form.list.userScroll(3);
    form.list.userScroll(3);
    form.list.userScroll(-9);
    EXPECT_EQ(form.log, (Log{"List1_Scroll", "List1_Scroll"})) << "Scroll only when the top row changes";
    EXPECT_EQ(form.list.TopIndex(), 0);
}

TEST_F(ListBoxTest, CheckBoxRowsToggleByClickOrSpaceWhileCodeLeavesTheCurrentRow) {
    Refill(form.checks, 5, 0);
    form.checks.setSelected(4, true);
    EXPECT_EQ(form.checks.ListIndex(), 0);
    form.log.clear();
    form.checks.userToggleCheck(3);
    EXPECT_TRUE(form.checks.Selected(3));
    EXPECT_EQ(form.checks.ListIndex(), 3);
    form.checks.userToggleCheck(3);
    EXPECT_FALSE(form.checks.Selected(3)) << "a second click on the current row toggles back";
    EXPECT_TRUE(form.checks.userKey(tk::vbKeySpace));
    EXPECT_TRUE(form.checks.Selected(3));
    EXPECT_EQ(form.log, (Log{"Checks_Click", "Checks_Click", "Checks_Click"}));
    EXPECT_FALSE(form.checks.userKey('A'));
    // In a plain list the selected row is the current one.
    Refill(form.list, 5, 2);
    form.list.setSelected(1, false);
    EXPECT_TRUE(form.list.Selected(2));
    EXPECT_FALSE(form.list.Selected(1));
    form.list.setSelected(2, false);
    EXPECT_EQ(form.list.ListIndex(), -1);
}

TEST_F(ListBoxTest, KeysMoveTheCurrentRow) {
    EXPECT_TRUE(form.list.userKey(tk::vbKeyDown));
    EXPECT_EQ(form.list.ListIndex(), -1) << "an empty list has nowhere to go";
    FillRows(form.list, 40);
    const int page = form.list.visibleRows() - 1;
    const struct {
        int current;
        std::int16_t key;
        int expected;
    } cases[] = {{-1, tk::vbKeyDown, 0},         {4, tk::vbKeyDown, 5},
                 {39, tk::vbKeyDown, 39},        {4, tk::vbKeyUp, 3},
                 {0, tk::vbKeyUp, 0},            {20, tk::vbKeyHome, 0},
                 {2, tk::vbKeyEnd, 39},          {2, tk::vbKeyPageDown, 2 + page},
                 {36, tk::vbKeyPageDown, std::min(36 + page, 39)},    {30, tk::vbKeyPageUp, 30 - page},
                 {3, tk::vbKeyPageUp, std::max(3 - page, 0)}};
    for (const auto& c : cases) {
        form.list.setListIndex(c.current);
        EXPECT_TRUE(form.list.userKey(c.key));
        EXPECT_EQ(form.list.ListIndex(), c.expected) << "key " << c.key << " from " << c.current;
    }
}

} // namespace
} // namespace qs::test
