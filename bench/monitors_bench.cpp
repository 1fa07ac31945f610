// Times the real QuilloSlides.scr full screen ("/S") on two monitors under Wine, with the
// option to show on every monitor. Not a test: each figure is printed beside a baseline
// measured in the same run, with their ratio. Run on a display with a second screen
// smaller than the primary (Xvfb puts both heads at the origin): the second monitor's
// window is raised above the primary's to be sampled at its centre, while the primary's
// centre lies beyond it.
//
//   monitors_bench <big1.jpg> <big2.jpg> <small1.jpg> <small2.jpg>
//
// The pictures are those of saver_bench (magenta centre in the first, cyan in the second),
// stretched, in list order: the primary shows the first, the second monitor the second.
//   First slide    process creation to the first slide on the primary, and on the second
//                  monitor, the option on, against the primary's with the option off.
//   Memory         the peak resident size (VmHWM) of the saver's process once both have
//                  shown, the option on, against the option off.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "e2e_driver.h"
#include "saver_process_probe.h"

namespace {
using namespace qs::e2e;
using namespace qs::bench;

constexpr int kRepeats = 3;
constexpr COLORREF kBackground = RGB(0, 0, 96);
constexpr COLORREF kSlideColours[] = {RGB(255, 0, 255), RGB(0, 255, 255)};


struct Monitors {
    RECT primary{}, second{};
};

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM found) {
    MONITORINFO info{sizeof info, {}, {}, 0};
    GetMonitorInfoA(monitor, &info);
    auto& m = *reinterpret_cast<Monitors*>(found);
    (info.dwFlags & MONITORINFOF_PRIMARY ? m.primary : m.second) = info.rcMonitor;
    return TRUE;
}

bool Shows(POINT at, COLORREF colour) { return SameColour(ScreenPixel(at.x, at.y), colour, 12); }

struct Run {
    double primaryMs = -1, secondMs = -1, peakMb = -1;
};

Run OneRun(RunFolder& run, const Monitors& m, bool everyMonitor, const std::vector<std::string>& pictures) {
    SetCursorPos(m.primary.right - 1, m.primary.bottom - 1);
    std::vector<std::string> lines = {"BGColor_0=" + std::to_string(kBackground), "Delay_0=1000",
                                      everyMonitor ? "EveryMonitor_0=True" : "", "PictureCount_0=2"};
    for (int i = 1; i <= 2; ++i) {
        const std::string n = std::to_string(i);
        lines.insert(lines.end(), {"FileSpec_" + n + "=" + pictures[i - 1], "HStretch_" + n + "=True",
                                   "VStretch_" + n + "=True"});
    }
    run.WriteSettings(lines);
    const POINT primary{(m.primary.left + m.primary.right) / 2, (m.primary.top + m.primary.bottom) / 2};
    const POINT second{(m.second.left + m.second.right) / 2, (m.second.top + m.second.bottom) / 2};
    // The last run's slides gone from the screen first.
    WaitUntil([&] { return !Shows(primary, kSlideColours[0]) && !Shows(second, kSlideColours[1]); }, Ms(10000));
    const auto start = Clock::now();
    SaverProcess saver(run, "/S");
    Run r;
    HWND raised = nullptr;
    while (MsSince(start) < 60000 && saver.Running() && (r.primaryMs < 0 || (everyMonitor && r.secondMs < 0))) {
        for (HWND w : raised ? std::vector<HWND>{} : saver.TopLevelWindows()) {
            RECT at{};
            GetWindowRect(w, &at);
            if (IsWindowVisible(w) && EqualRect(&at, &m.second)) raised = w;
        }
        if (raised && r.secondMs < 0)
            SetWindowPos(raised, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (r.primaryMs < 0 && Shows(primary, kSlideColours[0])) r.primaryMs = MsSince(start);
        if (r.secondMs < 0 && raised && Shows(second, kSlideColours[1])) r.secondMs = MsSince(start);
        Sleep(4);
    }
    PumpFor(Ms(1000));
    r.peakMb = StatusMb(SaverUnixPid(run.Folder()), "VmHWM");
    if (HWND show = FindTopLevel(kSaverCaption)) SetForegroundWindow(show);
    PressKey(VK_SPACE);
    saver.WaitForExit(kExitDeadline);
    return r;
}

void Report(const char* what, double value, double baseline, const char* unit) {
    std::printf("%-52s %9.1f %-3s baseline %9.1f %-3s ratio %6.2f\n", what, value, unit, baseline, unit,
                baseline > 0 ? value / baseline : 0.0);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: monitors_bench <big1.jpg> <big2.jpg> <small1.jpg> <small2.jpg>\n");
        return 2;
    }
    Monitors m;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&m));
    if (m.second.right <= m.second.left || m.second.right >= (m.primary.left + m.primary.right) / 2) {
        std::printf("monitors_bench: FAILED: no second monitor smaller than half the primary's width\n");
        return 1;
    }
    RunFolder run;
    std::printf("primary %ld x %ld, second %ld x %ld; the option on beside the option off; medians of %d runs\n",
                m.primary.right - m.primary.left, m.primary.bottom - m.primary.top, m.second.right - m.second.left,
                m.second.bottom - m.second.top, kRepeats);
    for (int size = 0; size < 2; ++size) {
        const char* name = size == 0 ? "small" : "big";
        std::vector<std::string> pictures;
        for (int i = 0; i < 2; ++i)
            pictures.push_back(run.CopyIn(WindowsPath(argv[1 + 2 * (1 - size) + i]),
                                          name + std::to_string(i + 1) + ".jpg"));
        std::vector<double> onPrimary, onSecond, off, onMb, offMb;
        for (int i = 0; i < kRepeats; ++i) {
            const Run on = OneRun(run, m, true, pictures), without = OneRun(run, m, false, pictures);
            onPrimary.push_back(on.primaryMs);
            onSecond.push_back(on.secondMs);
            off.push_back(without.primaryMs);
            onMb.push_back(on.peakMb);
            offMb.push_back(without.peakMb);
        }
        std::printf("== %s\n", size == 0 ? "small pictures (640 x 427)" : "24 MP photos");
        Report("first slide on the primary, every monitor", Median(onPrimary), Median(off), "ms");
        Report("first slide on the second monitor, every monitor", Median(onSecond), Median(off), "ms");
        Report("memory: peak resident (VmHWM), every monitor", Median(onMb), Median(offMb), "MB");
    }
    return 0;
}
