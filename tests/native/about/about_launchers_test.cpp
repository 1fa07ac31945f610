// The about box's launchers: a clicked link goes to the shell, and "System Info..."
// finds the system-information tool through the registry. Failures are told to the
// user in a message box titled with the program's title; the dialog stays open.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "about_fixture.h"
#include "toolkit/application.h"

namespace qs::test {
namespace {

constexpr char kBrowserFailure[] = "Cannot Execute Browser ar This Time.";
constexpr char kNoSysInfo[] = "System Information Is Unavailable At This Time";
constexpr char kMsInfoKey[] = "Microsoft\\Shared Tools\\MSINFO";
constexpr char kLocationKey[] = "Microsoft\\Shared Tools Location";

class BrowserResultTest : public AboutBoxTest, public ::testing::WithParamInterface<std::intptr_t> {};

TEST_P(BrowserResultTest, ResultsUpTo32AreFailures) {
    WriteAboutSettings("HyperlinkValue1=http://quillo.example/\r\n");
    ui::frmAbout& about = Open();
    os.shell.openResult = GetParam();
    about.lblLink[0].userClick();

    ASSERT_EQ(os.shell.openCalls.size(), 1u);
    EXPECT_EQ(os.shell.openCalls[0].target, "http://quillo.example/");
    EXPECT_EQ(os.shell.openCalls[0].owner, about.hWnd());
    EXPECT_NE(about.hWnd(), 0u);
    if (GetParam() <= 32) {
        ASSERT_EQ(ui().messageBoxes().size(), 1u);
        const auto& box = ui().messageBoxes()[0];
        EXPECT_EQ(box.prompt, kBrowserFailure);
        EXPECT_EQ(box.flags, tk::vbOKOnly);
        EXPECT_EQ(box.title, "Quillo Slide Show");
    } else {
        EXPECT_TRUE(ui().messageBoxes().empty());
    }
    EXPECT_TRUE(about.IsLoaded());
}

INSTANTIATE_TEST_SUITE_P(Results, BrowserResultTest, ::testing::Values(0, 2, 31, 32, 33, 42));

TEST_F(AboutBoxTest, EachLinkOpensItsOwnTarget) {
    WriteAboutSettings("HyperlinkValue1=http://a.example/\r\nHyperlinkValue2=http://b.example/\r\n"
                       "HyperlinkValue3=http://c.example/\r\n");
    ui::frmAbout& about = Open();
    about.lblLink[2].userClick();
    about.lblLink[0].userClick();
    about.lblLink[1].userClick();
    ASSERT_EQ(os.shell.openCalls.size(), 3u);
    EXPECT_EQ(os.shell.openCalls[0].target, "http://c.example/");
    EXPECT_EQ(os.shell.openCalls[1].target, "http://a.example/");
    EXPECT_EQ(os.shell.openCalls[2].target, "http://b.example/");
}

TEST_F(AboutBoxTest, TheDesignLinkOpensTooAndDescriptionsDoNothing) {
    ui::frmAbout& about = Open();
    about.lblLinkDesc[0].userClick();
    EXPECT_TRUE(os.shell.openCalls.empty());
    about.lblLink[0].userClick();
    ASSERT_EQ(os.shell.openCalls.size(), 1u);
    EXPECT_EQ(os.shell.openCalls[0].target, about.lblLink[0].Caption());
}

struct SysInfoCase {
    const char* name;
    std::optional<std::string> msinfoPath;  // HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO, value PATH
    std::optional<std::string> location;    // HKLM\SOFTWARE\Microsoft\Shared Tools Location, value MSINFO
    std::vector<std::string> files;         // files that exist
    bool startWorks;
    std::vector<std::string> asked;         // the paths asked about, in order
    std::string started;                    // empty: nothing started, the message shown
    std::uint32_t pathType = platform::kRegSz;
};

class SysInfoTest : public AboutBoxTest, public ::testing::WithParamInterface<SysInfoCase> {};

TEST_P(SysInfoTest, FindsAndStartsTheToolOrSaysItIsUnavailable) {
    const SysInfoCase& c = GetParam();
    if (c.msinfoPath) SetMachineValue(kMsInfoKey, "PATH", *c.msinfoPath, c.pathType);
    if (c.location) SetMachineValue(kLocationKey, "MSINFO", *c.location);
    os.shell.existingFiles.insert(c.files.begin(), c.files.end());
    os.shell.startResult = c.startWorks;
    ui::frmAbout& about = Open();
    about.cmdSysInfo.userClick();

    EXPECT_EQ(os.shell.existsQueries, c.asked);
    if (!c.started.empty()) {
        ASSERT_FALSE(os.shell.startedPrograms.empty());
        EXPECT_EQ(os.shell.startedPrograms.back(), c.started);
        EXPECT_EQ(os.shell.startedPrograms.size(), 1u);
    }
    if (!c.started.empty() && c.startWorks) {
        EXPECT_TRUE(ui().messageBoxes().empty());
    } else {
        ASSERT_EQ(ui().messageBoxes().size(), 1u);
        const auto& box = ui().messageBoxes()[0];
        EXPECT_EQ(box.prompt, kNoSysInfo);
        EXPECT_EQ(box.flags, tk::vbOKOnly);
        EXPECT_EQ(box.title, "Quillo Slide Show");
        EXPECT_EQ(box.owner, "frmAbout");
    }
    EXPECT_TRUE(about.IsLoaded());
}

const std::string kTool = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe";
const std::string kFolder = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";
const std::string kInFolder = kFolder + "\\MSINFO32.EXE";

INSTANTIATE_TEST_SUITE_P(
    Locations, SysInfoTest,
    ::testing::Values(
        SysInfoCase{"PathNamesTheTool", kTool, std::nullopt, {kTool}, true, {kTool}, kTool},
        SysInfoCase{"PathInUpperCase", "C:\\TOOLS\\MSINFO32.EXE", std::nullopt, {"C:\\TOOLS\\MSINFO32.EXE"}, true,
                    {"C:\\TOOLS\\MSINFO32.EXE"}, "C:\\TOOLS\\MSINFO32.EXE"},
        SysInfoCase{"PathInMixedCase", "C:\\Tools\\SysInfo.Exe", std::nullopt, {"C:\\Tools\\SysInfo.Exe"}, true,
                    {"C:\\Tools\\SysInfo.Exe"}, "C:\\Tools\\SysInfo.Exe"},
        SysInfoCase{"PathNamesTheFolder", kFolder, std::nullopt, {kInFolder}, true, {kInFolder}, kInFolder},
        SysInfoCase{"LocationWhenPathIsMissing", std::nullopt, kFolder, {kInFolder}, true, {kInFolder}, kInFolder},
        SysInfoCase{"PathWinsOverLocation", kTool, "D:\\Elsewhere", {kTool}, true, {kTool}, kTool},
        SysInfoCase{"UnhandledPathTypeFallsBackToLocation", "%CommonProgramFiles%\\msinfo32.exe", kFolder,
                    {kInFolder}, true, {kInFolder}, kInFolder, platform::kRegExpandSz},
        SysInfoCase{"NeitherPlace", std::nullopt, std::nullopt, {kTool, kInFolder}, true, {}, ""},
        SysInfoCase{"NamedFileMissing", kTool, std::nullopt, {}, true, {kTool}, ""},
        SysInfoCase{"ShortFolderName", "C:", std::nullopt, {"C:\\MSINFO32.EXE"}, true, {"C:\\MSINFO32.EXE"},
                    "C:\\MSINFO32.EXE"},
        SysInfoCase{"StartFails", kTool, std::nullopt, {kTool}, false, {kTool}, kTool}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace qs::test
