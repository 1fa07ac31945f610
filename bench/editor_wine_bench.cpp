// How long the real editor takes to open a large slide list under Wine: from the click
// on "&Edit Slides..." in the settings dialog until the editor shows with every row in
// its lists. The start of "/C" until the settings dialog shows, which reads the file,
// is timed apart. Then whether it stays responsive with that list: End selects the last
// slide (until its position shows), and "&Up" moves it one row up. The baseline of the
// same run is the same path with three slides, so the difference is what the rows cost.
//
//   editor_wine_bench [slides]      (default 10000; run under Wine with a display)
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "e2e_driver.h"

namespace {

using namespace qs::e2e;

// Milliseconds of one timed step, negative when it did not finish within the deadline.
template <typename Act>
double Timed(Act act, const std::function<bool()>& done) {
    const auto start = Clock::now();
    act();
    return WaitUntil(done, Ms{60000}) ? MsSince(start) : -1;
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
    HWND settings = saver.WaitForWindow(kSettingsCaption, kStartDeadline), edit = nullptr;
    if (!settings || !WaitUntil([&] { return (edit = FindChild(settings, "Button", "&Edit Slides...")) &&
                                             IsWindowVisible(edit); }, Ms{60000}))
        return t;
    // The settings dialog has read the whole file when it shows: the start is timed apart.
    t.start = MsSince(launched);
    HWND editor = nullptr;
    std::vector<HWND> lists;
    t.open = Timed([&] { ClickCentre(edit); }, [&] {
        if (!editor) editor = FindTopLevel("Edit Slide Show");
        lists = editor && IsWindowVisible(editor) ? EditorLists(editor) : std::vector<HWND>{};
        const auto full = [&](HWND list) { return RowCount(list) == slides; };
        return lists.size() == 4 && std::all_of(lists.begin(), lists.end(), full);
    });
    const std::string count = std::to_string(slides);
    const auto shows = [&](int row) {
        const std::string number = std::to_string(row);
        return [&, label = "(" + number + "/" + count + ")"] { return ShowsLabel(editor, label); };
    };
    // A click on the second row selects it and gives the name list the focus (the first
    // row's slide shows from the start, so selecting it changes nothing).
    const auto clickSecondRow = [&] { ClickAt(RowPoint(lists[0], 1, 40).x, RowPoint(lists[0], 1, 40).y); };
    if (t.open >= 0 && Timed(clickSecondRow, shows(2)) >= 0) {
        t.end = Timed([] { PressKey(VK_END); }, shows(slides));
        if (t.end >= 0) t.up = Timed([&] { ClickButton(editor, "&Up"); }, shows(slides - 1));
    }
    return t;  // the saver ends with its object
}

double Median(std::vector<Timings> runs, double Timings::*step) {
    std::sort(runs.begin(), runs.end(), [&](const Timings& a, const Timings& b) { return a.*step < b.*step; });
    return runs[runs.size() / 2].*step;
}

} // namespace

int main(int argc, char** argv) {
    const int slides = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;
    constexpr int kRounds = 3;
    std::vector<Timings> baseline, large;
    for (int round = 0; round < kRounds; ++round) {
        const Timings& b = baseline.emplace_back(OpenOnce(3));
        const Timings& l = large.emplace_back(OpenOnce(slides));
        std::printf("round %d: start / open / End / Up: 3 slides %.0f / %.0f / %.0f / %.0f ms, %d slides %.0f / %.0f / "
                    "%.0f / %.0f ms\n",
                    round + 1, b.start, b.open, b.end, b.up, slides, l.start, l.open, l.end, l.up);
        std::fflush(stdout);
    }
    const double b = Median(baseline, &Timings::open), l = Median(large, &Timings::open);
    const double bEnd = Median(baseline, &Timings::end), lEnd = Median(large, &Timings::end);
    const double bUp = Median(baseline, &Timings::up), lUp = Median(large, &Timings::up);
    if (b < 0 || l < 0 || bEnd < 0 || lEnd < 0 || bUp < 0 || lUp < 0) {
        std::printf("the editor did not open or answer within the deadline\n");
        return 1;
    }
    std::printf("editor opens %d slides in %.0f ms (median of %d); 3 slides take %.0f ms; the rows cost %.0f ms; "
                "budget 1000 ms: %s\n",
                slides, l, kRounds, b, l - b, l < 1000.0 ? "within" : "OVER");
    std::printf("the settings dialog (\"/C\", reading the file) shows in %.0f ms with %d slides, %.0f ms with 3\n",
                Median(large, &Timings::start), slides, Median(baseline, &Timings::start));
    std::printf("with %d slides End selects the last in %.0f ms (3 slides: %.0f ms), Up moves it in %.0f ms "
                "(3 slides: %.0f ms)\n",
                slides, lEnd, bEnd, lUp, bUp);
    return 0;
}
