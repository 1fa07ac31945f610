// What forms show and ask: Print at the text position, Cls, a new background colour,
// text measured through the backend, and the answers the headless backend gives message
// boxes and common dialogs, which must be the ones Windows gives.
#include <gtest/gtest.h>

#include <iterator>
#include <optional>

#include "probe_forms.h"
#include "support/toolkit_fixture.h"

namespace qs::test {
namespace {

using tk::headless::DialogRecord;
using tk::headless::DialogScript;
using tk::headless::DrawOp;

TEST_F(ToolkitTest, PrintDrawsAtTheTextPositionThenMovesToTheNextLine) {
    ControlsForm form;
    form.Show();
    tk::PictureBox& pic = form.pic;
    pic.setForeColor(tk::Rgb(255, 0, 0));
    pic.Font.Bold = true;
    pic.CurrentX = 300;
    pic.CurrentY = 120;
    pic.Print("Cannot load picture");
    const float line = pic.TextHeight("Cannot load picture");
    EXPECT_FLOAT_EQ(pic.CurrentX, 0);
    EXPECT_FLOAT_EQ(pic.CurrentY, 120 + line);
    pic.Print("second");
    const std::vector<DrawOp> ops = ui().surfaceOps(pic);
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_EQ(ops[0].text, "Cannot load picture");
    EXPECT_FLOAT_EQ(ops[0].x, 300);
    EXPECT_FLOAT_EQ(ops[0].y, 120);
    EXPECT_EQ(ops[0].color, tk::Rgb(255, 0, 0));
    EXPECT_TRUE(ops[0].font.Bold);
    EXPECT_FLOAT_EQ(ops[1].x, 0);
    EXPECT_FLOAT_EQ(ops[1].y, 120 + line);
    LifecycleForm hidden;
    hidden.Print("nowhere");
    EXPECT_GT(hidden.CurrentY, 0) << "a surface without a window keeps its state";
    EXPECT_TRUE(ui().surfaceOps(hidden).empty());
}

TEST_F(ToolkitTest, ClsAndANewBackColourClearButTheSameColourKeepsTheDrawing) {
    ControlsForm form;
    form.Show();
    form.setBackColor(tk::Rgb(1, 2, 3));
    form.CurrentX = 10;
    form.Print("kept");
    form.setBackColor(tk::Rgb(1, 2, 3));
    EXPECT_EQ(ui().textsOn(form), (std::vector<std::string>{"kept"}));
    form.setBackColor(tk::Rgb(9, 9, 9));
    EXPECT_TRUE(ui().textsOn(form).empty());
    form.Print("old");
    form.CurrentX = 50;
    form.Cls();
    EXPECT_FLOAT_EQ(form.CurrentX, 0);
    EXPECT_FLOAT_EQ(form.CurrentY, 0);
    ASSERT_EQ(ui().surfaceOps(form).size(), 1u);
    EXPECT_EQ(ui().surfaceOps(form)[0].type, DrawOp::Type::Cls);
    EXPECT_EQ(ui().surfaceOps(form)[0].color, tk::Rgb(9, 9, 9));
}

TEST_F(ToolkitTest, TextSizeAndScreenSizeComeFromTheBackendAndPlatform) {
    os.screen.metrics.widthPx = 800;
    os.screen.metrics.twipsPerPixelX = 12;
    ControlsForm form;
    form.pic.Font.Size = 12;
    const tk::SizeTwips expected = ui().measureText(form.pic.Font, "Hello");
    EXPECT_FLOAT_EQ(form.pic.TextWidth("Hello"), expected.Width);
    EXPECT_FLOAT_EQ(form.pic.TextHeight("Hello"), expected.Height);
    EXPECT_FLOAT_EQ(tk::Screen::Width(), 9600);
    EXPECT_FLOAT_EQ(form.pic.ScaleWidth(), form.pic.Width() - 4 * 12) << "a bordered box loses its edge";
}

TEST_F(ToolkitTest, MessageBoxesTakeQueuedAnswersInOrderElseTheirDefaultButton) {
    LifecycleForm owner("frmConfig");
    ui().answerMessageBox(tk::vbNo);
    ui().answerMessageBox(tk::vbYes);
    EXPECT_EQ(tk::MsgBox("Do you want to ignore all changes and exit?", 36, "Screen Saver", &owner), tk::vbNo);
    const tk::headless::MessageBoxRecord first = ui().messageBoxes()[0];
    EXPECT_EQ(first.prompt, "Do you want to ignore all changes and exit?");
    EXPECT_EQ(first.flags, 36);
    EXPECT_EQ(first.title, "Screen Saver");
    EXPECT_EQ(first.owner, "frmConfig");
    EXPECT_EQ(tk::MsgBox("second", 36, "Screen Saver"), tk::vbYes);
    EXPECT_EQ(ui().unansweredMessageBoxes(), 0);
    const struct {
        int flags, expected;
    } cases[] = {{tk::vbOKOnly, tk::vbOK},       {tk::vbYesNo | tk::vbQuestion, tk::vbYes},
                 {tk::vbYesNo | 256, tk::vbNo},   {1 | 256, tk::vbCancel},
                 {3 | 512, tk::vbCancel},         {tk::vbYesNo | 512, tk::vbYes}, // no third button: the first
                 {5, 4}};
    for (const auto& c : cases) EXPECT_EQ(tk::MsgBox("?", c.flags, "t"), c.expected) << "flags " << c.flags;
    EXPECT_EQ(ui().unansweredMessageBoxes(), static_cast<int>(std::size(cases)));
    EXPECT_FALSE(ui().messageBoxes().back().answered);
}

TEST_F(ToolkitTest, CommonDialogScriptsDecideTheOutcome) {
    struct Case {
        bool open; // the file-open dialog, else the colour dialog
        bool cancelError;
        std::optional<DialogScript> script;
        int expectedResult;
        bool changes; // Color / FileName take the scripted value
    };
    const Case cases[] = {
        {false, true, DialogScript::PickColor(tk::Rgb(10, 20, 30)), 0, true},
        {false, true, DialogScript::Cancelled(), tk::cdlCancel, false},
        {false, false, DialogScript::Cancelled(), 0, false},
        {false, true, DialogScript::Failed(0x3002), 0x3002, false},
        {false, true, std::nullopt, tk::cdlCancel, false}, // unscripted is cancelled
        {true, true, DialogScript::PickFile("C:\\Pictures\\a.jpg"), 0, true},
        {true, true, DialogScript::Cancelled(), tk::cdlCancel, false},
        {true, true, DialogScript::Failed(), 0xFFFF, false},
        {true, false, DialogScript::Failed(0), 0xFFFF, false}, // a failure with code 0 still fails
        {true, false, std::nullopt, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << &c - cases);
        ControlsForm form;
        tk::CommonDialog& d = form.dialog;
        d.CancelError = c.cancelError;
        d.Color = tk::Rgb(1, 1, 1);
        d.FileName = "before.jpg";
        if (c.script) c.open ? ui().scriptOpenDialog(*c.script) : ui().scriptColorDialog(*c.script);
        const std::size_t shown = ui().dialogs().size();
        EXPECT_EQ(c.open ? d.ShowOpen() : d.ShowColor(), c.expectedResult);
        EXPECT_EQ(d.FileName, c.open && c.changes ? c.script->fileName : "before.jpg");
        EXPECT_EQ(d.Color, !c.open && c.changes ? c.script->color : tk::Rgb(1, 1, 1));
        ASSERT_EQ(ui().dialogs().size(), shown + 1);
        EXPECT_EQ(ui().dialogs().back().type, c.open ? DialogRecord::Type::Open : DialogRecord::Type::Color);
    }
    EXPECT_EQ(ui().unscriptedDialogs(), 2);
}

} // namespace
} // namespace qs::test
