// How long the real editor takes to open a large slide list under Wine: from the click
// on "&Edit Slides..." in the settings dialog until the editor shows with every row in
// its name list. The baseline of the same run is the same path with three slides, so
// the difference is what the rows cost.
//
//   editor_wine_bench [slides]      (default 10000; run under Wine with a display)
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "e2e_driver.h"

namespace {

using namespace qs::e2e;
using Clock = std::chrono::steady_clock;

// The largest row count of the editor's list boxes (the name list and its columns
// always hold the same number).
int EditorRows(HWND editor) {
    int rows = -1;
    for (HWND w : Descendants(editor))
        if (lstrcmpiA(ClassOf(w).c_str(), "ListBox") == 0) rows = std::max(rows, RowCount(w));
    return rows;
}

// One opening: milliseconds from the click to the complete editor, or a negative value
// when it did not come within the deadline.
double OpenOnce(int slides) {
    RunFolder run;
    std::vector<std::string> lines = {"PictureCount_0=" + std::to_string(slides)};
    for (int i = 1; i <= slides; ++i) {
        const std::string n = std::to_string(i);
        lines.push_back("FileSpec_" + n + "=C:\\Users\\Photos\\" + std::to_string(2000 + i % 20) + "\\Album " +
                        std::to_string(i % 97) + "\\IMG_" + std::to_string(10000 + i) + ".jpg");
        lines.push_back("Center_" + n + (i % 2 ? "=True" : "=False"));
    }
    run.WriteSettings(lines);
    SaverProcess saver(run, "/C");
    HWND settings = saver.WaitForWindow(kSettingsCaption, kStartDeadline);
    if (!settings) return -1;
    HWND edit = nullptr;
    if (!WaitUntil([&] { return (edit = FindChild(settings, "Button", "&Edit Slides...")) != nullptr; }, Ms{10000}))
        return -1;
    // The settings dialog has read the whole file when it shows; only the editor is timed.
    const auto start = Clock::now();
    ClickCentre(edit);
    HWND editor = nullptr;
    const bool shown = WaitUntil(
        [&] {
            if (!editor) editor = FindTopLevel("Edit Slide Show");
            return editor && IsWindowVisible(editor) && EditorRows(editor) == slides;
        },
        Ms{60000});
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    saver.Kill();
    return shown ? ms : -1;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int slides = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;
    constexpr int kRounds = 3;
    std::vector<double> baseline, large;
    for (int round = 0; round < kRounds; ++round) {
        baseline.push_back(OpenOnce(3));
        large.push_back(OpenOnce(slides));
        std::printf("round %d: 3 slides %.0f ms, %d slides %.0f ms\n", round + 1, baseline.back(), slides,
                    large.back());
        std::fflush(stdout);
    }
    const double b = Median(baseline), l = Median(large);
    if (b < 0 || l < 0) {
        std::printf("the editor did not open within the deadline\n");
        return 1;
    }
    std::printf("editor opens %d slides in %.0f ms (median of %d); 3 slides take %.0f ms; the rows cost %.0f ms; "
                "budget 1000 ms: %s\n",
                slides, l, kRounds, b, l - b, l < 1000.0 ? "within" : "OVER");
    return 0;
}
