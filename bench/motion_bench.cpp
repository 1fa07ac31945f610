// Times the fade and the pan and zoom of the real saver ("/S") under Wine, each beside the cut
// (the same show with every effect off) measured in the same run. Not a test.
//
//   motion_bench [runs (default 3)] [fade seconds (default 1)]
//
// Each run shows four shows in turn: the cut, the fade, the pan and zoom, and both. Two pictures
// of the screen's size, stretched over it, at Delay 3: fine ramps of red and green (three levels
// a pixel) that any movement changes, the first with no blue and the second with full blue, so
// that the blue at the centre tells the slides apart and, between them, a fade's progress.
// The probe reads a strip of 64 x 4 pixels at the centre about every millisecond: each time it
// changes, the screen has shown a new frame. It times those frames during each fade (from the
// first new blue to the second slide's blue) and through the middle of each slide's time on show
// (a quarter to three quarters of the delay after its change, the drift's fastest part), with
// the window thread's CPU and the whole process's over that middle span. At the end of each
// show a key, pressed a third of the fade's length after a change began, timed to the show's
// window gone and to the end of the process.
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

constexpr int kDelaySeconds = 3, kChangesPerShow = 3; // then the key, at the next change
constexpr double kGoalP95Ms = 40, kGoalKeyMs = 50;

struct Effect {
    const char* name;
    bool fade, pan;
};
constexpr Effect kEffects[] = {{"cut", false, false}, {"fade", true, false}, {"pan", false, true},
                               {"fade+pan", true, true}};

double Percentile(std::vector<double> v, double share) {
    if (v.empty()) return -1;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<std::size_t>(share * v.size()))];
}

double Mean(const std::vector<double>& v) {
    double sum = 0;
    for (double x : v) sum += x;
    return v.empty() ? -1 : sum / static_cast<double>(v.size());
}

std::vector<std::uint32_t> Strip() {
    const int x = ScreenWidth() / 2, y = ScreenHeight() / 2;
    return ScreenPixels(RECT{x - 32, y - 2, x + 32, y + 2});
}
int Blue(const std::vector<std::uint32_t>& strip) { return strip.empty() ? -1 : static_cast<int>(strip[0] & 0xFF); }

struct Figures {
    std::vector<double> fadeIntervals, driftIntervals; // between new frames
    std::vector<double> driftSpanMs, driftFrames;      // per middle span
    std::vector<double> windowCpuPerSecond, processCpuPerSecond; // over the middle spans
    std::vector<double> keyGone, keyExit;
};

// New frames until `until` ms after `start` (or until `done` says so): their intervals.
template <class Done>
void Frames(Clock::time_point start, double until, std::vector<double>& intervals, Done done) {
    std::vector<std::uint32_t> shown = Strip();
    double last = MsSince(start);
    while (MsSince(start) < until) {
        const std::vector<std::uint32_t> now = Strip();
        if (now != shown) {
            const double at = MsSince(start);
            intervals.push_back(at - last);
            last = at, shown = now;
            if (done(now)) return;
        }
        Sleep(1);
    }
}

