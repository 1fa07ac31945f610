// The about box as it opens without any configured settings: its window, title,
// version, logo, separator and buttons, and the design content of the three lists.
#include <gtest/gtest.h>

#include <functional>

#include "about_fixture.h"
#include "toolkit/application.h"

namespace qs::test {
namespace {

TEST_F(AboutBoxTest, WindowTitleVersionAndLogo) {
    ui::frmAbout& about = Open();
    EXPECT_EQ(about.Caption(), "About Quillo Slide Show");
    EXPECT_EQ(about.lblTitle.Caption(), "Quillo Slide Show");
    EXPECT_EQ(about.lblVersion.Caption(), "Version 1.3.67");
    EXPECT_EQ(about.borderStyle(), tk::BorderStyle::FixedDialog);
    EXPECT_FALSE(about.MinButton());
    EXPECT_FALSE(about.MaxButton());
    EXPECT_EQ(about.ScaleWidth(), 5730);
    EXPECT_EQ(about.ScaleHeight(), 3285);
    EXPECT_EQ(about.Image1.Picture().widthPx(), 117);
    EXPECT_EQ(about.Image1.Picture().heightPx(), 85);
    EXPECT_EQ(about.Image1.Left(), 120);
    EXPECT_EQ(about.Image1.Top(), 120);
    EXPECT_EQ(about.Image1.Width(), 1755);
    EXPECT_EQ(about.Image1.Height(), 1275);
    EXPECT_EQ(ui().modalForms(), std::vector<std::string>{"frmAbout"});
}

TEST_F(AboutBoxTest, ControlsStandAtTheirDesignPlaces) {
    ui::frmAbout& about = Open();
    const struct {
        const tk::Control* control;
        float left, top;
    } table[] = {{&about.lblTitle, 1320, 240},      {&about.lblVersion, 1320, 480},
                 {&about.lblLinkDesc[0], 120, 1680}, {&about.lblDescription[0], 180, 2100},
                 {&about.cmdOK, 180, 2879},          {&about.cmdSysInfo, 4320, 2880}};
    for (const auto& row : table) {
        SCOPED_TRACE(row.control->Name());
        EXPECT_EQ(row.control->Left(), row.left);
        EXPECT_EQ(row.control->Top(), row.top);
    }
    EXPECT_EQ(about.lblTitle.Width(), 3888);
    EXPECT_EQ(about.lblVersion.Height(), 228);
    EXPECT_EQ(about.lblDescription[0].Width(), 3855);
    EXPECT_EQ(about.cmdOK.Width(), 1260);
    EXPECT_EQ(about.cmdSysInfo.Height(), 345);
}

TEST_F(AboutBoxTest, EtchedSeparatorIsAWhiteAndAGreyLine) {
    ui::frmAbout& about = Open();
    ASSERT_EQ(about.Line1.Count(), 2);
    const tk::Line& light = about.Line1[0];
    const tk::Line& shadow = about.Line1[1];
    EXPECT_EQ(light.BorderColor(), tk::Rgb(255, 255, 255));
    EXPECT_EQ(light.BorderWidth(), 2);
    EXPECT_EQ(light.X1(), 105);
    EXPECT_EQ(light.X2(), 5654);
    EXPECT_EQ(shadow.BorderColor(), tk::Rgb(128, 128, 128));
    EXPECT_EQ(shadow.X1(), 120);
    EXPECT_EQ(shadow.X2(), 5684);
    for (const tk::Line* line : {&light, &shadow}) {
        EXPECT_EQ(line->Y1(), 1980);
        EXPECT_EQ(line->Y2(), 1980);
    }
}

TEST_F(AboutBoxTest, LinkLooksClickable) {
    ui::frmAbout& about = Open();
    const tk::Label& link = about.lblLink[0];
    EXPECT_EQ(link.ForeColor(), tk::Rgb(0, 0, 192));
    EXPECT_EQ(link.MousePointer(), tk::vbCustom);
    EXPECT_EQ(link.MouseIcon(), "HAND");
    EXPECT_TRUE(link.AutoSize());
    EXPECT_TRUE(about.lblLinkDesc[0].AutoSize());
}

TEST_F(AboutBoxTest, WithoutSettingsTheListsKeepTheirDesignContent) {
    ui::frmAbout& about = Open();
    EXPECT_EQ(Captions(about.lblLinkDesc), std::vector<std::string>{"Author's homepage:"});
    ASSERT_EQ(about.lblLink.Count(), 1);
    EXPECT_FALSE(about.lblLink[0].Caption().empty());
    ASSERT_EQ(about.lblDescription.Count(), 1);
    EXPECT_FALSE(about.lblDescription[0].Caption().empty());
    EXPECT_EQ(about.lblLink[0].ToolTipText(), "");
    EXPECT_EQ(ProgramValue("HyperlinkDesc1"), "<none>") << "nothing to copy into the registry";
}

TEST_F(AboutBoxTest, EachListStopsAtItsFirstEmptySettingAndOnlyLinksReadTips) {
    WriteAboutSettings("HyperlinkDesc1=Home\r\nHyperlinkValue1=http://a.example/\r\n");
    Open();
    std::vector<std::string> reads;
    for (const auto& call : profile.calls)
        if (!call.write && call.section == "AboutDlg") reads.push_back(call.key);
    EXPECT_EQ(reads, (std::vector<std::string>{"HyperlinkDesc1", "HyperlinkDesc2", "HyperlinkValue1",
                                               "HyperLinkPopupHelp1", "HyperlinkValue2", "HyperLinkPopupHelp2",
                                               "Warning1"}));
}

struct CloseWay {
    const char* name;
    std::function<void(ui::frmAbout&)> close;
};

class AboutCloseTest : public AboutBoxTest, public ::testing::WithParamInterface<CloseWay> {};

TEST_P(AboutCloseTest, Closes) {
    ui::frmAbout& about = Open();
    GetParam().close(about);
    EXPECT_FALSE(about.IsLoaded());
    EXPECT_TRUE(ui().messageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, AboutCloseTest,
    ::testing::Values(CloseWay{"OK", [](ui::frmAbout& a) { a.cmdOK.userClick(); }},
                      CloseWay{"Enter", [](ui::frmAbout& a) { a.userKey(tk::vbKeyReturn, 0); }},
                      CloseWay{"Esc", [](ui::frmAbout& a) { a.userKey(tk::vbKeyEscape, 0); }},
                      CloseWay{"CloseBox", [](ui::frmAbout& a) { a.userClose(); }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace qs::test
