// List box row rules: insertion and removal around the current row, Clear, TopIndex
// clamping and scrolling into view, and keys. Check-box rows are the Windows suite's.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

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
    } inserts[] = {{2, 2, 3}, {2, 3, 2}, {2, -1, 2}, {-1, 0, -1}};
    for (const auto& c : inserts) {
        Refill(form.list, 5, c.current);
        form.list.AddItem("inserted", c.insertAt);
        EXPECT_EQ(form.list.ListIndex(), c.expected) << "insert at " << c.insertAt;
        EXPECT_EQ(form.list.List(c.insertAt < 0 ? 5 : c.insertAt), "inserted");
        EXPECT_EQ(form.log, Log{});
    }
    const struct {
        int rows, current, remove, expected;
    } removals[] = {{5, 2, 2, -1}, {5, 2, 0, 1}, {5, 2, 4, 2}, {5, 2, 5, 2}};
    for (const auto& c : removals) {
        Refill(form.list, c.rows, c.current);
        form.list.RemoveItem(c.remove);
        EXPECT_EQ(form.list.ListIndex(), c.expected) << "remove " << c.remove << " of " << c.rows;
        EXPECT_EQ(form.log, Log{});
    }
}

TEST_F(ListBoxTest, TopIndexStaysWithinTheLastFullPageWithoutScrollEvents) {
    Refill(form.list, 40, -1);
    const int last = 40 - form.list.visibleRows();
    for (auto [request, expected] : {std::pair{5, 5}, {last + 1, last}, {-3, 0}}) {
        form.list.setTopIndex(request);
        EXPECT_EQ(form.list.TopIndex(), expected) << "request " << request;
    }
    form.list.setTopIndex(1000);
    form.log.clear();
    for (int i = 0; i < 10; ++i) form.list.RemoveItem(0);
    EXPECT_EQ(form.list.TopIndex(), 30 - form.list.visibleRows()) << "fewer rows pull the top back";
    EXPECT_EQ(form.log, Log{});
    form.list.Clear();
    EXPECT_EQ((std::array{form.list.ListCount(), form.list.ListIndex(), form.list.TopIndex()}), (std::array{0, -1, 0}));
}

// A top row moved from code runs Scroll like any other change from code, so lists
// coupled through Scroll (the editor's option columns) stay level.
TEST_F(ListBoxTest, TheCurrentRowScrollsIntoViewAndReportsScroll) {
    Refill(form.list, 40, -1);
    const int shown = form.list.visibleRows();
    const struct {
        int row, top;
        Log log;
    } cases[] = {{25, 25 - shown + 1, {"rowList_Scroll", "rowList_Click"}},
                 {3, 3, {"rowList_Scroll", "rowList_Click"}},
                 {4, 3, {"rowList_Click"}}}; // a row in view does not scroll
    for (const auto& c : cases) {
        form.log.clear();
        form.list.setListIndex(c.row);
        EXPECT_EQ(form.list.TopIndex(), c.top) << c.row;
        EXPECT_EQ(form.log, c.log) << c.row;
    }
    form.log.clear();
    form.list.userScroll(5);
    form.list.userScroll(5);
    form.list.userScroll(-9);
    EXPECT_EQ(form.log, (Log{"rowList_Scroll", "rowList_Scroll"})) << "Scroll only when the top row changes";
    EXPECT_EQ(form.list.TopIndex(), 0);
}

TEST_F(ListBoxTest, KeysMoveTheCurrentRow) {
    FillRows(form.list, 40);
    const int page = form.list.visibleRows() - 1;
    const struct {
        int current;
        std::int16_t key;
        int expected;
    } cases[] = {{-1, tk::vbKeyDown, 0}, {39, tk::vbKeyDown, 39}, {0, tk::vbKeyUp, 0}, {2, tk::vbKeyEnd, 39},
                 {2, tk::vbKeyPageDown, 2 + page}, {3, tk::vbKeyPageUp, std::max(3 - page, 0)}};
    for (const auto& c : cases) {
        form.list.setListIndex(c.current);
        EXPECT_TRUE(form.list.userKey(c.key));
        EXPECT_EQ(form.list.ListIndex(), c.expected) << "key " << c.key << " from " << c.current;
    }
}

} // namespace
} // namespace qs::test
