// The delay mapping is the model's (tests/models); the captions, the stored delay and slide count, the top arrow,
// the preview's first slide, OK and Cancel (untouched, it writes nothing) are proven on the real program under Wine.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/toolkit_fixture.h"
#include "ui/config/settings_dialog.h"

namespace qs::test {
namespace {

using tk::headless::DialogScript;

class SettingsDialogTest : public ToolkitTest {
protected:
    ui::SettingsDialog& Open(const std::string& lines) {
        WriteSettings(lines);
        dialog_ = std::make_unique<ui::SettingsDialog>();
        dialog_->Show();
        return *dialog_;
    }
    // Closes with the close box and gives the answer to a question (its text is proven under Wine): did one come?
    bool CloseAsked(ui::SettingsDialog& dialog, int answer) {
        ui().onMessageBox = [answer](const auto&) { return answer; };
        const std::size_t before = ui().messageBoxes().size();
        dialog.userClose();
        return ui().messageBoxes().size() > before;
    }
    std::unique_ptr<ui::SettingsDialog> dialog_;
};

// A delay beyond the arrows' reach stays as stored until the bottom arrow brings it back.
TEST_F(SettingsDialogTest, ALongDelayIsKeptUntilAnArrowMovesTheBar) {
    ui::SettingsDialog& dlg = Open("Delay_0=1000\r\n");
    dlg.delaySpin.userLineUp(); // the bar is at its end already
    EXPECT_EQ(dlg.delayBox.Text(), "1000");
    EXPECT_EQ(AppSettings().delay(), 1000);
    for (char ch : std::string("7a\b\r ")) dlg.delayBox.userChar(ch); // the box takes no keys
    EXPECT_EQ(dlg.delayBox.Text(), "1000");
    dlg.delayBox.userGotFocus();
    EXPECT_EQ(dlg.ActiveControl(), &dlg.okButton) << "nor keeps the focus";
    EXPECT_FALSE(CloseAsked(dlg, tk::vbNo));
    ui::SettingsDialog& again = Open("Delay_0=1000\r\n");
    again.delaySpin.userLineDown();
    EXPECT_EQ(again.delayBox.Text(), "597");
    EXPECT_TRUE(CloseAsked(again, tk::vbNo));
}

TEST_F(SettingsDialogTest, OpensOnTheStoredOptionsAndOnlyAChosenColourReachesSwatchAndSettings) {
    ui::SettingsDialog& dlg = Open("BGColor_0=4210752\r\nRandomDisplay_0=True\r\n");
    EXPECT_EQ(dlg.randomOrderBox.Value(), 1);
    for (const DialogScript& notChosen : {DialogScript::Cancelled(), DialogScript::Failed()}) {
        ui().scriptColorDialog(notChosen);
        dlg.colourButton.userClick();
    }
    EXPECT_EQ(AppSettings().bgColor(), 4210752);
    EXPECT_EQ(dlg.colourSwatch.BackColor(), 4210752);
    EXPECT_TRUE(ui().messageBoxes().empty());
    ui().scriptColorDialog(DialogScript::PickColor(tk::Rgb(0, 128, 255)));
    dlg.colourButton.userClick();
    EXPECT_EQ(AppSettings().bgColor(), tk::Rgb(0, 128, 255));
    EXPECT_EQ(dlg.colourSwatch.BackColor(), tk::Rgb(0, 128, 255));
    EXPECT_TRUE(CloseAsked(dlg, tk::vbYes));
}

// The editor marks changes in the state the dialog hands it: closing it leaves the dialog
// asking, and the count in the editor's own words.
TEST_F(SettingsDialogTest, ClosingTheEditorMakesTheDialogAskAndSetsTheCount) {
    ui::SettingsDialog& dlg = Open("");
    ui().onModal = [](tk::Form& editor) { editor.userClose(); };
    dlg.editSlidesButton.userClick();
    EXPECT_EQ(dlg.pictureCountLabel.Caption(), "0  Pictures");
    EXPECT_TRUE(CloseAsked(dlg, tk::vbNo));
}

} // namespace
} // namespace qs::test