bool Run(RunFolder& run, const std::vector<std::string>& pictures, const Effect& effect, int fadeMs, Figures& f) {
    const auto flag = [](bool on) { return std::string(on ? "True" : "False"); };
    std::vector<std::string> lines{"BGColor_0=0", "Delay_0=" + std::to_string(kDelaySeconds), "Fade_0=" + flag(effect.fade),
                                   "FadeSeconds_0=" + std::to_string(fadeMs / 1000.0), "PanZoom_0=" + flag(effect.pan),
                                   "PictureCount_0=2"};
    for (int i = 1; i <= 2; ++i) {
        const std::string n = std::to_string(i);
        lines.insert(lines.end(), {"FileSpec_" + n + "=" + pictures[i - 1], "HStretch_" + n + "=True",
                                   "VStretch_" + n + "=True"});
    }
    run.WriteSettings(lines);
    SetCursorPos(0, 0);
    SaverProcess saver(run, "/S");
    HWND window = saver.WaitForWindow(kSaverCaption, kStartDeadline);
    const auto still = [](int blue) { return blue == 0 || blue == 255; };
    if (!window || !WaitUntil([&] { return still(Blue(Strip())); }, Ms(20000))) return false;
    const int pid = SaverUnixPid(run.Folder());
    const auto start = Clock::now();
    for (int change = 0; change <= kChangesPerShow; ++change) {
        const int from = Blue(Strip()), to = 255 - from;
        if (!still(from)) return false;
        while (Blue(Strip()) == from && MsSince(start) < 60000) Sleep(1);
        const double began = MsSince(start);
        if (began >= 60000) return false;
        if (change == kChangesPerShow) {
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
        std::vector<double> fade;
        Frames(start, began + fadeMs + 2000, fade, [&](const std::vector<std::uint32_t>& s) { return Blue(s) == to; });
        if (effect.fade) f.fadeIntervals.insert(f.fadeIntervals.end(), fade.begin(), fade.end());
        // The middle of the slide's time on show.
        while (MsSince(start) < began + kDelaySeconds * 250.0) Sleep(1);
        const double from0 = MsSince(start), window0 = WindowThreadCpuMs(pid), process0 = ProcessCpuMs(pid);
        std::vector<double> drift;
        Frames(start, began + kDelaySeconds * 750.0, drift, [](const std::vector<std::uint32_t>&) { return false; });
        const double span = MsSince(start) - from0;
        f.windowCpuPerSecond.push_back((WindowThreadCpuMs(pid) - window0) * 1000 / span);
        f.processCpuPerSecond.push_back((ProcessCpuMs(pid) - process0) * 1000 / span);
        if (effect.pan) {
            f.driftIntervals.insert(f.driftIntervals.end(), drift.begin(), drift.end());
            f.driftSpanMs.push_back(span);
            f.driftFrames.push_back(static_cast<double>(drift.size()));
        }
    }
    return true;
}

void Intervals(const char* what, const std::vector<double>& v) {
    std::printf("  %s frame interval p50 %5.1f  p95 %5.1f  max %5.1f ms (%zu frames)   goal p95 <= %.0f\n", what,
                Percentile(v, 0.5), Percentile(v, 0.95), Percentile(v, 1.0), v.size(), kGoalP95Ms);
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const int fadeMs = argc > 2 ? static_cast<int>(std::clamp(std::atof(argv[2]), 0.5, 3.0) * 1000) : 1000;
    RunFolder run;
    const int w = ScreenWidth(), h = ScreenHeight();
    std::vector<std::string> pictures;
    for (int blue : {0, 255})
        pictures.push_back(run.WriteBitmap("ramp" + std::to_string(blue) + ".bmp", w, h, [blue](int x, int y) {
            return RGB(x * 3 & 0xFF, y * 3 & 0xFF, blue);
        }));
    Figures figures[std::size(kEffects)];
    for (int i = 0; i < runs; ++i) {
        for (std::size_t e = 0; e < std::size(kEffects); ++e) {
            if (!Run(run, pictures, kEffects[e], fadeMs, figures[e])) {
                std::printf("motion_bench: FAILED: the %s show did not change its slides or end on the key\n",
                            kEffects[e].name);
                return 1;
            }
        }
    }
    std::printf("screen %d x %d; Delay %d, a %d ms fade; %d runs of %d changes each, beside the cut\n", w, h,
                kDelaySeconds, fadeMs, runs, kChangesPerShow);
    for (std::size_t e = 0; e < std::size(kEffects); ++e) {
        const Figures& f = figures[e];
        std::printf("%s:\n", kEffects[e].name);
        if (kEffects[e].fade) Intervals("fade: ", f.fadeIntervals);
        if (kEffects[e].pan) {
            Intervals("drift:", f.driftIntervals);
            double frames = 0, ms = 0;
            for (std::size_t i = 0; i < f.driftFrames.size(); ++i) frames += f.driftFrames[i], ms += f.driftSpanMs[i];
            std::printf("  drift: %4.1f frames a second\n", ms > 0 ? frames * 1000 / ms : 0.0);
        }
        std::printf("  CPU in the middle of a slide: window thread %5.1f ms/s, whole process %5.1f ms/s\n",
                    Mean(f.windowCpuPerSecond), Mean(f.processCpuPerSecond));
        std::printf("  key latency: to window gone median %5.1f max %5.1f ms, to process end median %5.1f max %5.1f ms"
                    "   goal under %.0f\n",
                    Percentile(f.keyGone, 0.5), Percentile(f.keyGone, 1.0), Percentile(f.keyExit, 0.5),
                    Percentile(f.keyExit, 1.0), kGoalKeyMs);
    }
    return 0;
}
