// How the real saver copes with a folder entry of a large tree under Wine, against a list
// of three pictures in the same run (folder entries off), so the difference is what the
// tree costs:
//   "/S"   from process creation until the first slide is on the screen;
//   "/C"   from process creation until the settings dialog shows;
//   then, for each, the longest the window thread took to answer a message over ten
//   seconds while the tree is read (a WM_NULL sent every 10 ms, timed to its answer).
// The tree is made at run time: hard links to a small bitmap, in folders of 1000.
//
//   folder_tree_bench [pictures]      (default 100000; run under Wine with a display)
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "e2e_driver.h"

namespace {

using namespace qs::e2e;

struct Timings {
    double first = -1, stall = -1;
};

// The longest answer of the window to a message, over `span`.
double LongestStall(HWND window, Ms span) {
    double longest = 0;
    const auto start = Clock::now();
    while (Clock::now() - start < span) {
        const auto sent = Clock::now();
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result)) return -1;
        longest = std::max(longest, MsSince(sent));
        PumpFor(Ms{10});
    }
    return longest;
}

Timings Measure(const RunFolder& run, const std::string& mode) {
    SetCursorPos(0, 0);
    const auto launched = Clock::now();
    SaverProcess saver(run, mode);
    Timings t;
    HWND window = nullptr;
    if (mode == "/S") {
        if (!WaitForScreenPixel(ScreenWidth() / 2, ScreenHeight() / 2, kRed, Ms{60000})) return t;
        t.first = MsSince(launched);
        window = FindTopLevel(kSaverCaption);
    } else {
        window = saver.WaitForWindow(kSettingsCaption, Ms{60000}, "&OK");
        if (!window) return t;
        t.first = MsSince(launched);
    }
    if (window) t.stall = LongestStall(window, Ms{10000});
    if (mode == "/S") {
        SetForegroundWindow(window);
        PressKey(VK_SPACE);
    } else {
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    saver.WaitForExit(Ms{60000});
    return t;
}

} // namespace

int main(int argc, char** argv) {
    const int pictures = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
    RunFolder three, tree;
    std::vector<std::string> list = {"BGColor_0=0", "Delay_0=2", "PictureCount_0=3"};
    for (int i = 1; i <= 3; ++i) {
        const std::string n = std::to_string(i);
        list.push_back("FileSpec_" + n + "=" + three.WriteSolidBitmap("red" + n + ".bmp", 64, 48, kRed));
        list.push_back("Center_" + n + "=True");
    }
    const std::string one = tree.WriteSolidBitmap("one.bmp", 64, 48, kRed);
    const auto made = Clock::now();
    CreateDirectoryA(tree.PathOf("tree").c_str(), nullptr);
    std::string source; // a copy per folder: a file takes at most 65,000 links on some disks
    for (int i = 0; i < pictures; ++i) {
        const std::string folder = tree.PathOf("tree\\" + std::to_string(i / 1000));
        const std::string name = folder + "\\IMG_" + std::to_string(i) + ".bmp";
        const bool made = i % 1000 == 0 ? CreateDirectoryA(folder.c_str(), nullptr) &&
                                              CopyFileA(one.c_str(), (source = name).c_str(), TRUE)
                                        : CreateHardLinkA(name.c_str(), source.c_str(), nullptr);
        if (!made) {
            std::printf("the tree could not be made (picture %d)\n", i);
            return 1;
        }
    }
    std::printf("tree of %d pictures made in %.0f s\n", pictures, MsSince(made) / 1000);
    const std::vector<std::string> folderList = {"BGColor_0=0", "Delay_0=2", "FolderEntries_0=True",
                                                 "PictureCount_0=1", "FileSpec_1=" + tree.PathOf("tree"),
                                                 "Center_1=True"};
    constexpr int kRounds = 3;
    const char* modes[] = {"/S", "/C"};
    int failed = 0;
    for (const char* mode : modes) {
        std::vector<Timings> base, large;
        for (int round = 0; round < kRounds; ++round) {
            three.WriteSettings(list);
            tree.WriteSettings(folderList);
            base.push_back(Measure(three, mode));
            large.push_back(Measure(tree, mode));
            std::printf("round %d %s: 3 pictures %.0f ms, stall %.0f ms; tree %.0f ms, stall %.0f ms\n", round + 1,
                        mode, base.back().first, base.back().stall, large.back().first, large.back().stall);
            std::fflush(stdout);
        }
        for (double Timings::*step : {&Timings::first, &Timings::stall}) {
            const auto median = [&](std::vector<Timings> runs) {
                std::sort(runs.begin(), runs.end(), [&](const Timings& a, const Timings& b) { return a.*step < b.*step; });
                return runs[runs.size() / 2].*step;
            };
            const double l = median(large), b = median(base);
            const bool first = step == &Timings::first;
            const double goal = first ? 1500 : 50;
            failed += l < 0 || b < 0;
            std::printf("%s %-26s tree of %d %8.0f ms  baseline 3 pictures %6.0f ms  goal %4.0f ms: %s\n", mode,
                        first ? (mode == std::string("/S") ? "first slide" : "dialog shows") : "longest window stall",
                        pictures, l, b, goal, l >= 0 && l <= goal ? "within" : "OVER");
        }
    }
    return failed ? 1 : 0;
}
