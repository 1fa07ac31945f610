// Times the cross-fade of the real saver ("/S" with Fade_0=True) under Wine, beside the cut
// (the same show with the fade off) measured in the same run. Not a test.
//
//   fade_bench [runs (default 5)] [fade seconds (default 1)]
//
// Two pictures of one flat colour each (magenta, cyan), stretched over the screen, at Delay 2
// (longer for a fade beyond a second, so that each fade ends before the next change).
// The probe reads the screen's centre about every millisecond; during a fade each frame puts
// a new colour there, so the times between new colours are the frame intervals as the screen
// shows them (p50, p95, max over every fade of every run). Per change, the window thread's CPU
// (from /proc) from the still slide before it to the fade's length after it began (the
// drawing of the new slide, the fade's frames), the cut's over the same span.
// At the end of each run a key, pressed a third of the fade's length after a change began,
// timed to the show's window gone and to the end of the process: the key latency during a
// fade, against the same key the same time after a cut.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "e2e_driver.h"
#include "saver_process_probe.h"

namespace {
using namespace qs::e2e;
using namespace qs::bench;

constexpr COLORREF kColours[] = {RGB(255, 0, 255), RGB(0, 255, 255)};
constexpr int kChangesPerRun = 3; // then the key, at the next change
constexpr double kGoalP95Ms = 40, kGoalKeyMs = 50;

double Percentile(std::vector<double> v, double share) {
    if (v.empty()) return -1;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<std::size_t>(share * v.size()))];
}

COLORREF Centre() { return ScreenPixel(ScreenWidth() / 2, ScreenHeight() / 2); }
bool IsSlide(COLORREF c) { return c == kColours[0] || c == kColours[1]; }
COLORREF Other(COLORREF c) { return c == kColours[0] ? kColours[1] : kColours[0]; }

struct Figures {
    std::vector<double> intervals; // between new colours at the centre during the changes
    std::vector<double> changeMs;  // from the first new colour to the new slide whole
    std::vector<double> cpuMs;     // the window thread's per change, the fade's frames included
    std::vector<double> frames;    // new colours per change
    std::vector<double> keyGone, keyExit;
};

// Polls the centre until it shows something else than `from`: the time since `start`, or -1
// once the run has lasted a minute.
double WaitForChange(COLORREF from, Clock::time_point start) {
    while (MsSince(start) < 60000) {
        if (Centre() != from) return MsSince(start);
        Sleep(1);
    }
    return -1;
}

// One "/S" run: kChangesPerRun changes timed, then the key during the next one.
bool Run(RunFolder& run, const std::vector<std::string>& pictures, bool fade, int fadeMs, Figures& f) {
    // A delay that leaves the fade a second of still slide after it.
    const int delay = 2 + (fadeMs - 1) / 1000;
    std::vector<std::string> lines{"BGColor_0=0", "Delay_0=" + std::to_string(delay),
                                   fade ? "Fade_0=True" : "Fade_0=False",
                                   "FadeSeconds_0=" + std::to_string(fadeMs / 1000.0), "PictureCount_0=2"};
    for (int i = 1; i <= 2; ++i) {
        const std::string n = std::to_string(i);
        lines.insert(lines.end(), {"FileSpec_" + n + "=" + pictures[i - 1], "HStretch_" + n + "=True",
                                   "VStretch_" + n + "=True"});
    }
    run.WriteSettings(lines);
    SetCursorPos(0, 0);
    SaverProcess saver(run, "/S");
    HWND window = saver.WaitForWindow(kSaverCaption, kStartDeadline);
    if (!window || !WaitUntil([] { return IsSlide(Centre()); }, Ms(20000))) return false;
    const int pid = SaverUnixPid(run.Folder());
    const auto start = Clock::now();
    for (int change = 0; change <= kChangesPerRun; ++change) {
        const COLORREF from = Centre(), to = Other(from);
        if (!IsSlide(from)) return false;
        const double cpu0 = WindowThreadCpuMs(pid); // the show idles until the change
        const double began = WaitForChange(from, start);
        if (began < 0) return false;
        if (change == kChangesPerRun) {
            // The key, a third of the way into the fade (or as long after the cut).
            while (MsSince(start) < began + fadeMs / 3.0) Sleep(1);
            SetForegroundWindow(window);
            const auto pressed = Clock::now();
            PressKey(VK_SPACE);
            double gone = -1;
            while (saver.Running() && MsSince(pressed) < 10000) {
                if (gone < 0 && !(IsWindow(window) && IsWindowVisible(window))) gone = MsSince(pressed);
                Sleep(1);
            }
            f.keyExit.push_back(saver.Running() ? -1 : MsSince(pressed));
            f.keyGone.push_back(gone < 0 ? f.keyExit.back() : gone);
            return !saver.Running();
        }
        double last = began;
        int frames = 1;
        for (COLORREF shown = Centre(); shown != to && MsSince(start) < began + 5000; Sleep(1)) {
            const COLORREF now = Centre();
            if (now == shown) continue;
            const double at = MsSince(start);
            f.intervals.push_back(at - last);
            last = at, shown = now, ++frames;
        }
        f.changeMs.push_back(last - began);
        f.frames.push_back(frames);
        while (MsSince(start) < began + fadeMs) Sleep(1);
        f.cpuMs.push_back(WindowThreadCpuMs(pid) - cpu0);
    }
    return true;
}

