// Changes made from code run the control's handler before they return, exactly once,
// and setting the value a control already holds runs nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "probe_forms.h"
#include "support/toolkit_fixture.h"

namespace qs::test {
namespace {

int Count(const Log& log, const std::string& entry) {
    return static_cast<int>(std::count(log.begin(), log.end(), entry));
}

struct CodeChange {
    const char* name;
    std::function<void(ControlsForm&)> prepare;
    std::function<void(ControlsForm&)> change;
    std::function<std::string(ControlsForm&)> state; // the changed value, as the handler must see it
    const char* handler;
};

std::function<void()>& HandlerSlot(ControlsForm& f, const std::string& handler) {
    if (handler == "chkRandom_Click") return f.chk.Click;
    if (handler == "DelayVal_Change") return f.txt.Change;
    if (handler == "upDown_Change") return f.bar.Change;
    if (handler == "List1_Click") return f.list.Click;
    if (handler == "List1_Scroll") return f.list.Scroll;
    return f.checks.Click;
}

class CodeChangeTest : public ToolkitTest, public ::testing::WithParamInterface<CodeChange> {};

TEST_P(CodeChangeTest, RunsHandlerOnceWithNewStateAndNothingForSameValue) {
    const CodeChange& c = GetParam();
    ControlsForm form;
    form.Show();
    FillRows(form.list, 30);
    FillRows(form.checks, 30);
    if (c.prepare) c.prepare(form);
    form.log.clear();

    // The handler is wrapped to capture the state it sees when it runs.
    std::string seenInHandler;
    std::function<void()>& slot = HandlerSlot(form, c.handler);
    const std::function<void()> logging = slot;
    slot = [&, logging] {
        seenInHandler = c.state(form);
        logging();
    };

    c.change(form);
    EXPECT_EQ(Count(form.log, c.handler), 1);
    EXPECT_EQ(seenInHandler, c.state(form));

    c.change(form);
    EXPECT_EQ(Count(form.log, c.handler), 1) << "the same value again must run nothing";
    EXPECT_EQ(form.log.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, CodeChangeTest,
    ::testing::Values(
        CodeChange{"CheckBoxValue", nullptr, [](ControlsForm& f) { f.chk.setValue(1); },
                   [](ControlsForm& f) { return std::to_string(f.chk.Value()); }, "chkRandom_Click"},
        CodeChange{"CheckBoxCleared", [](ControlsForm& f) { f.chk.setValue(1); },
                   [](ControlsForm& f) { f.chk.setValue(0); },
                   [](ControlsForm& f) { return std::to_string(f.chk.Value()); }, "chkRandom_Click"},
        CodeChange{"TextBoxText", nullptr, [](ControlsForm& f) { f.txt.setText("11"); },
                   [](ControlsForm& f) { return f.txt.Text(); }, "DelayVal_Change"},
        CodeChange{"ScrollBarValue", nullptr, [](ControlsForm& f) { f.bar.setValue(590); },
                   [](ControlsForm& f) { return std::to_string(f.bar.Value()); }, "upDown_Change"},
        CodeChange{"ScrollBarValueClampedToMax", nullptr, [](ControlsForm& f) { f.bar.setValue(5000); },
                   [](ControlsForm& f) { return std::to_string(f.bar.Value()); }, "upDown_Change"},
        CodeChange{"ScrollBarMaxBelowValue", nullptr, [](ControlsForm& f) { f.bar.setMax(100); },
                   [](ControlsForm& f) { return std::to_string(f.bar.Value()); }, "upDown_Change"},
        CodeChange{"ListIndex", nullptr, [](ControlsForm& f) { f.list.setListIndex(3); },
                   [](ControlsForm& f) { return std::to_string(f.list.ListIndex()); }, "List1_Click"},
        CodeChange{"ListIndexToNone", [](ControlsForm& f) { f.list.setListIndex(3); },
                   [](ControlsForm& f) { f.list.setListIndex(-1); },
                   [](ControlsForm& f) { return std::to_string(f.list.ListIndex()); }, "List1_Click"},
        CodeChange{"PlainListSelected", nullptr, [](ControlsForm& f) { f.list.setSelected(4, true); },
                   [](ControlsForm& f) { return std::to_string(f.list.ListIndex()); }, "List1_Click"},
        CodeChange{"TopIndex", nullptr, [](ControlsForm& f) { f.list.setTopIndex(4); },
                   [](ControlsForm& f) { return std::to_string(f.list.TopIndex()); }, "List1_Scroll"},
        CodeChange{"RowChecked", nullptr, [](ControlsForm& f) { f.checks.setSelected(2, true); },
                   [](ControlsForm& f) { return std::to_string(f.checks.Selected(2)); }, "Checks_Click"},
        CodeChange{"RowUnchecked", [](ControlsForm& f) { f.checks.setSelected(2, true); },
                   [](ControlsForm& f) { f.checks.setSelected(2, false); },
                   [](ControlsForm& f) { return std::to_string(f.checks.Selected(2)); }, "Checks_Click"}),
    [](const ::testing::TestParamInfo<CodeChange>& info) { return std::string(info.param.name); });

struct QuietChange {
    const char* name;
    std::function<void(ControlsForm&)> change;
};

class QuietChangeTest : public ToolkitTest, public ::testing::WithParamInterface<QuietChange> {};

TEST_P(QuietChangeTest, RunsNoHandler) {
    ControlsForm form;
    form.Show();
    FillRows(form.list, 30);
    form.list.setListIndex(5);
    form.list.setTopIndex(1000); // clamped: the last rows fill the list
    form.checks.AddItem("");
    form.log.clear();
    GetParam().change(form);
    EXPECT_TRUE(form.log.empty()) << form.log.front();
}

INSTANTIATE_TEST_SUITE_P(
    Controls, QuietChangeTest,
    ::testing::Values(QuietChange{"AddItemBeforeCurrent", [](ControlsForm& f) { f.list.AddItem("new", 0); }},
                      QuietChange{"AddItemAtEnd", [](ControlsForm& f) { f.list.AddItem("new"); }},
                      QuietChange{"RemoveCurrentRow", [](ControlsForm& f) { f.list.RemoveItem(5); }},
                      QuietChange{"RemoveRowsUntilTopMoves",
                                  [](ControlsForm& f) {
                                      while (f.list.ListCount() > 3) f.list.RemoveItem(0);
                                  }},
                      QuietChange{"Clear", [](ControlsForm& f) { f.list.Clear(); }},
                      QuietChange{"RowText", [](ControlsForm& f) { f.list.setList(1, "renamed"); }},
                      QuietChange{"ItemData", [](ControlsForm& f) { f.list.setItemData(1, 42); }},
                      QuietChange{"CheckBoxOutOfRange", [](ControlsForm& f) { f.chk.setValue(7); }},
                      QuietChange{"ListIndexOutOfRange", [](ControlsForm& f) { f.list.setListIndex(99); }},
                      QuietChange{"RowCheckOutOfRange", [](ControlsForm& f) { f.checks.setSelected(5, true); }},
                      QuietChange{"TopIndexPastTheEndWhenAtTheEnd",
                                  [](ControlsForm& f) { f.list.setTopIndex(f.list.TopIndex() + 100); }},
                      QuietChange{"ScrollBarRangeStillHoldsValue", [](ControlsForm& f) { f.bar.setMin(100); }},
                      QuietChange{"UserClickOnDisabledBox",
                                  [](ControlsForm& f) {
                                      f.chk.setEnabled(false);
                                      f.chk.userClick();
                                  }}),
    [](const ::testing::TestParamInfo<QuietChange>& info) { return std::string(info.param.name); });

TEST_F(ToolkitTest, HandlersNestBeforeTheOuterChangeReturns) {
    ControlsForm form;
    form.Show();
    // The check box's handler changes the text box, whose handler runs inside it.
    form.chk.Click = [&] {
        form.log.push_back("chk in");
        form.txt.setText("changed by chk");
        form.log.push_back("chk out");
    };
    form.chk.setValue(1);
    EXPECT_EQ(form.log.back(), "chk out");
    const Log tail(form.log.end() - 3, form.log.end());
    EXPECT_EQ(tail, (Log{"chk in", "DelayVal_Change", "chk out"}));
}

TEST_F(ToolkitTest, ThrowingHandlerDoesNotEscapeTheChange) {
    ControlsForm form;
    form.chk.Click = [] { throw std::runtime_error("handler failed"); };
    EXPECT_NO_THROW(form.chk.setValue(1));
    EXPECT_EQ(form.chk.Value(), 1);
}

TEST_F(ToolkitTest, UserEntryPointsRunTheSameHandlers) {
    ControlsForm form;
    form.Show();
    form.log.clear();
    form.chk.userClick();
    form.bar.userLineUp();
    form.txt.userChar('5');
    EXPECT_EQ(form.log, (Log{"chkRandom_Click", "upDown_Change", "DelayVal_Change"}));
    EXPECT_EQ(form.chk.Value(), 1);
    EXPECT_EQ(form.bar.Value(), 539);
    EXPECT_EQ(form.txt.Text(), "605");
}

} // namespace
} // namespace qs::test
