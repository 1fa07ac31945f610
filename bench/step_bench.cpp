// Times the steps of a show steered by keys ("/S" with SteeringKeys_0=True) under Wine. Not a
// test: each figure is printed beside a baseline measured in the same run.
//
//   step_bench <big1.jpg> <big2.jpg> <small1.jpg> <small2.jpg>
//
// Two slides stretched over the screen, a photo with a magenta centre and one with a cyan
// centre (24-megapixel photos, against the same scenes at 640 x 427 as the baseline), at a
// delay long enough that only the keys change slides. Once the second slide has had time
// to be prepared, Right shows it (the next slide, prepared by the preparing thread), then
// Left shows the first again (the slide before, kept). Each figure is the time from the key
// to the new colour at the screen's centre, the median of five runs.
#include <algorithm>
#include <cstdio>

#include "e2e_driver.h"

namespace {
using namespace qs::e2e;

constexpr COLORREF kMagenta = RGB(255, 0, 255), kCyan = RGB(0, 255, 255);
constexpr Ms kPrepared{5000}; // time for a 24-megapixel photo to be decoded under Wine on a busy machine

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

COLORREF Centre() { return ScreenPixel(ScreenWidth() / 2, ScreenHeight() / 2); }

// A key, then the wait for the colour at the centre: milliseconds, or -1 after 10 s.
double KeyTo(WORD key, COLORREF colour) {
    const auto pressed = Clock::now();
    PressKey(key);
    while (!SameColour(Centre(), colour, 12))
        if (MsSince(pressed) > 10000) return -1;
    return MsSince(pressed);
}

struct Steps {
    double next = -1, back = -1;
};

Steps StepRun(RunFolder& run, const std::string& first, const std::string& second) {
    std::vector<std::string> lines{"BGColor_0=0", "Delay_0=1000", "SteeringKeys_0=True", "PictureCount_0=2"};
    const std::string paths[] = {first, second};
    for (std::size_t i = 0; i < 2; ++i) {
        const std::string n = std::to_string(i + 1);
        lines.insert(lines.end(),
                     {"FileSpec_" + n + "=" + paths[i], "HStretch_" + n + "=True", "VStretch_" + n + "=True"});
    }
    run.WriteSettings(lines);
    SetCursorPos(0, 0);
    SaverProcess saver(run, "/S");
    HWND window = saver.WaitForWindow(kSaverCaption, kStartDeadline);
    Steps steps;
    if (!window || !WaitUntil([] { return SameColour(Centre(), kMagenta, 12); }, Ms(20000))) return steps;
    SetForegroundWindow(window);
    PumpFor(kPrepared);
    steps.next = KeyTo(VK_RIGHT, kCyan);
    PumpFor(Ms(500));
    steps.back = KeyTo(VK_LEFT, kMagenta);
    PressKey('Q');
    saver.WaitForExit(kExitDeadline);
    return steps;
}

void Report(const char* what, double value, double baseline) {
    std::printf("%-44s %9.1f ms  baseline %9.1f ms  ratio %6.2f  goal under 50 ms\n", what, value, baseline,
                baseline > 0 ? value / baseline : 0.0);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: step_bench <big1.jpg> <big2.jpg> <small1.jpg> <small2.jpg>\n");
        return 2;
    }
    RunFolder run;
    std::vector<std::string> pictures;
    for (const char* name : {"big1.jpg", "big2.jpg", "small1.jpg", "small2.jpg"})
        pictures.push_back(run.CopyIn(WindowsPath(argv[1 + pictures.size()]), name));
    std::vector<double> bigNext, bigBack, smallNext, smallBack;
    for (int i = 0; i < 5; ++i) {
        const Steps big = StepRun(run, pictures[0], pictures[1]), small = StepRun(run, pictures[2], pictures[3]);
        if (big.next < 0 || big.back < 0 || small.next < 0 || small.back < 0) {
            std::printf("step_bench: FAILED: a step did not show its slide\n");
            return 1;
        }
        bigNext.push_back(big.next), bigBack.push_back(big.back);
        smallNext.push_back(small.next), smallBack.push_back(small.back);
    }
    std::printf("screen %d x %d; figure (24 MP photos) beside baseline (small pictures); 5 runs each, medians\n",
                ScreenWidth(), ScreenHeight());
    Report("step: Right to the next slide (prepared)", Median(bigNext), Median(smallNext));
    Report("step: Left to the slide before (kept)", Median(bigBack), Median(smallBack));
    return 0;
}
