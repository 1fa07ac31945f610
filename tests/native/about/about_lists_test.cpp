// The configured label lists of the about box: links stacked upward beside their
// descriptions, notices stacked downward, each list up to its first empty setting,
// values copied into the registry and taken from there once the file has lost them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "about_fixture.h"
#include "toolkit/application.h"

namespace qs::test {
namespace {

using Texts = std::vector<std::string>;

struct ListCase {
    const char* name;
    const char* lines;
    Texts descriptions; // empty: the design element only
    Texts links;
    Texts tips;
    Texts notices;
};

class AboutListTest : public AboutBoxTest, public ::testing::WithParamInterface<ListCase> {};

TEST_P(AboutListTest, ListsHoldTheConfiguredTexts) {
    const ListCase& c = GetParam();
    WriteAboutSettings(c.lines);
    ui::frmAbout& about = Open();
    if (!c.descriptions.empty()) {
        EXPECT_EQ(Captions(about.lblLinkDesc), c.descriptions);
    }
    if (!c.links.empty()) {
        EXPECT_EQ(Captions(about.lblLink), c.links);
    }
    if (!c.notices.empty()) {
        EXPECT_EQ(Captions(about.lblDescription), c.notices);
    }
    for (std::size_t i = 0; i < c.tips.size(); ++i)
        EXPECT_EQ(about.lblLink[static_cast<int>(i)].ToolTipText(), c.tips[i]) << "link " << i;
    for (const auto* list : {&about.lblLinkDesc, &about.lblLink, &about.lblDescription})
        for (int i = 0; i <= list->UBound(); ++i) EXPECT_TRUE((*list)[i].Visible()) << (*list)[i].Name() << i;
}

INSTANTIATE_TEST_SUITE_P(
    Settings, AboutListTest,
    ::testing::Values(
        ListCase{"OneLink",
                 "HyperlinkDesc1=Home\r\nHyperlinkValue1=http://quillo.example/\r\nHyperLinkPopupHelp1=Visit us\r\n",
                 {"Home"}, {"http://quillo.example/"}, {"Visit us"}, {}},
        ListCase{"TwoLinks",
                 "HyperlinkDesc1=Home\r\nHyperlinkDesc2=Downloads and updates:\r\n"
                 "HyperlinkValue1=http://a.example/\r\nHyperlinkValue2=http://b.example/\r\n"
                 "HyperLinkPopupHelp2=Second\r\n",
                 {"Home", "Downloads and updates:"}, {"http://a.example/", "http://b.example/"}, {"", "Second"}, {}},
        ListCase{"MoreLinksThanDescriptions",
                 "HyperlinkDesc1=Home\r\nHyperlinkValue1=http://a.example/\r\nHyperlinkValue2=http://b.example/\r\n"
                 "HyperlinkValue3=http://c.example/\r\n",
                 {"Home"}, {"http://a.example/", "http://b.example/", "http://c.example/"}, {"", "", ""}, {}},
        ListCase{"OneNotice", "Warning1=Handle with care.\r\n", {}, {}, {}, {"Handle with care."}},
        ListCase{"TwoNotices", "Warning1=First notice.\r\nWarning2=Second notice.\r\n", {}, {}, {},
                 {"First notice.", "Second notice."}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AboutBoxTest, AGapAtOneLeavesEveryDesignElementAlone) {
    WriteAboutSettings("HyperlinkDesc2=Second only\r\nHyperlinkValue2=http://b.example/\r\nWarning2=Late\r\n");
    ui::frmAbout fresh;
    const std::string designLink = fresh.lblLink[0].Caption();
    const std::string designCredit = fresh.lblDescription[0].Caption();
    ui::frmAbout& about = Open();
    EXPECT_EQ(Captions(about.lblLinkDesc), Texts{"Author's homepage:"});
    EXPECT_EQ(Captions(about.lblLink), Texts{designLink});
    EXPECT_EQ(Captions(about.lblDescription), Texts{designCredit});
}

TEST_F(AboutBoxTest, SecondLinkPairStandsOneLabelHeightAboveTheFirst) {
    WriteAboutSettings("HyperlinkDesc1=Home\r\nHyperlinkDesc2=Downloads and updates:\r\n"
                       "HyperlinkValue1=http://a.example/\r\nHyperlinkValue2=http://b.example/\r\n");
    ui::frmAbout& about = Open();
    const tk::Label& desc0 = about.lblLinkDesc[0];
    const tk::Label& desc1 = about.lblLinkDesc[1];
    EXPECT_EQ(desc0.Top(), 1680);
    EXPECT_EQ(desc1.Left(), desc0.Left());
    EXPECT_EQ(desc1.Top(), desc0.Top() - desc0.Height());
    EXPECT_EQ(about.lblLink[0].Top(), 1680);
    EXPECT_EQ(about.lblLink[1].Top(), about.lblLink[0].Top() - about.lblLink[0].Height());
}

TEST_F(AboutBoxTest, NoticesStackDownward) {
    WriteAboutSettings("Warning1=First notice.\r\nWarning2=Second notice.\r\nWarning3=Third.\r\n");
    ui::frmAbout& about = Open();
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(about.lblDescription[i].Left(), 180);
        EXPECT_EQ(about.lblDescription[i].Top(), about.lblDescription[i - 1].Top() + about.lblDescription[i - 1].Height());
    }
    EXPECT_EQ(about.lblDescription[1].Top(), 2100 + 210);
}

// Where the link column stands: one "w" of the dialog's font right of the widest
// description, measured with the headless text metrics.
struct ColumnCase {
    const char* name;
    const char* lines;
    Texts descriptions;
};

class LinkColumnTest : public AboutBoxTest, public ::testing::WithParamInterface<ColumnCase> {};

TEST_P(LinkColumnTest, LinksStartOneLetterRightOfTheWidestDescription) {
    WriteAboutSettings(GetParam().lines);
    ui::frmAbout& about = Open();
    float widest = 0;
    for (const std::string& d : GetParam().descriptions)
        widest = std::max(widest, ui().measureText(about.lblLinkDesc[0].Font(), d).Width);
    const float letter = ui().measureText(about.Font, "w").Width;
    const float expectedLeft = 120 + std::nearbyint(widest + letter);
    for (int i = 0; i <= about.lblLink.UBound(); ++i) EXPECT_EQ(about.lblLink[i].Left(), expectedLeft) << "link " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, LinkColumnTest,
    ::testing::Values(ColumnCase{"Design", "", {"Author's homepage:"}},
                      ColumnCase{"ShortDescription", "HyperlinkDesc1=Web:\r\n", {"Web:"}},
                      ColumnCase{"WiderSecond", "HyperlinkDesc1=Web:\r\nHyperlinkDesc2=Downloads and updates:\r\n"
                                                "HyperlinkValue1=a\r\nHyperlinkValue2=b\r\n",
                                 {"Web:", "Downloads and updates:"}},
                      ColumnCase{"ExtraLinks", "HyperlinkDesc1=Web:\r\nHyperlinkValue1=a\r\nHyperlinkValue2=b\r\n"
                                               "HyperlinkValue3=c\r\n",
                                 {"Web:"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AboutBoxTest, ExtraLinksStackUpwardInTheLinkColumn) {
    WriteAboutSettings("HyperlinkDesc1=Web:\r\nHyperlinkValue1=a\r\nHyperlinkValue2=b\r\nHyperlinkValue3=c\r\n");
    ui::frmAbout& about = Open();
    ASSERT_EQ(about.lblLink.Count(), 3);
    EXPECT_EQ(about.lblLinkDesc.Count(), 1);
    for (int i = 1; i <= 2; ++i)
        EXPECT_EQ(about.lblLink[i].Top(), about.lblLink[i - 1].Top() - about.lblLink[i - 1].Height());
}

TEST_F(AboutBoxTest, ConfiguredValuesAreCopiedIntoTheRegistry) {
    WriteAboutSettings("HyperlinkDesc1=Home\r\nHyperlinkValue1=http://quillo.example/\r\n"
                       "HyperLinkPopupHelp1=Visit us\r\nWarning1=Notice\r\n");
    Open();
    EXPECT_EQ(ProgramValue("HyperlinkDesc1"), "Home");
    EXPECT_EQ(ProgramValue("HyperlinkValue1"), "http://quillo.example/");
    EXPECT_EQ(ProgramValue("HyperLinkPopupHelp1"), "Visit us");
    EXPECT_EQ(ProgramValue("Warning1"), "Notice");
    EXPECT_EQ(ProgramValue("HyperlinkDesc2"), "<none>");
}

TEST_F(AboutBoxTest, ValuesOnceShippedKeepWorkingWithoutTheFile) {
    WriteAboutSettings("HyperlinkDesc1=Home\r\nHyperlinkValue1=http://quillo.example/\r\nWarning1=Notice\r\n");
    {
        ui::frmAbout first;
        first.Show(true);
        first.cmdOK.userClick();
    }
    WriteAboutSettings("");
    ui::frmAbout& about = Open();
    EXPECT_EQ(Captions(about.lblLinkDesc), Texts{"Home"});
    EXPECT_EQ(Captions(about.lblLink), Texts{"http://quillo.example/"});
    EXPECT_EQ(Captions(about.lblDescription), Texts{"Notice"});
}

TEST_F(AboutBoxTest, EveryOpeningReadsTheSettingsAgain) {
    WriteAboutSettings("HyperlinkDesc1=Old\r\n");
    {
        ui::frmAbout first;
        first.Show(true);
        first.cmdOK.userClick();
    }
    WriteAboutSettings("HyperlinkDesc1=New\r\n");
    EXPECT_EQ(Captions(Open().lblLinkDesc), Texts{"New"});
}

} // namespace
} // namespace qs::test
