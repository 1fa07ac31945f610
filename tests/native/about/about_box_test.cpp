// Title, version, one configured link and notice, and Esc are proven on the real program.
#include <gtest/gtest.h>

#include <array>
#include <optional>

#include "support/memory_registry.h"
#include "support/toolkit_fixture.h"
#include "ui/about/about_box.h"

namespace qs::test {
namespace {

using Texts = std::vector<std::string>;
using Labels = tk::ControlArray<tk::Label>;

class AboutBoxTest : public ToolkitTest {
protected:
    ui::AboutBox& Open(const std::string& aboutLines) { // modal; with no modal hook the test drives it
        SetFile("[AboutDlg]\r\n" + aboutLines);
        about_ = std::make_unique<ui::AboutBox>();
        about_->Show(true);
        return *about_;
    }
    Texts Failures() {
        Texts asked;
        for (const auto& box : ui().messageBoxes()) asked.insert(asked.end(), {box.prompt, box.title});
        EXPECT_TRUE(about_->IsLoaded());
        return asked;
    }

    std::unique_ptr<ui::AboutBox> about_;
};

Texts Captions(const Labels& labels) {
    Texts out;
    for (int i = 0; i <= labels.UBound(); ++i) out.push_back(labels[i].Caption());
    return out;
}

// Each list runs up to its first empty value, or keeps its design element; links stack up, notices down.
TEST_F(AboutBoxTest, ListsHoldTheConfiguredTexts) {
    // Descriptions, links, notices ({}: as designed); gaps first, as the box copies what it reads to the registry.
    const std::pair<const char*, std::array<Texts, 3>> cases[] = {
        {"HyperlinkDesc2=Second\r\nHyperlinkValue1=a\r\nHyperlinkValue2=b\r\nWarning2=Late\r\n",
         {Texts{}, {"a", "b"}, {}}},
        {"HyperlinkDesc1=Home\r\nHyperlinkDesc2=Downloads:\r\nHyperlinkValue1=a\r\nHyperlinkValue2=b\r\n"
         "Warning1=First.\r\nWarning2=Second.\r\n", {Texts{"Home", "Downloads:"}, {"a", "b"}, {"First.", "Second."}}}};
    const ui::AboutBox design;
    const auto lists = {&ui::AboutBox::linkDescriptionLabels, &ui::AboutBox::linkLabels, &ui::AboutBox::noticeLabels};
    for (const auto& [lines, expected] : cases) {
        const ui::AboutBox& about = Open(lines);
        int l = 0;
        for (auto list : lists) {
            const Labels& shown = about.*list;
            EXPECT_EQ(Captions(shown), expected[l].empty() ? Captions(design.*list) : expected[l]) << lines;
            const float step = l++ == 2 ? 1 : -1; // notices stack downward
            for (int i = 1; i <= shown.UBound(); ++i)
                EXPECT_TRUE(shown[i].Visible() && shown[i].Top() == shown[i - 1].Top() + step * shown[i - 1].Height());
        }
    }
}

// Links come through the registry: values once shipped keep working after the settings file lost them.
TEST_F(AboutBoxTest, EachLinkOpensItsTargetAndShellResultsUpTo32AreFailures) {
    Open("HyperlinkValue1=http://a.example/\r\nHyperlinkValue2=http://b.example/\r\nHyperLinkPopupHelp2=Tip\r\n")
        .okButton.userClick();
    ui::AboutBox& about = Open("");
    EXPECT_EQ((Texts{about.linkLabels[0].ToolTipText(), about.linkLabels[1].ToolTipText()}), (Texts{"", "Tip"}));
    about.linkDescriptionLabels[0].userClick(); // a description opens nothing
    os.shell.openResult = 33;
    about.linkLabels[1].userClick();
    os.shell.openResult = 32;
    about.linkLabels[0].userClick();
    EXPECT_EQ((Texts{os.shell.openCalls.at(0).target, os.shell.openCalls.at(1).target}),
              (Texts{"http://b.example/", "http://a.example/"}));
    EXPECT_EQ(os.shell.openCalls[1].owner, about.hWnd());
    EXPECT_EQ(Failures(), (Texts{"Cannot Execute Browser ar This Time.", "Quillo Slide Show"}));
}

// "System Info..." takes the tool or its folder from MSINFO's PATH, else the folder from
// the shared tools' location, and starts the tool if it exists.
struct SysInfoCase {
    const char* name;
    std::optional<std::string> path, location;
    std::string candidate; // the path started if it exists; empty: none
    bool exists = true, startWorks = true;
};
class SysInfoTest : public AboutBoxTest, public ::testing::WithParamInterface<SysInfoCase> {};

TEST_P(SysInfoTest, FindsAndStartsTheToolOrSaysItIsUnavailable) {
    const SysInfoCase& c = GetParam();
    const auto put = [&](const std::string& key, const char* name, const std::string& text) {
        PutRegValue(os.registry, platform::kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools" + key, name,
                    platform::kRegSz, text + '\0');
    };
    if (c.path) put("\\MSINFO", "PATH", *c.path);
    if (c.location) put(" Location", "MSINFO", *c.location);
    if (c.exists) os.shell.existingFiles.insert(c.candidate);
    os.shell.startResult = c.startWorks;
    Open("").sysInfoButton.userClick();
    const bool starts = c.exists && !c.candidate.empty();
    EXPECT_EQ(os.shell.startedPrograms, starts ? Texts{c.candidate} : Texts{});
    const Texts failure = {"System Information Is Unavailable At This Time", "Quillo Slide Show"};
    EXPECT_EQ(Failures(), starts && c.startWorks ? Texts{} : failure);
}

INSTANTIATE_TEST_SUITE_P(
    Locations, SysInfoTest,
    ::testing::Values(SysInfoCase{"PathNamesTheToolInAnyCase", "C:\\T\\SysInfo.Exe", {}, "C:\\T\\SysInfo.Exe"},
                      SysInfoCase{"PathNamesTheFolder", "C:\\T", {}, "C:\\T\\MSINFO32.EXE"},
                      SysInfoCase{"ShortFolderName", "C:", {}, "C:\\MSINFO32.EXE"},
                      SysInfoCase{"LocationWhenPathIsMissing", {}, "D:\\L", "D:\\L\\MSINFO32.EXE"},
                      SysInfoCase{"PathWinsOverLocation", "C:\\T", "D:\\L", "C:\\T\\MSINFO32.EXE"},
                      SysInfoCase{"NeitherPlace", {}, {}, ""},
                      SysInfoCase{"NamedFileMissing", "C:\\T", {}, "C:\\T\\MSINFO32.EXE", false},
                      SysInfoCase{"StartFails", "C:\\T", {}, "C:\\T\\MSINFO32.EXE", true, false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace qs::test
