// 200 odd command lines against the real QuilloSlides.scr, four at a time: each run ends by itself or
// opens the window its switch names (and ends when that window is closed); none crashes.
#include <gtest/gtest.h>

#include "corpus_support.h"
#include "e2e_driver.h"

namespace qs::test::robustness {
namespace {

using namespace qs::e2e;

enum class Opens { Nothing, Settings, ShowOrNothing, PreviewOrNothing };

struct Case { std::string arguments; Opens opens; std::unique_ptr<SaverProcess> process; };

// What the switch (the first two characters after the blanks) asks for. A second "/S"
// beside a running one opens nothing, and "/P" shows only in a window that exists.
Opens SwitchOpens(const std::string& arguments) {
    std::string key = arguments.substr(std::min(arguments.size(), arguments.find_first_not_of(" \t")), 2);
    for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return key.empty() || key == "/C" ? Opens::Settings
           : key == "/S"              ? Opens::ShowOrNothing
           : key == "/P"              ? Opens::PreviewOrNothing
                                      : Opens::Nothing;
}

// The preview surface a run put into another process's window (named, or hit by a garbage number), or null.
HWND SurfaceOf(DWORD process) {
    for (HWND top = GetTopWindow(nullptr); top; top = GetWindow(top, GW_HWNDNEXT))
        if (ProcessOfWindow(top) != process)
            for (HWND child : Descendants(top))
                if (ProcessOfWindow(child) == process) return child;
    return nullptr;
}

TEST(CommandLineCorpus, EachRunEndsOrOpensTheWindowItsSwitchNamesAndNoneCrashes) {
    RunFolder run;
    const std::string red = run.WriteSolidBitmap("red.bmp", 64, 48, RGB(255, 0, 0));
    run.WriteSettings({"Delay_0=2", "PictureCount_0=1", "FileSpec_1=" + red});
    Host live = MakeHost();
    HWND dead = MakeHost().get(); // destroyed at once
    const std::string switches[] = {"/S", "/s", "/P", "/p", "/C", "/c", "/A", "/a", "-s", "S", "/", "/X", "", " \t/p"};
    const std::string handles[] = {HandleText(live.get()), HandleText(dead), "0", "-1", "4294967296", "1e9", "1D12",
                                   "99999999999999999999", "0x40", " 12 34 56 78 90", "-2147483648", "abc", ""};
    const std::string separators[] = {"", " ", ":", "\t", "  "};
    Random random(15);
    for (int batch = 0; batch < 50; ++batch) { // four runs at a time
        std::vector<Case> cases;
        while (cases.size() < 4) {
            std::string arguments = switches[random() % std::size(switches)];
            arguments += separators[random() % std::size(separators)] + handles[random() % std::size(handles)];
            const std::size_t tail = random() % 4 == 0 ? random() % 30000 : random() % 3 == 0 ? random() % 40 : 0;
            for (std::size_t i = 0; i < tail; ++i) arguments += static_cast<char>(i == 0 ? 'x' : 32 + random() % 95);
            cases.push_back({arguments, SwitchOpens(arguments), std::make_unique<SaverProcess>(run, arguments)});
        }
        for (const Case& c : cases) {
            SCOPED_TRACE(std::to_string(batch) + ": " + c.arguments.substr(0, 80));
            HWND opened = nullptr;
            const auto find = [&] {
                const char* caption = c.opens == Opens::Settings ? kSettingsCaption : kSaverCaption;
                opened = c.opens == Opens::PreviewOrNothing ? SurfaceOf(c.process->Id())
                         : c.opens == Opens::Nothing        ? nullptr
                                                            : c.process->WaitForWindow(caption, Ms(0));
                return opened != nullptr || !c.process->Running();
            };
            ASSERT_TRUE(WaitUntil(find, kStartDeadline)) << "neither ended nor opened its window";
            EXPECT_TRUE(opened || c.opens != Opens::Settings) << "the settings dialog never opened";
            if (opened) PostMessageA(opened, WM_CLOSE, 0, 0);
            ASSERT_TRUE(c.process->WaitForExit(kStartDeadline));
            EXPECT_EQ(c.process->ExitCode(), 0u);
        }
    }
}

} // namespace
} // namespace qs::test::robustness
