// The live preview in the monitor picture: Timer1 runs the slide show on Picture1
// every 100 ms, follows the settings as they change, and keeps running while the
// about box is open over the dialog.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "config_fixture.h"
#include "support/test_images.h"
#include "toolkit/application.h"
#include "ui/about/frm_about.h"

namespace qs::test {
namespace {

bool Shows(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST_F(ConfigDialogTest, PreviewTicksEvery100Milliseconds) {
    ui::frmConfig& dlg = Open();
    ASSERT_TRUE(ui().nextDue(dlg.Timer1).has_value());
    EXPECT_EQ(*ui().nextDue(dlg.Timer1), ui().nowMs() + 100);
}

TEST_F(ConfigDialogTest, PreviewShowsTheTextSlideOfAnEmptyShowOnPicture1) {
    WriteSettings("BGColor_0=128\r\nDelay_0=5\r\n");
    ui::frmConfig& dlg = Open();
    ui().advance(100);
    EXPECT_EQ(dlg.Picture1.BackColor(), 128) << "every tick brings the background colour";
    ui().advance(900);
    EXPECT_TRUE(Shows(ui().textsOn(dlg.Picture1), "No pictures defined"));
    EXPECT_TRUE(dlg.bgimage.Visible());
    EXPECT_TRUE(ui().textsOn(dlg).empty()) << "the dialog itself is no drawing surface";
}

TEST_F(ConfigDialogTest, PreviewShowsThePictureOfTheFirstSlide) {
    ScratchFolder folder;
    const std::string picture = folder.write("slide.gif", MakeGif(40, 30));
    WriteSettings("Delay_0=5\r\nPictureCount_0=1\r\nFileSpec_1=" + picture + "\r\n");
    ui::frmConfig& dlg = Open();
    ui().advance(1000);
    EXPECT_TRUE(Shows(ui().pictureLoads(), picture));
    EXPECT_FALSE(dlg.bgimage.Picture().empty());
    EXPECT_TRUE(dlg.bgimage.Visible());
    EXPECT_FALSE(Shows(ui().textsOn(dlg.Picture1), "No pictures defined"));
}

TEST_F(ConfigDialogTest, PreviewFollowsTheDelayAsTheArrowsChangeIt) {
    WriteSettings("Delay_0=2\r\n");
    ui::frmConfig& dlg = Open();
    ui().advance(1000);
    const double first = LastSlideTime;
    for (int i = 0; i < 8; ++i) dlg.upDown.userLineUp(); // 10 seconds now
    ui().advance(4000);
    EXPECT_EQ(LastSlideTime, first) << "a 10-second slide is still on show after 4 seconds";
    ui().advance(8000);
    EXPECT_GT(LastSlideTime, first);
}

TEST_F(ConfigDialogTest, ChosenColourReachesThePreviewWithinOneTick) {
    ui::frmConfig& dlg = Open();
    ui().advance(100);
    ui().scriptColorDialog(tk::headless::DialogScript::PickColor(tk::Rgb(200, 100, 50)));
    dlg.pbColor.userClick();
    ui().advance(100);
    EXPECT_EQ(dlg.Picture1.BackColor(), tk::Rgb(200, 100, 50));
}

TEST_F(ConfigDialogTest, PreviewStopsWhenTheDialogCloses) {
    ui::frmConfig& dlg = Open();
    dlg.cmdCancel.userClick();
    EXPECT_FALSE(ui().nextDue(dlg.Timer1).has_value());
}

TEST_F(ConfigDialogTest, AboutBoxIsModalOverTheDialogWhosePreviewKeepsRunning) {
    WriteSettings("Delay_0=3\r\n");
    ui::frmConfig& dlg = Open();
    bool ownerEnabled = true;
    std::string aboutTitle;
    bool drewMeanwhile = false;
    bool closedByEsc = false;
    ui().onModal = [&](tk::Form& about) {
        ownerEnabled = dlg.Enabled();
        aboutTitle = about.Caption();
        const double before = LastSlideTime;
        ui().advance(1000);
        drewMeanwhile = LastSlideTime > before && Shows(ui().textsOn(dlg.Picture1), "No pictures defined");
        about.userKey(tk::vbKeyEscape, 0);
        closedByEsc = !about.IsLoaded();
    };
    dlg.cmdAbout.userClick();

    EXPECT_EQ(ui().modalForms(), std::vector<std::string>{"frmAbout"});
    EXPECT_FALSE(ownerEnabled);
    EXPECT_EQ(aboutTitle, "About Quillo Slide Show");
    EXPECT_TRUE(closedByEsc);
    EXPECT_TRUE(drewMeanwhile) << "the preview drew a slide while the about box was open";
    EXPECT_TRUE(dlg.Enabled());
    EXPECT_TRUE(dlg.IsLoaded());
    EXPECT_FALSE(SettingsChanged) << "the about box changes nothing";
}

} // namespace
} // namespace qs::test
