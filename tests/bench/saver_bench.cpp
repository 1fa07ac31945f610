// Times the real QuilloSlides.scr under Wine (or Windows). Not a test: it prints figures,
// each beside a baseline measured in the same run, and the ratio of the two.
//
//   saver_bench <big.jpg> <small.jpg> [idle seconds]
//
// 1. Start to first slide: "/S" with a small bitmap, from process creation until the
//    picture is on the screen; baseline: the same program started with a switch that
//    opens nothing, until it has ended (what starting any Wine process costs).
// 2. A 24-megapixel JPEG stretched over the screen: start to first slide; baseline: the
//    same scene as a small JPEG. Both pictures have a flat magenta centre.
// 3. CPU used while the show idles between slides (Delay 1000) over the idle span;
//    baseline: Wine's notepad, idle for the same span at the same time.
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
    const bool shown = WaitForScreenPixel(ScreenWidth() / 2, ScreenHeight() / 2, colour, Ms(60000), 12);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
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

double CpuSeconds(HANDLE process) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
    auto seconds = [](FILETIME t) {
        return ((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

void Report(const char* what, double value, const char* unit, double baseline) {
    std::printf("%-44s %10.1f %-4s baseline %10.1f %-4s ratio %6.2f\n", what, value, unit, baseline, unit,
                baseline > 0 ? value / baseline : 0.0);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: saver_bench <big.jpg> <small.jpg> [idle seconds]\n");
        return 2;
    }
    const int idleSeconds = argc > 3 ? std::max(5, std::atoi(argv[3])) : 60;
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

    // 3. CPU while idle.
    {
        RunFolder run;
        const std::string red = run.WriteSolidBitmap("red.bmp", 320, 240, kRed);
        run.WriteSettings({"BGColor_0=0", "Delay_0=1000", "PictureCount_0=1", "FileSpec_1=" + red, "Center_1=True"});
        SetCursorPos(0, 0);
        SaverProcess saver(run, "/S");
        WaitForScreenPixel(ScreenWidth() / 2, ScreenHeight() / 2, kRed, Ms(60000), 12);

        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWMINNOACTIVE;
        PROCESS_INFORMATION notepad{};
        char commandLine[] = "notepad.exe";
        const bool haveNotepad =
            CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &notepad);
        if (haveNotepad) WaitForInputIdle(notepad.hProcess, 20000);

        HANDLE saverProcess = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, saver.Id());
        const double saverBefore = CpuSeconds(saverProcess);
        const double notepadBefore = haveNotepad ? CpuSeconds(notepad.hProcess) : 0;
        PumpFor(Ms(idleSeconds * 1000));
        const double saverCpu = CpuSeconds(saverProcess) - saverBefore;
        const double notepadCpu = haveNotepad ? CpuSeconds(notepad.hProcess) - notepadBefore : 0;
        CloseHandle(saverProcess);
        std::printf("idle span %d s (%.0f ticks of the 400 ms timer)\n", idleSeconds, idleSeconds / 0.4);
        Report("idle CPU per minute (ms)", saverCpu * 1000 * 60 / idleSeconds, "ms",
               notepadCpu * 1000 * 60 / idleSeconds);
        if (haveNotepad) {
            TerminateProcess(notepad.hProcess, 0);
            CloseHandle(notepad.hProcess);
            CloseHandle(notepad.hThread);
        }
        PressKey(VK_SPACE);
        saver.WaitForExit(kExitDeadline);
    }
    return 0;
}
