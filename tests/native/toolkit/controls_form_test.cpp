// The toolkit's rules on the headless backend. Closing, the plain Enter and access keys, a real list
// box's keys and check-box rows, and the timers' own firing are the Windows suite's.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <stdexcept>

#include "support/probe_forms.h"
#include "support/test_images.h"
#include "support/toolkit_fixture.h"

namespace qs::test {
namespace {

using Act = std::function<void(ControlsForm&)>;

class ControlsFormTest : public ToolkitTest {
protected:
    // A new shown form with `rows` rows in rowList, its log cleared after `prepare`.
    ControlsForm& Fresh(int rows, const Act& prepare = nullptr) {
        probe.emplace().Show();
        FillRows(probe->list, rows);
        if (prepare) prepare(*probe);
        probe->log.clear();
        return *probe;
    }
    std::optional<ControlsForm> probe;
};

TEST_F(ControlsFormTest, ShowLoadsActivatesAndFocusesTheFirstControlInTabOrder) {
    ControlsForm& form = probe.emplace();
    SetTabOrder({&form.cancel, &form.chk, &form.txt, &form.bar, &form.list, &form.checks, &form.ok});
    form.Show();
    form.Show();
    EXPECT_EQ(form.log, (Log{"Form_Load", "Form_Activate", "cancelButton_GotFocus"})) << "a second Show runs nothing";
    form.Hide();
    EXPECT_TRUE(form.IsLoaded() && !form.Visible());
}

// A close asked for during a close is the same close; one whose handler failed is over.
TEST_F(ControlsFormTest, UnloadWhileUnloadingDoesNothingAndAFailedCloseCanBeRepeated) {
    ControlsForm& form = Fresh(0);
    form.onQueryUnload = [&] { throw std::runtime_error("query failed"); };
    EXPECT_THROW(form.Unload(), std::runtime_error);
    std::vector<bool> nested;
    form.onQueryUnload = [&] { nested.push_back(form.Unload()); };
    form.onUnload = [&] { nested.push_back(form.userClose()); };
    EXPECT_TRUE(form.Unload());
    EXPECT_EQ(nested, (std::vector<bool>{false, false}));
    EXPECT_EQ(form.log, (Log{"Form_QueryUnload", "Form_QueryUnload", "Form_Unload"}));
}

// The toolkit drops a tick, one already queued included, unless the timer runs (enabled,
// interval above 0) on a loaded form, shown or hidden.
TEST_F(ControlsFormTest, ATickReachesOnlyARunningTimerOfALoadedForm) {
    const std::pair<Act, bool> cases[] = { // before the tick, whether Tick runs
        {[](auto& f) { f.Load(); }, true}, {[](auto& f) { f.Show(), f.Hide(); }, true}, {[](auto&) {}, false},
        {[](auto& f) { f.Load(), f.timer.setEnabled(false); }, false}, {[](auto& f) { f.Show(), f.Unload(); }, false},
        {[](auto& f) { f.Load(), f.timer.setInterval(0); }, false}};
    for (const auto& [prepare, fires] : cases) {
        ControlsForm& form = probe.emplace();
        form.timer.setEnabled(true);
        prepare(form);
        int ticks = 0;
        form.timer.Tick = [&] { ++ticks; };
        form.timer.userTick();
        EXPECT_EQ(ticks, fires ? 1 : 0) << "case " << &prepare - &cases[0].first;
    }
}

TEST_F(ControlsFormTest, FocusMovesOnlyToControlsThatCanHoldItAndTabFollowsTabIndex) {
    ControlsForm& form = Fresh(5);
    form.chk.SetFocus();
    form.cancel.setEnabled(false);
    form.cancel.SetFocus();
    form.lbl.SetFocus();
    form.ok.SetFocus();
    EXPECT_EQ(form.log, (Log{"randomBox_LostFocus", "okButton_GotFocus"}));
    SetTabOrder({&form.ok, &form.list, &form.chk, &form.cancel, &form.checks, &form.txt, &form.bar});
    form.cancel.setEnabled(true);
    form.txt.setEnabled(false);
    form.checks.setTabStop(false);
    std::vector<std::string> order;
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(form.userKey(tk::vbKeyTab, 0));
        order.push_back(form.ActiveControl()->Name());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"rowList", "randomBox", "cancelButton", "delaySpin", "okButton", "rowList"}));
    form.userKey(tk::vbKeyTab, tk::vbShiftMask);
    form.userKey(tk::vbKeyTab, tk::vbShiftMask);
    EXPECT_EQ(form.ActiveControl(), &form.bar) << "Shift+Tab wraps to the end";
    form.frame.setVisible(false);
    form.userKey(tk::vbKeyTab, 0);
    EXPECT_EQ(form.ActiveControl(), &form.ok) << "nothing in a hidden container takes the focus";
}

