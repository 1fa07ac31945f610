// Times the real QuilloSlides.scr under Wine (or Windows). Not a test: it prints figures,
// each beside a baseline measured in the same run, and the ratio of the two.
//
//   saver_bench <big.jpg> <small.jpg>
//
// 1. Start to first slide: "/S" with a small bitmap, from process creation until the
//    picture is on the screen; baseline: the same program started with a switch that
//    opens nothing, until it has ended (what starting any Wine process costs).
// 2. A 24-megapixel JPEG stretched over the screen: start to first slide; baseline: the
//    same scene as a small JPEG. Both pictures have a flat magenta centre.
// The CPU used while the show idles is measured by run_bench.sh from /proc: Wine does not
// report another process's CPU times through GetProcessTimes.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "e2e_driver.h"

namespace {
using namespace qs::e2e;
using Clock = std::chrono::steady_clock;

constexpr char kCaption[] = "Quillo ScrSav Main Form";
constexpr int kRepeats = 5;
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Milliseconds from starting "/S" until the screen's centre shows the colour; -1 on failure.
double StartToFirstSlide(RunFolder& run, COLORREF colour) {
    SetCursorPos(0, 0);
    const auto start = Clock::now();
    SaverProcess saver(run, "/S");
    HWND window = saver.WaitForWindow(kCaption, Ms(60000));
    const bool shown = WaitForScreenPixel(ScreenWidth() / 2, ScreenHeight() / 2, colour, Ms(60000), 12);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (window) SetForegroundWindow(window); // the key must reach the saver
    PressKey(VK_SPACE);
    saver.WaitForExit(kExitDeadline);
    // The next run must not see this one's picture.
    WaitUntil([] { return FindTopLevel(kCaption) == nullptr; }, kExitDeadline);
    return shown ? ms : -1;
}

double StartToExit(RunFolder& run) {
    const auto start = Clock::now();
    SaverProcess nothing(run, "/X");
    nothing.WaitForExit(Ms(60000));
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void Report(const char* what, double value, const char* unit, double baseline) {
    std::printf("%-44s %10.1f %-4s baseline %10.1f %-4s ratio %6.2f\n", what, value, unit, baseline, unit,
                baseline > 0 ? value / baseline : 0.0);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: saver_bench <big.jpg> <small.jpg>\n");
        return 2;
    }
    std::printf("screen %d x %d, %d runs each, medians\n", ScreenWidth(), ScreenHeight(), kRepeats);

    // 1. Start to first slide.
    {
        RunFolder run;
        const std::string red = run.WriteSolidBitmap("red.bmp", 320, 240, kRed);
        run.WriteSettings({"BGColor_0=0", "Delay_0=1000", "PictureCount_0=1", "FileSpec_1=" + red, "Center_1=True"});
        std::vector<double> slide, bare;
        for (int i = 0; i < kRepeats; ++i) {
            bare.push_back(StartToExit(run));
            slide.push_back(StartToFirstSlide(run, kRed));
        }
        Report("start to first slide (ms)", Median(slide), "ms", Median(bare));
    }

    // 2. A 24-megapixel JPEG against a small one.
    {
        RunFolder run;
        const std::string big = run.CopyIn(WindowsPath(argv[1]), "big.jpg");
        const std::string small = run.CopyIn(WindowsPath(argv[2]), "small.jpg");
        std::vector<double> bigMs, smallMs;
        for (int i = 0; i < kRepeats; ++i) {
            for (const auto& [path, out] : {std::pair{small, &smallMs}, std::pair{big, &bigMs}}) {
                run.WriteSettings({"BGColor_0=0", "Delay_0=1000", "PictureCount_0=1", "FileSpec_1=" + path,
                                   "HStretch_1=True", "VStretch_1=True"});
                out->push_back(StartToFirstSlide(run, kMagenta));
            }
        }
        Report("24 MP JPEG start to first slide (ms)", Median(bigMs), "ms", Median(smallMs));
        Report("  its cost over the small JPEG's (ms)", Median(bigMs) - Median(smallMs), "ms", Median(smallMs));
    }

    return 0;
}
