// Rows changed by the hundred while a list cannot be seen reach its control, in order,
// once the program is back in its message loop.
#include <gtest/gtest.h>

#include <string>

#include "toolkit/controls.h"
#include "win_toolkit_support.h"

namespace qs::test::win {
namespace {

struct ListForm : tk::Form {
    ListForm() : Form("ListForm") { setClientSize(4000, 3000); }
    tk::ListBox rows{*this, "rowList", 120, 120, 3000, 1500, true};
};

TEST(ListFill, ManyRowsChangedBeforeTheFormShowsReachTheControl) {
    EnsureToolkit();
    ListForm form;
    form.Load();
    for (int i = 0; i < 600; ++i) form.rows.AddItem("row " + std::to_string(i));
    form.rows.RemoveItem(0);
    form.rows.AddItem("first", 0);
    form.rows.setSelected(7, true);
    form.rows.setListIndex(550);
    form.Show();
    HWND list = H(form.rows);
    ASSERT_TRUE(PumpUntil([&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) == 600; }));
    PumpFor(50);
    char text[32] = {};
    for (int row : {0, 1, 7, 550, 599}) {
        SendMessageA(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text));
        EXPECT_EQ(text, form.rows.List(row)) << row;
    }
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 550);
    form.Unload();
}

} // namespace
} // namespace qs::test::win
