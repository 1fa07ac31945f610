// Message boxes and common dialogs of the headless backend: scripted answers, what
// was asked, and the default answer of a box nobody scripted.
#include <gtest/gtest.h>

#include <iterator>
#include <optional>

#include "probe_forms.h"
#include "support/toolkit_fixture.h"

namespace qs::test {
namespace {

using tk::headless::DialogRecord;
using tk::headless::DialogScript;

TEST_F(ToolkitTest, MessageBoxesTakeScriptedAnswersInOrderAndAreRecorded) {
    LifecycleForm owner("frmConfig");
    ui().answerMessageBox(tk::vbNo);
    ui().answerMessageBox(tk::vbYes);
    EXPECT_EQ(tk::MsgBox("Do you want to ignore all changes and exit?", 36, "Screen Saver", &owner), tk::vbNo);
    EXPECT_EQ(tk::MsgBox("second", 36, "Screen Saver"), tk::vbYes);
    ASSERT_EQ(ui().messageBoxes().size(), 2u);
    const auto& first = ui().messageBoxes()[0];
    EXPECT_EQ(first.prompt, "Do you want to ignore all changes and exit?");
    EXPECT_EQ(first.flags, 36);
    EXPECT_EQ(first.title, "Screen Saver");
    EXPECT_EQ(first.owner, "frmConfig");
    EXPECT_TRUE(first.answered);
    EXPECT_EQ(ui().messageBoxes()[1].owner, "");
    EXPECT_EQ(ui().unansweredMessageBoxes(), 0);
    EXPECT_EQ(ui().pendingAnswers(), 0u);
}

TEST_F(ToolkitTest, UnansweredBoxIsRecordedAndReturnsItsDefaultButton) {
    const struct {
        int flags;
        int expected;
    } cases[] = {{tk::vbOKOnly, tk::vbOK},
                 {tk::vbExclamation, tk::vbOK},
                 {tk::vbYesNo | tk::vbQuestion, tk::vbYes},
                 {tk::vbYesNo | 256, tk::vbNo},
                 {1, tk::vbOK},
                 {1 | 256, tk::vbCancel},
                 {3 | 512, tk::vbCancel},
                 {tk::vbYesNo | 512, tk::vbYes}, // no third button: the first is the default
                 {5, 4}};
    for (const auto& c : cases) EXPECT_EQ(tk::MsgBox("?", c.flags, "t"), c.expected) << "flags " << c.flags;
    EXPECT_EQ(ui().unansweredMessageBoxes(), static_cast<int>(std::size(cases)));
    EXPECT_FALSE(ui().messageBoxes().front().answered);
}

TEST_F(ToolkitTest, MessageBoxHookAnswersInsteadOfTheQueue) {
    ui().answerMessageBox(tk::vbNo);
    ui().onMessageBox = [](const tk::headless::MessageBoxRecord& box) {
        return box.prompt == "delete?" ? tk::vbYes : tk::vbNo;
    };
    EXPECT_EQ(tk::MsgBox("delete?", 36, "Screen Saver"), tk::vbYes);
    EXPECT_EQ(ui().pendingAnswers(), 1u);
    EXPECT_EQ(ui().unansweredMessageBoxes(), 0);
}

struct DialogCase {
    const char* name;
    bool open; // the file-open dialog, else the colour dialog
    bool cancelError;
    std::optional<DialogScript> script;
    int expectedResult;
    bool changes; // Color / FileName take the scripted value
};

class DialogTest : public ToolkitTest, public ::testing::WithParamInterface<DialogCase> {};

TEST_P(DialogTest, ScriptDecidesTheOutcome) {
    const DialogCase& c = GetParam();
    ControlsForm form;
    tk::CommonDialog& d = form.dialog;
    d.CancelError = c.cancelError;
    d.Color = tk::Rgb(1, 1, 1);
    d.FileName = "before.jpg";
    if (c.script) {
        if (c.open)
            ui().scriptOpenDialog(*c.script);
        else
            ui().scriptColorDialog(*c.script);
    }
    const int result = c.open ? d.ShowOpen() : d.ShowColor();
    EXPECT_EQ(result, c.expectedResult);
    if (c.open) {
        EXPECT_EQ(d.FileName, c.changes ? c.script->fileName : "before.jpg");
        EXPECT_EQ(d.Color, tk::Rgb(1, 1, 1));
    } else {
        EXPECT_EQ(d.Color, c.changes ? c.script->color : tk::Rgb(1, 1, 1));
        EXPECT_EQ(d.FileName, "before.jpg");
    }
    ASSERT_EQ(ui().dialogs().size(), 1u);
    EXPECT_EQ(ui().dialogs()[0].type, c.open ? DialogRecord::Type::Open : DialogRecord::Type::Color);
    EXPECT_EQ(ui().dialogs()[0].result, c.expectedResult);
    EXPECT_EQ(ui().unscriptedDialogs(), c.script ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, DialogTest,
    ::testing::Values(
        DialogCase{"ColorChosen", false, true, DialogScript::PickColor(tk::Rgb(10, 20, 30)), 0, true},
        DialogCase{"ColorCancelledWithCancelError", false, true, DialogScript::Cancelled(), tk::cdlCancel, false},
        DialogCase{"ColorCancelledWithoutCancelError", false, false, DialogScript::Cancelled(), 0, false},
        DialogCase{"ColorFailed", false, true, DialogScript::Failed(0x3002), 0x3002, false},
        DialogCase{"ColorUnscriptedIsCancelled", false, true, std::nullopt, tk::cdlCancel, false},
        DialogCase{"FileChosen", true, true, DialogScript::PickFile("C:\\Pictures\\a.jpg"), 0, true},
        DialogCase{"FileCancelled", true, true, DialogScript::Cancelled(), tk::cdlCancel, false},
        DialogCase{"FileFailedWithDefaultCode", true, true, DialogScript::Failed(), 0xFFFF, false},
        DialogCase{"FileFailedCodeZeroStillFails", true, false, DialogScript::Failed(0), 0xFFFF, false},
        DialogCase{"FileUnscriptedWithoutCancelError", true, false, std::nullopt, 0, false}),
    [](const ::testing::TestParamInfo<DialogCase>& info) { return std::string(info.param.name); });

TEST_F(ToolkitTest, DialogRecordKeepsThePropertiesAsShown) {
    ControlsForm form;
    tk::CommonDialog& d = form.dialog;
    d.DialogTitle = "Select Picture";
    d.Flags = 0x80004;
    d.Filter = "JPEF (*.jpg)|*.jpg";
    d.FilterIndex = 2;
    d.CancelError = true;
    d.InitDir = "C:\\";
    ui().scriptOpenDialog(DialogScript::PickFile("x.jpg"));
    ui().scriptOpenDialog(DialogScript::Cancelled());
    d.ShowOpen();
    d.DialogTitle = "changed afterwards";
    d.ShowOpen();
    ASSERT_EQ(ui().dialogs().size(), 2u);
    const DialogRecord& shown = ui().dialogs()[0];
    EXPECT_EQ(shown.DialogTitle, "Select Picture");
    EXPECT_EQ(shown.Flags, 0x80004);
    EXPECT_EQ(shown.Filter, "JPEF (*.jpg)|*.jpg");
    EXPECT_EQ(shown.FilterIndex, 2);
    EXPECT_TRUE(shown.CancelError);
    EXPECT_EQ(shown.InitDir, "C:\\");
    EXPECT_EQ(shown.FileName, "") << "no file name was set before the first dialog";
    EXPECT_EQ(ui().dialogs()[1].DialogTitle, "changed afterwards");
    EXPECT_EQ(ui().dialogs()[1].FileName, "x.jpg") << "the second dialog opens with the first's result";
}

TEST_F(ToolkitTest, ColourAndFileScriptsAreSeparateQueues) {
    ControlsForm form;
    ui().scriptOpenDialog(DialogScript::PickFile("a.gif"));
    ui().scriptColorDialog(DialogScript::PickColor(tk::Rgb(0, 255, 0)));
    EXPECT_EQ(form.dialog.ShowColor(), 0);
    EXPECT_EQ(form.dialog.ShowOpen(), 0);
    EXPECT_EQ(form.dialog.Color, tk::Rgb(0, 255, 0));
    EXPECT_EQ(form.dialog.FileName, "a.gif");
}

} // namespace
} // namespace qs::test
