// A long run of the real QuilloSlides.scr full screen ("/S") under Wine: does the show keep
// what it takes? Not a test: each figure at the end is printed beside its baseline, the
// same figure after the first minute, when the caches and the decoders are warm.
//
//   soak_bench <big.jpg> <small.jpg> [minutes, default 10]
//
// The show alternates a 24-megapixel photo and a small picture at Delay 2, both stretched
// over the screen; each has a flat centre, magenta in the one and cyan in the other, by
// which the probe counts the slides shown.
//   Peak working set  the peak resident size (VmHWM) of the saver's process; goal: under
//                     2 MB of growth.
//   Working set       its resident size now (VmRSS).
//   Handles, GDI      the kernel handles and GDI objects it holds; goal: flat.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "e2e_driver.h"
#include "saver_process_probe.h"

namespace {
using namespace qs::e2e;
using namespace qs::bench;

struct Reading {
    double peakMb = -1, residentMb = -1;
    long handles = -1, gdiObjects = -1;
    int slides = 0;
};

Reading Read(int unixPid, HANDLE process, int slides) {
    return {StatusMb(unixPid, "VmHWM"), StatusMb(unixPid, "VmRSS"), HandleCount(process), GdiObjectCount(process),
            slides};
}

void Report(const char* what, double value, double baseline, const char* unit, const char* goal) {
    std::printf("%-44s %9.1f %-3s baseline %9.1f %-3s growth %+8.1f %-3s %s\n", what, value, unit, baseline, unit,
                value - baseline, unit, goal);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: soak_bench <big.jpg> <small.jpg> [minutes]\n");
        return 2;
    }
    const int minutes = argc > 3 ? std::max(2, std::atoi(argv[3])) : 10;
    RunFolder run;
    const std::string big = run.CopyIn(WindowsPath(argv[1]), "big.jpg"),
                      small = run.CopyIn(WindowsPath(argv[2]), "small.jpg");
    run.WriteSettings({"BGColor_0=" + std::to_string(RGB(0, 0, 96)), "Delay_0=2", "PictureCount_0=2",
                       "FileSpec_1=" + big, "HStretch_1=True", "VStretch_1=True", "FileSpec_2=" + small,
                       "HStretch_2=True", "VStretch_2=True"});
    SetCursorPos(0, 0);
    SaverProcess saver(run, "/S");
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, saver.Id());
    HWND window = saver.WaitForWindow(kSaverCaption, kStartDeadline);
    int unixPid = 0;
    WaitUntil([&] { return (unixPid = SaverUnixPid(run.Folder())) != 0; }, kStartDeadline);
    if (!process || !window || !unixPid) {
        std::printf("soak_bench: FAILED: the saver did not start\n");
        return 1;
    }
    std::printf("screen %d x %d; %d minutes at Delay 2, a 24 MP photo and a small picture in turn; figure at the end "
                "beside baseline (after the first minute)\n",
                ScreenWidth(), ScreenHeight(), minutes);
    std::fflush(stdout);

    // Counts the slide changes at the screen's centre until `until`, about every 50 ms.
    int slides = 0, shown = -1;
    const auto start = Clock::now();
    const auto watchUntil = [&](Clock::time_point until) {
        while (Clock::now() < until && saver.Running()) {
            const COLORREF centre = ScreenPixel(ScreenWidth() / 2, ScreenHeight() / 2);
            const int now = SameColour(centre, RGB(255, 0, 255), 12) ? 0 : SameColour(centre, RGB(0, 255, 255), 12) ? 1 : -1;
            if (now >= 0 && now != shown) ++slides, shown = now;
            Sleep(50);
        }
    };
    watchUntil(start + std::chrono::minutes(1));
    const Reading first = Read(unixPid, process, slides);
    for (int minute = 2; minute <= minutes && saver.Running(); ++minute) {
        watchUntil(start + std::chrono::minutes(minute));
        const Reading now = Read(unixPid, process, slides);
        std::printf("  minute %2d: peak %.1f MB, resident %.1f MB, %ld handles, %ld GDI objects, %d slides\n", minute,
                    now.peakMb, now.residentMb, now.handles, now.gdiObjects, now.slides);
        std::fflush(stdout);
    }
    if (!saver.Running()) {
        std::printf("soak_bench: FAILED: the saver ended during the run\n");
        return 1;
    }
    const Reading last = Read(unixPid, process, slides);
    Report("peak working set (VmHWM)", last.peakMb, first.peakMb, "MB", "goal: growth under 2 MB");
    Report("working set (VmRSS)", last.residentMb, first.residentMb, "MB", "");
    Report("handles", static_cast<double>(last.handles), static_cast<double>(first.handles), "", "goal: flat");
    Report("GDI objects", static_cast<double>(last.gdiObjects), static_cast<double>(first.gdiObjects), "",
           "goal: flat");
    Report("slides shown", last.slides, first.slides, "", "");
    SetForegroundWindow(window);
    PressKey(VK_SPACE);
    const bool ended = saver.WaitForExit(kExitDeadline);
    CloseHandle(process);
    if (!ended) {
        std::printf("soak_bench: FAILED: the saver did not end on a key\n");
        return 1;
    }
    return 0;
}
