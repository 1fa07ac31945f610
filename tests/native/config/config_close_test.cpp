// Leaving the settings dialog: OK keeps the changes for the settings file, Cancel and
// the close box ask before throwing changes away, and an untouched dialog closes
// without a question and writes nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "config_fixture.h"
#include "toolkit/application.h"

namespace qs::test {
namespace {

using tk::headless::DialogScript;

struct CloseWay {
    const char* name;
    std::function<void(ui::frmConfig&)> close;
};

const CloseWay kCancel{"Cancel", [](ui::frmConfig& d) { d.cmdCancel.userClick(); }};
const CloseWay kCloseBox{"close box", [](ui::frmConfig& d) { d.userClose(); }};
const CloseWay kOK{"OK", [](ui::frmConfig& d) { d.cmdOK.userClick(); }};

class UntouchedCloseTest : public ConfigDialogTest, public ::testing::WithParamInterface<CloseWay> {};

TEST_P(UntouchedCloseTest, ClosesWithoutQuestionAndWritesNothing) {
    WriteSettings("RandomDisplay_0=False\r\nDelay_0=15\r\n");
    ui::frmConfig& dlg = Open();
    GetParam().close(dlg);
    EXPECT_FALSE(dlg.IsLoaded());
    EXPECT_TRUE(ui().messageBoxes().empty());
    EXPECT_TRUE(Release().empty());
}

INSTANTIATE_TEST_SUITE_P(Ways, UntouchedCloseTest, ::testing::Values(kCancel, kCloseBox),
                         [](const auto& info) { return info.param.name == std::string("Cancel") ? "Cancel" : "CloseBox"; });

class ChangedCloseTest : public ConfigDialogTest, public ::testing::WithParamInterface<CloseWay> {};

TEST_P(ChangedCloseTest, NoKeepsTheDialogOpenWithTheChange) {
    WriteSettings("RandomDisplay_0=False\r\n");
    ui::frmConfig& dlg = Open();
    dlg.chkRandom.userClick();
    ui().answerMessageBox(tk::vbNo);
    GetParam().close(dlg);

    ASSERT_EQ(ui().messageBoxes().size(), 1u);
    const auto& box = ui().messageBoxes()[0];
    EXPECT_EQ(box.prompt, kAsked);
    EXPECT_EQ(box.title, "Screen Saver");
    EXPECT_EQ(box.flags, 36);
    EXPECT_EQ(box.owner, "frmConfig");
    EXPECT_TRUE(dlg.IsLoaded());
    EXPECT_EQ(dlg.chkRandom.Value(), 1);
    EXPECT_TRUE(AppSettings().RandomDisplay());
    EXPECT_TRUE(SettingsChanged);
}

TEST_P(ChangedCloseTest, YesClosesAndTheFileKeepsItsOldValue) {
    WriteSettings("RandomDisplay_0=False\r\n");
    ui::frmConfig& dlg = Open();
    dlg.chkRandom.userClick();
    ui().answerMessageBox(tk::vbYes);
    GetParam().close(dlg);

    EXPECT_EQ(QuestionsAsked(), 1);
    EXPECT_FALSE(dlg.IsLoaded());
    EXPECT_TRUE(Release().empty());
    EXPECT_EQ(IniValue("RandomDisplay_0"), "False");
}

INSTANTIATE_TEST_SUITE_P(Ways, ChangedCloseTest, ::testing::Values(kCancel, kCloseBox),
                         [](const auto& info) { return info.param.name == std::string("Cancel") ? "Cancel" : "CloseBox"; });

TEST_F(ConfigDialogTest, OkAfterAChangeAsksNothingAndTheReleaseWritesIt) {
    WriteSettings("RandomDisplay_0=False\r\nDelay_0=15\r\n");
    ui::frmConfig& dlg = Open();
    dlg.chkRandom.userClick();
    kOK.close(dlg);

    EXPECT_TRUE(ui().messageBoxes().empty());
    EXPECT_FALSE(dlg.IsLoaded());
    EXPECT_FALSE(DiscardSettings);
    EXPECT_FALSE(SettingsChanged);
    EXPECT_TRUE(IniValue("RandomDisplay_0") == "False") << "nothing is written before the release";
    const std::vector<std::string> written = Release();
    EXPECT_NE(std::find(written.begin(), written.end(), "RandomDisplay_0=True"), written.end());
    EXPECT_EQ(IniValue("RandomDisplay_0"), "True");
    EXPECT_EQ(IniValue("Delay_0"), "15");
}

TEST_F(ConfigDialogTest, OkUntouchedWritesTheSettingsBackAsRead) {
    WriteSettings("BGColor_0=65280\r\nDelay_0=20\r\n");
    kOK.close(Open());
    EXPECT_FALSE(Release().empty());
    EXPECT_EQ(IniValue("BGColor_0"), "65280");
    EXPECT_EQ(IniValue("Delay_0"), "20");
}

TEST_F(ConfigDialogTest, UntickingRandomStoresFalse) {
    WriteSettings("RandomDisplay_0=True\r\n");
    ui::frmConfig& dlg = Open();
    dlg.chkRandom.userClick();
    EXPECT_FALSE(AppSettings().RandomDisplay());
    EXPECT_TRUE(SettingsChanged);
    kOK.close(dlg);
    Release();
    EXPECT_EQ(IniValue("RandomDisplay_0"), "False");
}

TEST_F(ConfigDialogTest, ChosenColourGoesToSettingsAndSwatchAndIsAskedAboutOnCancel) {
    WriteSettings("BGColor_0=0\r\n");
    ui::frmConfig& dlg = Open();
    ui().scriptColorDialog(DialogScript::PickColor(tk::Rgb(10, 20, 30)));
    dlg.pbColor.userClick();

    ASSERT_EQ(ui().dialogs().size(), 1u);
    EXPECT_TRUE(ui().dialogs()[0].CancelError);
    EXPECT_EQ(AppSettings().bgColor(), tk::Rgb(10, 20, 30));
    EXPECT_EQ(dlg.BgColorPic.BackColor(), tk::Rgb(10, 20, 30));
    EXPECT_TRUE(SettingsChanged);

    ui().answerMessageBox(tk::vbYes);
    kCancel.close(dlg);
    EXPECT_EQ(QuestionsAsked(), 1);
    EXPECT_TRUE(Release().empty());
    EXPECT_EQ(IniValue("BGColor_0"), "0");
}

TEST_F(ConfigDialogTest, ChosenColourReachesTheFileAfterOk) {
    ui::frmConfig& dlg = Open();
    ui().scriptColorDialog(DialogScript::PickColor(tk::Rgb(0, 128, 255)));
    dlg.pbColor.userClick();
    kOK.close(dlg);
    Release();
    EXPECT_EQ(IniValue("BGColor_0"), std::to_string(tk::Rgb(0, 128, 255)));
}

class ColourNotChosenTest : public ConfigDialogTest, public ::testing::WithParamInterface<DialogScript> {};

TEST_P(ColourNotChosenTest, ChangesNothingAndShowsNoMessage) {
    WriteSettings("BGColor_0=4210752\r\n");
    ui::frmConfig& dlg = Open();
    ui().scriptColorDialog(GetParam());
    dlg.pbColor.userClick();
    EXPECT_EQ(AppSettings().bgColor(), 4210752);
    EXPECT_EQ(dlg.BgColorPic.BackColor(), 4210752);
    EXPECT_FALSE(SettingsChanged);
    kCancel.close(dlg);
    EXPECT_TRUE(ui().messageBoxes().empty());
    EXPECT_FALSE(dlg.IsLoaded());
}

INSTANTIATE_TEST_SUITE_P(Outcomes, ColourNotChosenTest,
                         ::testing::Values(DialogScript::Cancelled(), DialogScript::Failed()));

TEST_F(ConfigDialogTest, ChangesMadeElsewhereAreAskedAboutToo) {
    // The editor reports its unconfirmed changes through the shared flag alone.
    ui::frmConfig& dlg = Open();
    SettingsChanged = true;
    ui().answerMessageBox(tk::vbNo);
    kCloseBox.close(dlg);
    EXPECT_EQ(QuestionsAsked(), 1);
    EXPECT_TRUE(dlg.IsLoaded());
}

} // namespace
} // namespace qs::test
