// The settings dialog on the headless toolkit with its settings file in memory.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/toolkit_fixture.h"
#include "toolkit/application.h"
#include "ui/config/frm_config.h"

namespace qs::test {
namespace {

using Texts = std::vector<std::string>;
using tk::headless::DialogScript;

class ConfigDialogTest : public ToolkitTest {
protected:
    ui::frmConfig& Open() {
        dialog_ = std::make_unique<ui::frmConfig>();
        dialog_->Show();
        return *dialog_;
    }
    // Releases the settings object as the end of the process does; returns the keys written.
    Texts Release() {
        ReleaseAppSettings();
        return profile.writes;
    }
    // A value of section [INIT] as the file holds it now.
    std::string IniValue(const std::string& key) {
        char buffer[256] = {};
        return std::string(buffer, profile.GetPrivateProfileString("INIT", key, "", buffer, sizeof buffer, kIniFile));
    }

private:
    std::unique_ptr<ui::frmConfig> dialog_;
};

TEST_F(ConfigDialogTest, OpensWithItsCaptionsAndTheSettingsFilledIn) {
    WriteSettings("BGColor_0=255\r\nRandomDisplay_0=True\r\nDelay_0=45\r\n");
    DiscardSettings = false;
    SettingsChanged = true;
    ui::frmConfig& dlg = Open();
    EXPECT_EQ((Texts{dlg.Caption(), dlg.Frame2.Caption(), dlg.pbColor.Caption(), dlg.Frame1.Caption(),
                     dlg.chkRandom.Caption(), dlg.Label1.Caption(), dlg.Command1.Caption(), dlg.cmdOK.Caption(),
                     dlg.cmdCancel.Caption(), dlg.cmdAbout.Caption()}),
              (Texts{"Quillo Screen Saver Settings", "Backgroung Color", "Select...", "Slide Display", "Random order",
                     "Delay (sec)", "&Edit Slides...", "&OK", "&Cancel", "&About..."}));
    EXPECT_EQ(dlg.defaultButton(), &dlg.cmdOK);
    EXPECT_EQ(dlg.BgColorPic.BackColor(), 255);
    EXPECT_EQ(dlg.chkRandom.Value(), 1);
    EXPECT_EQ(dlg.DelayVal.Text(), "45");
    EXPECT_EQ(dlg.upDown.Value(), 555) << "the bar runs from 598 at its top down to 2";
    EXPECT_TRUE(DiscardSettings) << "only OK keeps the settings";
    EXPECT_FALSE(SettingsChanged);
    EXPECT_NEAR((os.clock.Now() - LastSlideTime) * 86000.0, 45.0, 1e-6) << "the preview starts one delay back";
}

class PictureCount : public ConfigDialogTest,
                     public ::testing::WithParamInterface<std::pair<const char*, const char*>> {};

TEST_P(PictureCount, LabelNamesTheSlideCount) {
    WriteSettings(GetParam().first);
    EXPECT_EQ(Open().picNoLbl.Caption(), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Counts, PictureCount,
                         ::testing::Values(std::pair("", "0 Pictures"),
                                           std::pair("PictureCount_0=1\r\nFileSpec_1=C:\\a.jpg\r\n", "One Picture"),
                                           std::pair("PictureCount_0=7\r\n", "7 Pictures")));

// Cancel and the close box ask before dropping a change, the dialog's own or one the
// editor reports only through the shared flag; untouched, they just close.
struct CloseCase {
    const char* name;
    bool closeBox, change, editorChange;
    int answer; // 0: no question expected
};
class CloseDialog : public ConfigDialogTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseDialog, AsksOnlyAboutAChangeAndNoKeepsTheDialog) {
    const CloseCase& c = GetParam();
    WriteSettings("RandomDisplay_0=False\r\n");
    ui::frmConfig& dlg = Open();
    if (c.change) dlg.chkRandom.userClick();
    if (c.editorChange) SettingsChanged = true;
    if (c.answer) ui().answerMessageBox(c.answer);
    if (c.closeBox) {
        dlg.userClose();
    } else {
        dlg.cmdCancel.userClick();
    }
    ASSERT_EQ(ui().messageBoxes().size(), c.answer ? 1u : 0u);
    for (const auto& box : ui().messageBoxes())
        EXPECT_EQ((Texts{box.prompt, box.title, box.owner, std::to_string(box.flags)}),
                  (Texts{"Do you want to ignore all changes and exit?", "Screen Saver", "frmConfig", "36"}));
    const bool stays = c.answer == tk::vbNo;
    EXPECT_EQ(dlg.IsLoaded(), stays);
    EXPECT_EQ(AppSettings().RandomDisplay(), c.change);
    EXPECT_EQ(dlg.chkRandom.Value(), c.change ? 1 : 0);
    if (!stays && !c.editorChange) {
        EXPECT_TRUE(Release().empty());
        EXPECT_EQ(IniValue("RandomDisplay_0"), "False");
    }
}

INSTANTIATE_TEST_SUITE_P(Ways, CloseDialog,
                         ::testing::Values(CloseCase{"CancelUntouched", false, false, false, 0},
                                           CloseCase{"CloseBoxUntouched", true, false, false, 0},
                                           CloseCase{"CancelAnsweredNo", false, true, false, tk::vbNo},
                                           CloseCase{"CancelAnsweredYes", false, true, false, tk::vbYes},
                                           CloseCase{"CloseBoxAnsweredNo", true, true, false, tk::vbNo},
                                           CloseCase{"CloseBoxAnsweredYes", true, true, false, tk::vbYes},
                                           CloseCase{"EditorChangeAnsweredNo", true, false, true, tk::vbNo}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConfigDialogTest, OkAsksNothingAndTheReleaseWritesTheSettings) {
    WriteSettings("RandomDisplay_0=True\r\nBGColor_0=65280\r\nDelay_0=15\r\n");
    ui::frmConfig& dlg = Open();
    dlg.chkRandom.userClick();
    EXPECT_TRUE(SettingsChanged);
    dlg.cmdOK.userClick();
    EXPECT_TRUE(ui().messageBoxes().empty());
    EXPECT_FALSE(dlg.IsLoaded());
    EXPECT_FALSE(DiscardSettings);
    EXPECT_FALSE(SettingsChanged);
    EXPECT_EQ(IniValue("RandomDisplay_0"), "True") << "nothing is written before the release";
    Release();
    EXPECT_EQ((Texts{IniValue("RandomDisplay_0"), IniValue("BGColor_0"), IniValue("Delay_0")}),
              (Texts{"False", "65280", "15"}));
}

TEST_F(ConfigDialogTest, OnlyAChosenColourReachesSwatchPreviewAndFile) {
    WriteSettings("BGColor_0=4210752\r\n");
    ui::frmConfig& dlg = Open();
    for (const DialogScript& notChosen : {DialogScript::Cancelled(), DialogScript::Failed()}) {
        ui().scriptColorDialog(notChosen);
        dlg.pbColor.userClick();
        EXPECT_EQ(AppSettings().bgColor(), 4210752);
        EXPECT_EQ(dlg.BgColorPic.BackColor(), 4210752);
        EXPECT_FALSE(SettingsChanged);
    }
    EXPECT_TRUE(ui().messageBoxes().empty());
    ui().scriptColorDialog(DialogScript::PickColor(tk::Rgb(0, 128, 255)));
    dlg.pbColor.userClick();
    ASSERT_EQ(ui().dialogs().size(), 3u);
    EXPECT_TRUE(ui().dialogs()[2].CancelError);
    EXPECT_EQ(dlg.BgColorPic.BackColor(), tk::Rgb(0, 128, 255));
    EXPECT_TRUE(SettingsChanged);
    ui().advance(100);
    EXPECT_EQ(dlg.Picture1.BackColor(), tk::Rgb(0, 128, 255)) << "the preview takes it within one tick";
    dlg.cmdOK.userClick();
    Release();
    EXPECT_EQ(IniValue("BGColor_0"), std::to_string(tk::Rgb(0, 128, 255)));
}

// The top arrow lengthens the delay by one second, within 2..598.
struct ArrowCase {
    int stored;
    bool top;
    int shown, spinValue;
    bool changed;
};
class DelayArrow : public ConfigDialogTest, public ::testing::WithParamInterface<ArrowCase> {};

TEST_P(DelayArrow, OneClickMovesTheDelayByOneWithinTheRange) {
    const ArrowCase& c = GetParam();
    WriteSettings("Delay_0=" + std::to_string(c.stored) + "\r\n");
    ui::frmConfig& dlg = Open();
    if (c.top) {
        dlg.upDown.userLineUp();
    } else {
        dlg.upDown.userLineDown();
    }
    EXPECT_EQ(dlg.DelayVal.Text(), std::to_string(c.shown));
    EXPECT_EQ(AppSettings().Delay(), c.shown);
    EXPECT_EQ(dlg.upDown.Value(), c.spinValue);
    EXPECT_EQ(SettingsChanged, c.changed);
}

INSTANTIATE_TEST_SUITE_P(Arrows, DelayArrow,
                         ::testing::Values(ArrowCase{10, true, 11, 589, true}, ArrowCase{10, false, 9, 591, true},
                                           ArrowCase{2, false, 2, 598, false}, ArrowCase{3, false, 2, 598, true},
                                           ArrowCase{2, true, 3, 597, true}, ArrowCase{597, true, 598, 2, true},
                                           ArrowCase{598, true, 598, 2, false}, ArrowCase{598, false, 597, 3, true}));

// Delays of 599 to 1000 seconds lie beyond the arrows' range: shown and kept as stored
// until the bottom arrow brings them back into it.
class LongDelay : public ConfigDialogTest, public ::testing::WithParamInterface<int> {};

TEST_P(LongDelay, IsShownAndKeptUntilTheBottomArrow) {
    const std::string stored = std::to_string(GetParam());
    WriteSettings("Delay_0=" + stored + "\r\n");
    ui::frmConfig& dlg = Open();
    EXPECT_EQ(dlg.upDown.Value(), dlg.upDown.Min());
    dlg.upDown.userLineUp(); // the bar is at its end already
    EXPECT_EQ(dlg.DelayVal.Text(), stored);
    EXPECT_EQ(std::to_string(AppSettings().Delay()), stored);
    EXPECT_FALSE(SettingsChanged);
    dlg.upDown.userLineDown();
    EXPECT_EQ(dlg.DelayVal.Text(), "597");
    EXPECT_EQ(AppSettings().Delay(), 597);
    EXPECT_TRUE(SettingsChanged);
}

INSTANTIATE_TEST_SUITE_P(Stored, LongDelay, ::testing::Values(599, 1000));

TEST_F(ConfigDialogTest, TheDelayBoxTakesNoKeysAndHandsTheFocusToOk) {
    WriteSettings("Delay_0=25\r\n");
    ui::frmConfig& dlg = Open();
    for (char ch : std::string("7a\b\r ")) dlg.DelayVal.userChar(ch);
    EXPECT_EQ(dlg.DelayVal.Text(), "25");
    EXPECT_EQ(AppSettings().Delay(), 25);
    EXPECT_FALSE(SettingsChanged);
    dlg.DelayVal.userGotFocus();
    EXPECT_EQ(dlg.ActiveControl(), &dlg.cmdOK);
}

} // namespace
} // namespace qs::test
