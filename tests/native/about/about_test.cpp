// The about box, with the settings file and the registry (the values the box keeps and
// the tool locations it reads) in memory.
#include <gtest/gtest.h>

#include <optional>

#include "settings/registry_functions.h"
#include "support/toolkit_fixture.h"
#include "toolkit/application.h"
#include "ui/about/frm_about.h"

namespace qs::test {
namespace {

using Texts = std::vector<std::string>;

class AboutBoxTest : public ToolkitTest {
protected:
    void WriteAboutSettings(const std::string& lines) { SetFile("[AboutDlg]\r\n" + lines); }
    ui::frmAbout& Open() { // modal; with no modal hook the test drives it
        about_ = std::make_unique<ui::frmAbout>();
        about_->Show(true);
        return *about_;
    }
    void ExpectOneFailureBox(const std::string& prompt) {
        ASSERT_EQ(ui().messageBoxes().size(), 1u);
        const auto& box = ui().messageBoxes()[0];
        EXPECT_EQ(Texts({box.prompt, box.title, box.owner}), Texts({prompt, "Quillo Slide Show", "frmAbout"}));
        EXPECT_EQ(box.flags, tk::vbOKOnly);
        EXPECT_TRUE(about_->IsLoaded());
    }

    std::unique_ptr<ui::frmAbout> about_;
};

Texts Captions(const tk::ControlArray<tk::Label>& labels) {
    Texts out;
    for (int i = 0; i <= labels.UBound(); ++i) out.push_back(labels[i].Caption());
    return out;
}

TEST_F(AboutBoxTest, ShowsTitleAndVersionAndEveryWayClosesIt) {
    for (auto close : {+[](ui::frmAbout& a) { a.cmdOK.userClick(); }, +[](ui::frmAbout& a) { a.userClose(); },
                       +[](ui::frmAbout& a) { a.userKey(tk::vbKeyReturn, 0); },
                       +[](ui::frmAbout& a) { a.userKey(tk::vbKeyEscape, 0); }}) {
        ui::frmAbout& about = Open();
        EXPECT_EQ((Texts{about.Caption(), about.lblTitle.Caption(), about.lblVersion.Caption()}),
                  (Texts{"About Quillo Slide Show", "Quillo Slide Show", "Version 1.3.67"}));
        close(about);
        EXPECT_FALSE(about.IsLoaded());
    }
    EXPECT_EQ(ui().modalForms(), Texts(4, "frmAbout"));
    EXPECT_TRUE(ui().messageBoxes().empty());
}

// Each list runs up to its first empty value, or keeps its design element; links stack
// upward, notices downward.
struct ListCase {
    const char* name;
    const char* lines;
    Texts lists[3]; // descriptions, links, notices; empty: the design element
    Texts tips;
};
template <class Case>
class AboutBoxTestWith : public AboutBoxTest, public ::testing::WithParamInterface<Case> {};
using AboutListTest = AboutBoxTestWith<ListCase>;

TEST_P(AboutListTest, ListsHoldTheConfiguredTexts) {
    WriteAboutSettings(GetParam().lines);
    ui::frmAbout design;
    ui::frmAbout& about = Open();
    for (auto list : {&ui::frmAbout::lblLinkDesc, &ui::frmAbout::lblLink, &ui::frmAbout::lblDescription}) {
        const int l = list == &ui::frmAbout::lblLinkDesc ? 0 : list == &ui::frmAbout::lblLink ? 1 : 2;
        const Texts& expected = GetParam().lists[l];
        EXPECT_EQ(Captions(about.*list), expected.empty() ? Captions(design.*list) : expected) << "list " << l;
        for (int i = 1; i <= (about.*list).UBound(); ++i) {
            EXPECT_TRUE((about.*list)[i].Visible());
            EXPECT_EQ((about.*list)[i].Top(),
                      (about.*list)[i - 1].Top() + (l == 2 ? 1 : -1) * (about.*list)[i - 1].Height());
        }
    }
    for (std::size_t i = 0; i < GetParam().tips.size(); ++i)
        EXPECT_EQ(about.lblLink[int(i)].ToolTipText(), GetParam().tips[i]);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, AboutListTest,
    ::testing::Values(
        ListCase{"TwoLinks",
                 "HyperlinkDesc1=Home\r\nHyperlinkDesc2=Downloads:\r\nHyperlinkValue1=http://a.example/\r\n"
                 "HyperlinkValue2=http://b.example/\r\nHyperLinkPopupHelp2=Second\r\n",
                 {{"Home", "Downloads:"}, {"http://a.example/", "http://b.example/"}, {}},
                 {"", "Second"}},
        ListCase{"MoreLinksThanDescriptions",
                 "HyperlinkDesc1=Web:\r\nHyperlinkValue1=a\r\nHyperlinkValue2=b\r\nHyperlinkValue3=c\r\n",
                 {{"Web:"}, {"a", "b", "c"}, {}},
                 {"", "", ""}},
        ListCase{"ThreeNotices",
                 "Warning1=First.\r\nWarning2=Second.\r\nWarning3=Third.\r\n",
                 {{}, {}, {"First.", "Second.", "Third."}},
                 {}},
        ListCase{"AGapAtOne", "HyperlinkDesc2=Second\r\nHyperlinkValue2=b\r\nWarning2=Late\r\n", {}, {""}}),
    [](const auto& info) { return std::string(info.param.name); });

// Values read once are kept in the registry and serve when the file has lost them; the
// file is read again at every opening.
TEST_F(AboutBoxTest, ValuesOnceShippedKeepWorkingWithoutTheFile) {
    WriteAboutSettings("HyperlinkDesc1=Home\r\nHyperlinkValue1=http://quillo.example/\r\nWarning1=Notice\r\n");
    Open().cmdOK.userClick();
    WriteAboutSettings("HyperlinkDesc1=New\r\n");
    ui::frmAbout& about = Open();
    EXPECT_EQ((Texts{about.lblLinkDesc[0].Caption(), about.lblLink[0].Caption(), about.lblDescription[0].Caption()}),
              (Texts{"New", "http://quillo.example/", "Notice"}));
}

TEST_F(AboutBoxTest, EachLinkOpensItsTargetAndShellResultsUpTo32AreFailures) {
    WriteAboutSettings("HyperlinkValue1=http://a.example/\r\nHyperlinkValue2=http://b.example/\r\n");
    ui::frmAbout& about = Open();
    about.lblLinkDesc[0].userClick(); // a description opens nothing
    os.shell.openResult = 33;
    about.lblLink[1].userClick();
    EXPECT_TRUE(ui().messageBoxes().empty());
    os.shell.openResult = 32;
    about.lblLink[0].userClick();
    ASSERT_EQ(os.shell.openCalls.size(), 2u);
    EXPECT_EQ((Texts{os.shell.openCalls[0].target, os.shell.openCalls[1].target}),
              (Texts{"http://b.example/", "http://a.example/"}));
    EXPECT_NE(about.hWnd(), 0u);
    EXPECT_EQ(os.shell.openCalls[1].owner, about.hWnd());
    ExpectOneFailureBox("Cannot Execute Browser ar This Time.");
}

// "System Info..." takes the tool or its folder from MSINFO's PATH, else the folder from
// the shared tools' location, and starts the tool if it exists.
struct SysInfoCase {
    const char* name;
    std::optional<std::string> path, location;
    bool exists, startWorks;
    std::string candidate; // the one path asked about; empty: none
    std::uint32_t pathType = platform::kRegSz;
};
using SysInfoTest = AboutBoxTestWith<SysInfoCase>;

const std::string kFolder = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";
const std::string kTool = kFolder + "\\msinfo32.exe", kInFolder = kFolder + "\\MSINFO32.EXE";

TEST_P(SysInfoTest, FindsAndStartsTheToolOrSaysItIsUnavailable) {
    const SysInfoCase& c = GetParam();
    const std::string tools = "SOFTWARE\\Microsoft\\Shared Tools";
    const auto put = [&](const std::string& key, const char* name, std::uint32_t type, const std::string& text) {
        PutRegValue(os.registry, platform::kHkeyLocalMachine, tools + key, name, type, text + '\0');
    };
    if (c.path) put("\\MSINFO", "PATH", c.pathType, *c.path);
    if (c.location) put(" Location", "MSINFO", platform::kRegSz, *c.location);
    if (c.exists) os.shell.existingFiles.insert({kTool, kInFolder, c.candidate});
    os.shell.startResult = c.startWorks;
    Open().cmdSysInfo.userClick();
    EXPECT_EQ(os.shell.existsQueries, c.candidate.empty() ? Texts{} : Texts{c.candidate});
    const bool starts = c.exists && !c.candidate.empty();
    EXPECT_EQ(os.shell.startedPrograms, starts ? Texts{c.candidate} : Texts{});
    if (starts && c.startWorks) {
        EXPECT_TRUE(ui().messageBoxes().empty());
    } else {
        ExpectOneFailureBox("System Information Is Unavailable At This Time");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Locations, SysInfoTest,
    ::testing::Values(SysInfoCase{"PathNamesTheTool", kTool, std::nullopt, true, true, kTool},
                      SysInfoCase{"PathInMixedCase", "C:\\T\\SysInfo.Exe", std::nullopt, true, true,
                                  "C:\\T\\SysInfo.Exe"},
                      SysInfoCase{"PathNamesTheFolder", kFolder, std::nullopt, true, true, kInFolder},
                      SysInfoCase{"ShortFolderName", "C:", std::nullopt, true, true, "C:\\MSINFO32.EXE"},
                      SysInfoCase{"LocationWhenPathIsMissing", std::nullopt, kFolder, true, true, kInFolder},
                      SysInfoCase{"PathWinsOverLocation", kTool, "D:\\Elsewhere", true, true, kTool},
                      SysInfoCase{"UnhandledPathTypeFallsBackToLocation", "%CommonProgramFiles%\\msinfo32.exe", kFolder,
                                  true, true, kInFolder, platform::kRegExpandSz},
                      SysInfoCase{"NeitherPlace", std::nullopt, std::nullopt, true, true, ""},
                      SysInfoCase{"NamedFileMissing", kTool, std::nullopt, false, true, kTool},
                      SysInfoCase{"StartFails", kTool, std::nullopt, true, false, kTool}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace qs::test