double Mean(const std::vector<double>& v) {
    double sum = 0;
    for (double x : v) sum += x;
    return v.empty() ? -1 : sum / static_cast<double>(v.size());
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const int fadeMs = argc > 2 ? static_cast<int>(std::clamp(std::atof(argv[2]), 0.5, 3.0) * 1000) : 1000;
    RunFolder run;
    const std::vector<std::string> pictures{run.WriteSolidBitmap("magenta.bmp", 64, 48, kColours[0]),
                                            run.WriteSolidBitmap("cyan.bmp", 64, 48, kColours[1])};
    Figures fade, cut;
    for (int i = 0; i < runs; ++i) {
        if (!Run(run, pictures, true, fadeMs, fade) || !Run(run, pictures, false, fadeMs, cut)) {
            std::printf("fade_bench: FAILED: a show did not change its slides or end on the key\n");
            return 1;
        }
    }
    const double frames = Mean(fade.frames);
    std::printf("screen %d x %d; a %d ms fade beside the cut; %d runs, %zu fades\n", ScreenWidth(),
                ScreenHeight(), fadeMs, runs, fade.changeMs.size());
    std::printf("fade: frame interval p50 %5.1f  p95 %5.1f  max %5.1f ms; %4.1f frames a second   goal p95 <= %.0f\n",
                Percentile(fade.intervals, 0.5), Percentile(fade.intervals, 0.95), Percentile(fade.intervals, 1.0),
                frames > 1 ? (frames - 1) * 1000 / Mean(fade.changeMs) : 0.0, kGoalP95Ms);
    std::printf("fade: first new colour to the new slide whole %6.0f ms (median), %4.1f frames a change\n",
                Percentile(fade.changeMs, 0.5), frames);
    std::printf("window thread CPU per change: fade %6.1f ms (%.1f ms a frame)  cut %6.1f ms\n", Mean(fade.cpuMs),
                frames > 0 ? Mean(fade.cpuMs) / frames : 0.0, Mean(cut.cpuMs));
    std::printf("key latency: key to window gone   fade median %5.1f max %5.1f ms  cut median %5.1f max %5.1f ms"
                "   goal under %.0f\n",
                Percentile(fade.keyGone, 0.5), Percentile(fade.keyGone, 1.0), Percentile(cut.keyGone, 0.5),
                Percentile(cut.keyGone, 1.0), kGoalKeyMs);
    std::printf("key latency: key to process end   fade median %5.1f max %5.1f ms  cut median %5.1f max %5.1f ms\n",
                Percentile(fade.keyExit, 0.5), Percentile(fade.keyExit, 1.0), Percentile(cut.keyExit, 0.5),
                Percentile(cut.keyExit, 1.0));
    return 0;
}