TEST_F(ControlsFormTest, KeysReachTheRightControl) {
    const auto alt = tk::vbAltMask;
    const struct {
        const char* name;
        std::int16_t key, shift;
        Act prepare;
        Log expected;
        bool used;
    } cases[] = {
        {"Enter presses a focused button", tk::vbKeyReturn, 0, [](auto& f) { f.cancel.SetFocus(); },
         {"cancelButton_Click"}, true},
        {"Alt+letter of a label focuses the next control", 'D', alt, nullptr,
         {"randomBox_LostFocus", "delayBox_GotFocus"}, true},
        {"Alt+letter of a disabled button", 'C', alt, [](auto& f) { f.cancel.setEnabled(false); }, {}, false},
        {"Ctrl+Alt+letter", 'O', alt | tk::vbCtrlMask, nullptr, {}, false},
        {"an arrow for the focused list", tk::vbKeyDown, 0, [](auto& f) { f.list.SetFocus(); }, {"rowList_Click"}, true},
        {"Space toggles a focused check box", tk::vbKeySpace, 0, nullptr, {"randomBox_Click"}, true},
        {"a disabled form takes no keys", tk::vbKeyReturn, 0, [](auto& f) { f.setEnabled(false); }, {}, false},
        {"without key preview the focused control takes the key", 'X', 0, nullptr, {}, false},
        {"key preview sees the key first", tk::vbKeyReturn, 0, [](auto& f) { f.setKeyPreview(true); },
         {"Form_KeyDown", "okButton_Click"}, true},
        {"a consumed key goes no further", tk::vbKeyReturn, 0,
         [](auto& f) { f.setKeyPreview(true), f.consumeKey = tk::vbKeyReturn; }, {"Form_KeyDown"}, true},
        {"closing the form ends the key", tk::vbKeyReturn, 0,
         [](auto& f) { f.setKeyPreview(true), f.onKeyDown = [&f] { f.Unload(); }; },
         {"Form_KeyDown", "Form_QueryUnload", "Form_Unload"}, true},
    };
    for (const auto& c : cases) {
        ControlsForm& form = Fresh(5, c.prepare);
        EXPECT_EQ(form.userKey(c.key, c.shift), c.used) << c.name;
        EXPECT_EQ(form.log, c.expected) << c.name;
    }
}

TEST_F(ControlsFormTest, ChangesFromCodeRunTheHandlerOnceWithTheNewStateAndNothingWhenTheValueStays) {
    const struct { const char* handler; Act prepare, change; } cases[] = { // handler nullptr: none may run
        {"randomBox_Click", [](auto& f) { f.chk.setValue(1); }, [](auto& f) { f.chk.setValue(0); }},
        {"delayBox_Change", nullptr, [](auto& f) { f.txt.setText("11"); }},
        {"delaySpin_Change", nullptr, [](auto& f) { f.bar.setValue(5000); }}, // clamped to Max
        {"delaySpin_Change", nullptr, [](auto& f) { f.bar.setMax(100); }},    // Max below the value
        {"rowList_Click", [](auto& f) { f.list.setListIndex(3); }, [](auto& f) { f.list.setListIndex(-1); }},
        {"rowList_Scroll", nullptr, [](auto& f) { f.list.setTopIndex(4); }},
        {"checkList_Click", nullptr, [](auto& f) { f.checks.setSelected(2, true); }},
        {nullptr, nullptr, [](auto& f) { f.list.Clear(); }},
        {nullptr, nullptr, [](auto& f) { f.chk.setValue(7); }},                           // out of range
        {nullptr, nullptr, [](auto& f) { f.list.setListIndex(99); }},                     // out of range
        {nullptr, nullptr, [](auto& f) { f.list.setTopIndex(f.list.TopIndex() + 100); }}, // already at the end
        {nullptr, nullptr, [](auto& f) { f.bar.setMin(100); }}, // the range still holds the value
        {nullptr, nullptr,
         [](auto& f) { f.chk.setEnabled(false), f.ok.setEnabled(false), f.chk.userClick(), f.ok.userClick(); }},
    };
    const auto state = [](ControlsForm& f) { // what a handler reads
        return std::array<int, 6>{f.chk.Value(), std::stoi(f.txt.Text()), f.bar.Value(), f.list.ListIndex(),
                                  f.list.TopIndex(), f.checks.Selected(2)};
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.handler ? c.handler : "no handler, case " + std::to_string(&c - cases));
        ControlsForm& form = Fresh(30, [&](ControlsForm& f) {
            FillRows(f.checks, 30);
            f.list.setListIndex(5);
            f.list.setTopIndex(1000); // clamped: the last rows fill the list
            if (c.prepare) c.prepare(f);
        });
        std::vector<std::array<int, 6>> seen; // the state each handler run saw
        for (std::function<void()>* slot : {&form.chk.Click, &form.txt.Change, &form.bar.Change, &form.list.Click,
                                            &form.list.Scroll, &form.checks.Click})
            *slot = [&, logging = *slot] { seen.push_back(state(form)), logging(); };
        c.change(form);
        c.change(form);
        EXPECT_EQ(form.log, c.handler ? Log{c.handler} : Log{});
        EXPECT_EQ(seen, c.handler ? std::vector{state(form)} : decltype(seen){});
    }
}

