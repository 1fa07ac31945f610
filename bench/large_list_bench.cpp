// How long the real saver takes with a large slide list under Wine, against the same
// steps with three slides in the same run, so the difference is what the rows cost:
//   "/S"      from process creation until the first slide is on the screen;
//   "/C"      from process creation until the settings dialog shows (it has read the file);
//   editor    from the click on "&Edit Slides..." until the editor shows with every row in
//             its lists; then whether it stays responsive with that list: End selects the
//             last slide (until its position shows), and "&Up" moves it one row up.
//
//   large_list_bench [slides]      (default 100000; run under Wine with a display)
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
    double show = -1, start = -1, open = -1, end = -1, up = -1;
};

// The first slide of "/S": a red bitmap, centred.
double ShowOnce(const RunFolder& run) {
    SetCursorPos(0, 0);
    const auto launched = Clock::now();
    SaverProcess saver(run, "/S");
    const bool shown = WaitForScreenPixel(ScreenWidth() / 2, ScreenHeight() / 2, RGB(255, 0, 0), Ms{60000});
    const double ms = MsSince(launched);
    if (HWND window = FindTopLevel(kSaverCaption)) SetForegroundWindow(window);
    PressKey(VK_SPACE);
    saver.WaitForExit(Ms{60000});
    WaitUntil([] { return FindTopLevel(kSaverCaption) == nullptr; }, kExitDeadline);
    return shown ? ms : -1;
}

// One run of "/S", then one opening of the editor with its two steps.
Timings OpenOnce(int slides) {
    RunFolder run;
    const std::string red = run.WriteSolidBitmap("red.bmp", 320, 240, RGB(255, 0, 0));
    std::vector<std::string> lines = {"BGColor_0=0", "PictureCount_0=" + std::to_string(slides)};
    for (int i = 1; i <= slides; ++i) {
        const std::string n = std::to_string(i);
        lines.push_back("FileSpec_" + n + "=" +
                        (i == 1 ? red
                                : "C:\\Users\\Photos\\" + std::to_string(2000 + i % 20) + "\\Album " +
                                      std::to_string(i % 97) + "\\IMG_" + std::to_string(10000 + i) + ".jpg"));
        lines.push_back("Center_" + n + (i % 2 ? "=True" : "=False"));
    }
    run.WriteSettings(lines);
    Timings t;
    t.show = ShowOnce(run);
    run.WriteSettings(lines);  // as the show's end may have written it back
    const auto launched = Clock::now();
    SaverProcess saver(run, "/C");
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
    const int slides = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
    constexpr int kRounds = 3;
    std::vector<Timings> baseline, large;
    for (int round = 0; round < kRounds; ++round) {
        const Timings& b = baseline.emplace_back(OpenOnce(3));
        const Timings& l = large.emplace_back(OpenOnce(slides));
        std::printf("round %d: /S, /C, editor, End, Up: 3 slides %.0f, %.0f, %.0f, %.0f, %.0f ms; %d slides %.0f, "
                    "%.0f, %.0f, %.0f, %.0f ms\n",
                    round + 1, b.show, b.start, b.open, b.end, b.up, slides, l.show, l.start, l.open, l.end, l.up);
        std::fflush(stdout);
    }
    const char* steps[] = {"\"/S\" shows its first slide", "\"/C\" shows its dialog", "the editor opens",
                           "End selects the last slide", "Up moves it"};
    double Timings::*members[] = {&Timings::show, &Timings::start, &Timings::open, &Timings::end, &Timings::up};
    int failed = 0;
    for (int i = 0; i < 5; ++i) {
        const double l = Median(large, members[i]), b = Median(baseline, members[i]);
        failed += l < 0 || b < 0;
        std::printf("%-30s %6d slides %8.0f ms  baseline 3 slides %6.0f ms  ratio %6.2f  %s\n", steps[i], slides, l, b,
                    b > 0 ? l / b : 0.0, i < 3 ? (l >= 0 && l <= 1500.0 ? "goal 1500 ms: within" : "goal 1500 ms: OVER") : "");
    }
    if (failed) std::printf("a step did not finish within its deadline (-1 above)\n");
    return failed ? 1 : 0;
}
