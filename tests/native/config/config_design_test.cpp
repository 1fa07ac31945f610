// The settings dialog as it opens: its window, every control where it belongs, and
// what Form_Load fills in from the settings.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "config_fixture.h"
#include "toolkit/application.h"

namespace qs::test {
namespace {

struct Placement {
    const char* name;
    const char* container;
    float left, top, width, height;
};

const tk::Control* FindControl(const tk::Container& holder, const std::string& name) {
    for (const tk::Control* c : holder.children()) {
        if (c->Name() == name) return c;
        if (const auto* inner = dynamic_cast<const tk::Container*>(c))
            if (const tk::Control* found = FindControl(*inner, name)) return found;
    }
    return nullptr;
}

TEST_F(ConfigDialogTest, WindowIsAFixedDialogWithItsClientSizeAndTitle) {
    ui::frmConfig& dlg = Open();
    EXPECT_EQ(dlg.Caption(), "Quillo Screen Saver Settings");
    EXPECT_EQ(dlg.borderStyle(), tk::BorderStyle::FixedDialog);
    EXPECT_FALSE(dlg.MinButton());
    EXPECT_FALSE(dlg.MaxButton());
    EXPECT_EQ(dlg.ScaleWidth(), 7335);
    EXPECT_EQ(dlg.ScaleHeight(), 3945);
    EXPECT_TRUE(dlg.Visible());
}

TEST_F(ConfigDialogTest, EveryControlSitsInItsContainerAtItsDesignPlace) {
    ui::frmConfig& dlg = Open();
    const Placement table[] = {
        {"Frame2", "frmConfig", 240, 240, 3495, 975},     {"BgColorPic", "Frame2", 240, 360, 1575, 300},
        {"pbColor", "Frame2", 2040, 360, 1215, 375},      {"Frame1", "frmConfig", 240, 1440, 3495, 1575},
        {"chkRandom", "Frame1", 240, 360, 1575, 375},     {"Label1", "Frame1", 1920, 360, 495, 495},
        {"DelayVal", "Frame1", 2400, 360, 495, 345},      {"upDown", "Frame1", 2880, 360, 255, 345},
        {"picNoLbl", "Frame1", 360, 1080, 1455, 375},     {"Command1", "Frame1", 2040, 1080, 1215, 375},
        {"monitorImg", "frmConfig", 4200, 360, 2895, 2655}, {"Picture1", "monitorImg", 270, 270, 2290, 1680},
        {"bgimage", "Picture1", 240, 240, 855, 855},      {"cmdOK", "frmConfig", 3960, 3360, 960, 375},
        {"cmdCancel", "frmConfig", 5040, 3360, 975, 375}, {"cmdAbout", "frmConfig", 6240, 3360, 975, 375},
    };
    for (const Placement& p : table) {
        SCOPED_TRACE(p.name);
        const tk::Control* c = FindControl(dlg, p.name);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->container()->asComponent().Name(), p.container);
        EXPECT_EQ(c->Left(), p.left);
        EXPECT_EQ(c->Top(), p.top);
        // The preview element is placed by the slides it shows; only its start is fixed.
        if (std::string(p.name) == "bgimage") continue;
        EXPECT_EQ(c->Width(), p.width);
        EXPECT_EQ(c->Height(), p.height);
    }
}

TEST_F(ConfigDialogTest, CaptionsAndButtonRoles) {
    ui::frmConfig& dlg = Open();
    EXPECT_EQ(dlg.Frame2.Caption(), "Backgroung Color");
    EXPECT_EQ(dlg.pbColor.Caption(), "Select...");
    EXPECT_EQ(dlg.Frame1.Caption(), "Slide Display");
    EXPECT_EQ(dlg.chkRandom.Caption(), "Random order");
    EXPECT_EQ(dlg.Label1.Caption(), "Delay (sec)");
    EXPECT_EQ(dlg.Command1.Caption(), "&Edit Slides...");
    EXPECT_EQ(dlg.cmdOK.Caption(), "&OK");
    EXPECT_EQ(dlg.cmdCancel.Caption(), "&Cancel");
    EXPECT_EQ(dlg.cmdAbout.Caption(), "&About...");
    EXPECT_EQ(dlg.defaultButton(), &dlg.cmdOK);
    EXPECT_EQ(dlg.upDown.Min(), 2);
    EXPECT_EQ(dlg.upDown.Max(), 598);
    EXPECT_EQ(dlg.Timer1.Interval(), 100);
    EXPECT_TRUE(dlg.Timer1.Enabled());
}

TEST_F(ConfigDialogTest, MonitorPictureFramesThePreviewOnTheDialogsOwnColour) {
    ui::frmConfig& dlg = Open();
    EXPECT_EQ(dlg.monitorImg.Picture().widthPx(), 189);
    EXPECT_EQ(dlg.monitorImg.Picture().heightPx(), 174);
    EXPECT_EQ(dlg.monitorImg.BackColor(), dlg.BackColor());
}

TEST_F(ConfigDialogTest, LoadFillsTheControlsFromTheSettings) {
    WriteSettings("BGColor_0=255\r\nRandomDisplay_0=True\r\nDelay_0=45\r\n");
    ui::frmConfig& dlg = Open();
    EXPECT_EQ(dlg.BgColorPic.BackColor(), 255);
    EXPECT_EQ(dlg.chkRandom.Value(), 1);
    EXPECT_EQ(dlg.DelayVal.Text(), "45");
    EXPECT_EQ(dlg.upDown.Value(), 555);
    EXPECT_EQ(AppSettings().Delay(), 45);
    EXPECT_TRUE(AppSettings().RandomDisplay());
}

TEST_F(ConfigDialogTest, LoadArmsDiscardAndLeavesNothingChanged) {
    WriteSettings("RandomDisplay_0=True\r\nDelay_0=30\r\n");
    DiscardSettings = false;
    SettingsChanged = true;
    Open();
    EXPECT_TRUE(DiscardSettings);
    EXPECT_FALSE(SettingsChanged);
}

TEST_F(ConfigDialogTest, LoadSetsTheScheduleBackByOneDelay) {
    WriteSettings("Delay_0=43\r\n");
    Open();
    EXPECT_NEAR((os.clock.Now() - LastSlideTime) * 86000.0, 43.0, 1e-6);
}

struct CountCase {
    const char* lines;
    const char* caption;
};

class PictureCountTest : public ConfigDialogTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(PictureCountTest, LabelNamesTheSlideCount) {
    WriteSettings(GetParam().lines);
    EXPECT_EQ(Open().picNoLbl.Caption(), GetParam().caption);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, PictureCountTest,
    ::testing::Values(CountCase{"", "0 Pictures"}, CountCase{"PictureCount_0=1\r\nFileSpec_1=C:\\a.jpg\r\n", "One Picture"},
                      CountCase{"PictureCount_0=7\r\n", "7 Pictures"}, CountCase{"PictureCount_0=2\r\n", "2 Pictures"}));

} // namespace
} // namespace qs::test
