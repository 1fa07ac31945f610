// Keys and check-box rows are the real list box's (the Windows suite).
#include <gtest/gtest.h>

#include <array>

#include "support/probe_forms.h"
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
        int current, insertAt, removeAt, expected; // insertAt -1: at the end; -2: remove instead
    } cases[] = {{2, 2, -1, 3}, {2, 3, -1, 2}, {2, -1, -1, 2}, {-1, 0, -1, -1},
                 {2, -2, 2, -1}, {2, -2, 0, 1}, {2, -2, 4, 2}, {2, -2, 5, 2}};
    for (const auto& c : cases) {
        Refill(form.list, 5, c.current);
        if (c.insertAt == -2) form.list.RemoveItem(c.removeAt);
        else form.list.AddItem("inserted", c.insertAt);
        EXPECT_EQ(form.list.ListIndex(), c.expected) << c.insertAt << " " << c.removeAt;
        EXPECT_TRUE(c.insertAt == -2 || form.list.List(c.insertAt < 0 ? 5 : c.insertAt) == "inserted");
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

} // namespace
} // namespace qs::test
