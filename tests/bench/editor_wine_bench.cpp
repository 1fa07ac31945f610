// How long the real editor takes to open a large slide list under Wine: from the click
// on "&Edit Slides..." in the settings dialog until the editor shows with every row in
// its name list. The start of "/C" until the settings dialog shows, which reads the file,
// is timed apart. Then whether it stays responsive with that list: End selects the last
// slide (until its position shows), and "&Up" moves it one row up. The baseline of the
// same run is the same path with three slides, so the difference is what the rows cost.
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

// The name list: the widest list box of the editor.
HWND NameList(HWND editor) {
    HWND names = nullptr;
    LONG widest = -1;
    for (HWND w : Descendants(editor)) {
        if (lstrcmpiA(ClassOf(w).c_str(), "ListBox") != 0) continue;
        const RECT r = ScreenRect(w);
        if (r.right - r.left > widest) widest = r.right - r.left, names = w;
    }
    return names;
}

bool ShowsLabel(HWND editor, const std::string& text) { return FindChild(editor, "Static", text) != nullptr; }

// Milliseconds of one timed step, negative when it did not finish within the deadline.
template <typename Act, typename Done>
double Timed(Act act, Done done) {
    const auto start = Clock::now();
    act();
    if (!WaitUntil(done, Ms{60000})) return -1;
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Timings {
    double start = -1, open = -1, end = -1, up = -1;
};

// One opening of the editor with its two steps.
Timings OpenOnce(int slides) {
    RunFolder run;
    std::vector<std::string> lines = {"PictureCount_0=" + std::to_string(slides)};
    for (int i = 1; i <= slides; ++i) {
        const std::string n = std::to_string(i);
        lines.push_back("FileSpec_" + n + "=C:\\Users\\Photos\\" + std::to_string(2000 + i % 20) + "\\Album " +
                        std::to_string(i % 97) + "\\IMG_" + std::to_string(10000 + i) + ".jpg");
        lines.push_back("Center_" + n + (i % 2 ? "=True" : "=False"));
    }
    run.WriteSettings(lines);
    const auto launched = Clock::now();
    SaverProcess saver(run, "/C");
    Timings t;
    HWND settings = saver.WaitForWindow(kSettingsCaption, kStartDeadline);
    if (!settings) return t;
    HWND edit = nullptr;
    if (!WaitUntil([&] { return (edit = FindChild(settings, "Button", "&Edit Slides...")) && IsWindowVisible(edit); },
                   Ms{60000}))
        return t;
    // The settings dialog has read the whole file when it shows: the start is timed apart.
    t.start = std::chrono::duration<double, std::milli>(Clock::now() - launched).count();
    HWND editor = nullptr;
    t.open = Timed([&] { ClickCentre(edit); },
                   [&] {
                       if (!editor) editor = FindTopLevel("Edit Slide Show");
                       return editor && IsWindowVisible(editor) && EditorRows(editor) == slides;
                   });
    HWND names = editor ? NameList(editor) : nullptr;
    const std::string count = std::to_string(slides);
    if (t.open >= 0 && names) {
        // A click on the second row selects it and gives the name list the focus (the
        // first row's slide shows from the start, so selecting it changes nothing).
        const int height = static_cast<int>(SendMessageA(names, LB_GETITEMHEIGHT, 0, 0));
        POINT p{40, height + height / 2};
        ClientToScreen(names, &p);
        ClickAt(p.x, p.y);
        if (WaitUntil([&] { return ShowsLabel(editor, "(2/" + count + ")"); }, Ms{10000})) {
            t.end = Timed([] { PressKey(VK_END); }, [&] { return ShowsLabel(editor, "(" + count + "/" + count + ")"); });
            HWND up = FindChild(editor, "Button", "&Up");
            const std::string above = "(" + std::to_string(slides - 1) + "/" + count + ")";
            if (t.end >= 0 && up) t.up = Timed([&] { ClickCentre(up); }, [&] { return ShowsLabel(editor, above); });
        }
    }
    saver.Kill();
    return t;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int slides = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;
    constexpr int kRounds = 3;
    std::vector<Timings> baseline, large;
    for (int round = 0; round < kRounds; ++round) {
        baseline.push_back(OpenOnce(3));
        large.push_back(OpenOnce(slides));
        const Timings& b = baseline.back();
        const Timings& l = large.back();
        std::printf("round %d: start / open / End / Up: 3 slides %.0f / %.0f / %.0f / %.0f ms, %d slides %.0f / %.0f / "
                    "%.0f / %.0f ms\n",
                    round + 1, b.start, b.open, b.end, b.up, slides, l.start, l.open, l.end, l.up);
        std::fflush(stdout);
    }
    auto median = [](const std::vector<Timings>& runs, double Timings::*step) {
        std::vector<double> v;
        for (const Timings& t : runs) v.push_back(t.*step);
        return Median(v);
    };
    const double b = median(baseline, &Timings::open), l = median(large, &Timings::open);
    const double bEnd = median(baseline, &Timings::end), lEnd = median(large, &Timings::end);
    const double bUp = median(baseline, &Timings::up), lUp = median(large, &Timings::up);
    if (b < 0 || l < 0 || bEnd < 0 || lEnd < 0 || bUp < 0 || lUp < 0) {
        std::printf("the editor did not open or answer within the deadline\n");
        return 1;
    }
    std::printf("editor opens %d slides in %.0f ms (median of %d); 3 slides take %.0f ms; the rows cost %.0f ms; "
                "budget 1000 ms: %s\n",
                slides, l, kRounds, b, l - b, l < 1000.0 ? "within" : "OVER");
    std::printf("the settings dialog (\"/C\", reading the file) shows in %.0f ms with %d slides, %.0f ms with 3\n",
                median(large, &Timings::start), slides, median(baseline, &Timings::start));
    std::printf("with %d slides End selects the last in %.0f ms (3 slides: %.0f ms), Up moves it in %.0f ms "
                "(3 slides: %.0f ms)\n",
                slides, lEnd, bEnd, lUp, bUp);
    return 0;
}