// The Windows suite's window procedure stops what reaches the caller.
TEST_F(ControlsFormTest, AThrowingHandlerReachesTheCallerWithTheChangeMade) {
    ControlsForm& form = Fresh(5);
    form.txt.Change = [] { throw std::runtime_error("handler failed"); };
    EXPECT_THROW(form.txt.setText("12"), std::runtime_error);
    EXPECT_EQ(form.txt.Text(), "12");
}

TEST_F(ControlsFormTest, InsertingAndRemovingKeepTheCurrentRowOnItsItemQuietly) {
    const struct { int current, insertAt, removeAt, expected; } cases[] = { // insertAt -1: at the end; -2: remove
        {2, 2, -1, 3}, {2, 3, -1, 2}, {2, -1, -1, 2}, {-1, 0, -1, -1},
        {2, -2, 2, -1}, {2, -2, 0, 1}, {2, -2, 4, 2}, {2, -2, 5, 2}};
    for (const auto& c : cases) {
        ControlsForm& form = Fresh(5, [&](auto& f) { f.list.setListIndex(c.current); });
        if (c.insertAt == -2) form.list.RemoveItem(c.removeAt);
        else form.list.AddItem("inserted", c.insertAt);
        EXPECT_EQ(form.list.ListIndex(), c.expected) << c.insertAt << " " << c.removeAt;
        EXPECT_TRUE(c.insertAt == -2 || form.list.List(c.insertAt < 0 ? 5 : c.insertAt) == "inserted");
        EXPECT_EQ(form.log, Log{});
    }
}

// A top row moved from code runs Scroll like any other change from code, so lists coupled
// through Scroll (the editor's option columns) stay level; one pulled back by fewer rows runs nothing.
TEST_F(ControlsFormTest, TheTopRowStaysWithinTheLastFullPageAndFollowsTheCurrentRow) {
    ControlsForm& form = Fresh(40);
    const int shown = form.list.visibleRows(), last = 40 - shown;
    for (auto [request, expected] : {std::pair{5, 5}, {-3, 0}, {last + 1, last}}) { // ends on the last top row
        form.list.setTopIndex(request);
        EXPECT_EQ(form.list.TopIndex(), expected) << "request " << request;
    }
    form.log.clear();
    for (int i = 0; i < 10; ++i) form.list.RemoveItem(0);
    EXPECT_EQ(form.list.TopIndex(), 30 - shown) << "fewer rows pull the top back";
    EXPECT_EQ(form.log, Log{});
    form.list.Clear();
    EXPECT_EQ((std::array{form.list.ListCount(), form.list.ListIndex(), form.list.TopIndex()}), (std::array{0, -1, 0}));
    FillRows(form.list, 40);
    const struct { int row, top; Log log; } cases[] = {{25, 25 - shown + 1, {"rowList_Scroll", "rowList_Click"}},
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

TEST_F(ControlsFormTest, ImageTakesTheNaturalSizeInWholeScreenPixelsUnlessStretched) {
    ScratchFolder folder;
    os.screen.metrics.twipsPerPixelX = 12;
    os.screen.metrics.twipsPerPixelY = 20;
    ControlsForm& form = probe.emplace();
    tk::Image image(form.pic, "bgimage", 240, 240, 855, 855);
    const Bytes gif = DataFile("saver/quadrants.gif");
    EXPECT_FALSE(tk::LoadPicture(folder.write("c.gif", Bytes(gif.begin(), gif.end() - 4)))) << "the checks come first";
    image.setPicture(*tk::LoadPicture(folder.write("whole.gif", gif)));
    EXPECT_EQ((std::array{image.Left(), image.Width(), image.Height()}), (std::array<float, 3>{240, 3840, 4800}));
    image.setPicture(tk::Picture());
    EXPECT_FLOAT_EQ(image.Width(), 320 * 12) << "an empty picture keeps the size";
    tk::Image stretched(form, "img", 0, 0, 1630, 1320, true);
    stretched.setPicture(*tk::LoadPicture(folder.write("p.png", MakePng(10, 20))));
    EXPECT_FLOAT_EQ(stretched.Width(), 1630);
    stretched.setStretch(false);
    EXPECT_EQ((std::array{stretched.Width(), stretched.Height()}), (std::array<float, 2>{10 * 12, 20 * 20}));
}

} // namespace
} // namespace qs::test
