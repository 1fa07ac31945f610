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
#include <algorithm>
#include <cstdio>

#include "e2e_driver.h"

namespace {
using namespace qs::e2e;

constexpr int kRepeats = 5;

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Milliseconds from starting "/S" until the screen's centre shows the colour; -1 on failure.
double StartToFirstSlide(RunFolder& run, COLORREF colour) {
    SetCursorPos(0, 0);
    const auto start = Clock::now();
    SaverProcess saver(run, "/S");
    HWND window = saver.WaitForWindow(kSaverCaption, Ms(60000));
    const bool shown = WaitForScreenPixel(ScreenWidth() / 2, ScreenHeight() / 2, colour, Ms(60000), 12);
    const double ms = MsSince(start);
    if (window) SetForegroundWindow(window);  // the key must reach the saver
    PressKey(VK_SPACE);
    saver.WaitForExit(kExitDeadline);
    // The next run must not see this one's picture.
    WaitUntil([] { return FindTopLevel(kSaverCaption) == nullptr; }, kExitDeadline);
    return shown ? ms : -1;
}

void Report(const char* what, double value, double baseline) {
    std::printf("%-44s %10.1f %-4s baseline %10.1f %-4s ratio %6.2f\n", what, value, "ms", baseline, "ms",
                baseline > 0 ? value / baseline : 0.0);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: saver_bench <big.jpg> <small.jpg>\n");
        return 2;
    }
    std::printf("screen %d x %d, %d runs each, medians\n", ScreenWidth(), ScreenHeight(), kRepeats);
    RunFolder run;
    const std::string red = run.WriteSolidBitmap("red.bmp", 320, 240, RGB(255, 0, 0));
    const std::string big = run.CopyIn(WindowsPath(argv[1]), "big.jpg");
    const std::string small = run.CopyIn(WindowsPath(argv[2]), "small.jpg");
    std::vector<double> slide, bare, bigMs, smallMs;
    // 1. Start to first slide.
    run.WriteSettings({"BGColor_0=0", "Delay_0=1000", "PictureCount_0=1", "FileSpec_1=" + red, "Center_1=True"});
    for (int i = 0; i < kRepeats; ++i) {
        const auto start = Clock::now();
        SaverProcess nothing(run, "/X");
        nothing.WaitForExit(Ms(60000));
        bare.push_back(MsSince(start));
        slide.push_back(StartToFirstSlide(run, RGB(255, 0, 0)));
    }
    Report("start to first slide (ms)", Median(slide), Median(bare));
    // 2. A 24-megapixel JPEG against a small one.
    for (int i = 0; i < kRepeats; ++i) {
        for (const auto& [path, out] : {std::pair{small, &smallMs}, std::pair{big, &bigMs}}) {
            run.WriteSettings({"BGColor_0=0", "Delay_0=1000", "PictureCount_0=1", "FileSpec_1=" + path,
                               "HStretch_1=True", "VStretch_1=True"});
            out->push_back(StartToFirstSlide(run, RGB(255, 0, 255)));
        }
    }
    Report("24 MP JPEG start to first slide (ms)", Median(bigMs), Median(smallMs));
    Report("  its cost over the small JPEG's (ms)", Median(bigMs) - Median(smallMs), Median(smallMs));
    return 0;
}
