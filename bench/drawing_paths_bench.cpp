// Times the ways of drawing a cross-fade and a slow pan and zoom on a borderless full-screen
// window under Wine. Not a test: each path's figures are printed beside a cut (one BitBlt,
// no animation) measured in the same run.
//
//   drawing_paths_bench [seconds per path (default 3)] [ticks a second (default 60)]
//
// Each path animates for the given time, paced at 60 (or 30) ticks a second by a waitable timer
// waited on with MsgWaitForMultipleObjects (messages are handled while it waits; a tick
// that is missed is skipped, not caught up). Per path: the time between presented frames
// (successive completed blits; p50, p95, max), the window thread's CPU per frame and per
// second, the process's CPU per frame (workers included), and the wait of a key: another
// thread posts WM_KEYDOWN every 150-250 ms and the handler notes how long it waited.
// Before the paths, what the three ways of pacing give here: WM_TIMER, MsgWait's timeout
// and the waitable timer, asked for a tick at the same pace.
#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "drawing/paths.h"

namespace {
using namespace bench;

double kTickMs = 1000.0 / 60; // set from the command line
constexpr double kGoalP95Ms = 40, kGoalKeyMs = 50;

double Now() {
    static const double perMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return frequency.QuadPart / 1000.0;
    }();
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return count.QuadPart / perMs;
}

double Percentile(std::vector<double> values, double share) {
    if (values.empty()) return -1;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<std::size_t>(share * values.size()))];
}

std::vector<double> Intervals(const std::vector<double>& times) {
    std::vector<double> gaps;
    for (std::size_t i = 1; i < times.size(); ++i) gaps.push_back(times[i] - times[i - 1]);
    return gaps;
}

double CpuMs(const FILETIME& kernel, const FILETIME& user) {
    const auto ticks = [](const FILETIME& f) { return (static_cast<ULONGLONG>(f.dwHighDateTime) << 32) | f.dwLowDateTime; };
    return (ticks(kernel) + ticks(user)) / 10000.0;
}
double ThreadCpuMs() {
    FILETIME created, ended, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &ended, &kernel, &user);
    return CpuMs(kernel, user);
}
double ProcessCpuMs() {
    FILETIME created, ended, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
    return CpuMs(kernel, user);
}

// The key probe's side: when the last key was posted (0: none waiting) and what each waited.
std::atomic<double> keyPosted{0};
std::vector<double> keyWaits;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
        if (const double posted = keyPosted.exchange(0); posted != 0) keyWaits.push_back(Now() - posted);
        return 0;
    case WM_PAINT:
        ValidateRect(window, nullptr); // every path draws the whole window on its own
        return 0;
    case WM_TIMER:
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

// Posts a key every 150-250 ms (so that it falls at every phase of a frame) until stopped.
class KeyProbe {
public:
    explicit KeyProbe(HWND window) : window_(window) {
        thread_ = KernelHandle(CreateThread(nullptr, 0, &KeyProbe::Main, this, 0, nullptr));
    }
    ~KeyProbe() {
        stop_ = true;
        WaitForSingleObject(thread_.get(), INFINITE);
    }

private:
    static DWORD WINAPI Main(void* self) {
        auto& probe = *static_cast<KeyProbe*>(self);
        for (int i = 0; !probe.stop_; ++i) {
            Sleep(150 + (i * 37) % 100);
            if (keyPosted.load() != 0) continue; // the last one is still waiting
            keyPosted = Now();
            PostMessageW(probe.window_, WM_KEYDOWN, VK_SPACE, 0x00390001);
        }
        return 0;
    }
    HWND window_;
    std::atomic<bool> stop_{false};
    KernelHandle thread_;
};

// Waits until `deadline` (ms on Now's clock) on a waitable timer, handling messages meanwhile.
class Pacer {
public:
    Pacer() {
        // High resolution where the system has it (Windows 10 1803 on); plain otherwise.
        timer_ = KernelHandle(CreateWaitableTimerExW(nullptr, nullptr, 0x2 /* HIGH_RESOLUTION */, TIMER_ALL_ACCESS));
        highResolution_ = static_cast<bool>(timer_);
        if (!timer_) timer_ = KernelHandle(CreateWaitableTimerW(nullptr, TRUE, nullptr));
    }
    bool HighResolution() const { return highResolution_; }
    void WaitUntil(double deadline) {
        LARGE_INTEGER due;
        due.QuadPart = -static_cast<LONGLONG>(std::max(0.0, deadline - Now()) * 10000);
        SetWaitableTimer(timer_.get(), &due, 0, nullptr, nullptr, FALSE);
        WaitPumping(timer_.get());
    }

private:
    KernelHandle timer_;
    bool highResolution_ = false;
};

struct Figures {
    std::vector<double> frames; // when each frame's blit completed
    double seconds = 0, threadCpu = 0, processCpu = 0;
    std::vector<double> keys;
    std::string trouble;
};

Figures Animate(DrawingPath& path, HWND window, double seconds) {
    Figures figures;
    Pacer pacer;
    keyWaits.clear();
    const double thread0 = ThreadCpuMs(), process0 = ProcessCpuMs();
    const double start = Now(), length = seconds * 1000;
    {
        KeyProbe probe(window);
        for (double now = start; now - start < length; now = Now()) {
            const double tick = std::floor((now - start) / kTickMs) + 1;
            const double t = (now - start) / length, next = std::min(1.0, tick * kTickMs / length);
            if (path.Present(std::min(1.0, t), next)) {
                GdiFlush();
                figures.frames.push_back(Now());
            }
            pacer.WaitUntil(start + std::floor((Now() - start) / kTickMs + 1) * kTickMs);
        }
    }
    figures.seconds = (Now() - start) / 1000;
    figures.threadCpu = ThreadCpuMs() - thread0;
    figures.processCpu = ProcessCpuMs() - process0;
    PumpMessages();
    figures.keys = keyWaits;
    figures.trouble = path.Trouble();
    return figures;
}

// What each way of pacing gives: p50, p95 and max of 60 intervals of one tick.
void ReportPacing(HWND window) {
    const auto report = [](const char* name, const std::vector<double>& times) {
        const auto gaps = Intervals(times);
        std::printf("pacing %-40s asked %5.1f ms  got p50 %5.1f  p95 %5.1f  max %5.1f ms\n", name, kTickMs,
                    Percentile(gaps, 0.5), Percentile(gaps, 0.95), Percentile(gaps, 1.0));
    };
    std::vector<double> times;
    SetTimer(window, 1, static_cast<UINT>(kTickMs), nullptr);
    MSG message;
    while (times.size() < 61 && GetMessageW(&message, nullptr, 0, 0)) {
        if (message.message == WM_TIMER) times.push_back(Now());
        DispatchMessageW(&message);
    }
    KillTimer(window, 1);
    report("WM_TIMER (SetTimer, whole ms)", times);

    times.assign(1, Now());
    while (times.size() < 61) {
        const double deadline = times.front() + times.size() * kTickMs;
        const double left = deadline - Now();
        if (left <= 0 || MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left), QS_ALLINPUT) ==
                             WAIT_TIMEOUT)
            times.push_back(Now());
        else
            PumpMessages();
    }
    report("MsgWaitForMultipleObjects timeout", times);

    Pacer pacer;
    times.assign(1, Now());
    while (times.size() < 61) {
        pacer.WaitUntil(times.front() + times.size() * kTickMs);
        times.push_back(Now());
    }
    report(pacer.HighResolution() ? "waitable timer (high resolution)" : "waitable timer (plain)", times);
}

// The stepping StretchBlt brings to a slow pan: its source rectangle is whole pixels. Over a
// slide of 10 s at 30 frames a second, how far the source's corner and width move from one
// frame to the next, against the fraction of a pixel that the bilinear path moves each time.
void ReportStepping(const Scene& scene) {
    constexpr int kFrames = 300;
    int still = 0, moved = 0, widthSteps[3] = {0, 0, 0};
    double exact = 0;
    for (int i = 1; i <= kFrames; ++i) {
        const PanView a = scene.ToView((i - 1.0) / kFrames), b = scene.ToView(double(i) / kFrames);
        exact += std::abs(b.x - a.x) / kFrames;
        (std::lround(a.x) == std::lround(b.x) ? still : moved) += 1;
        const long w = std::labs(std::lround(scene.width * b.scale) - std::lround(scene.width * a.scale));
        ++widthSteps[std::min(2L, w)];
    }
    std::printf("stepping of a 10 s pan at 30 fps: the view's corner moves %.2f px a frame; StretchBlt's "
                "moves 0 px in %d frames and a whole px in %d; its width 0/1/2+ px in %d/%d/%d\n",
                exact, still, moved, widthSteps[0], widthSteps[1], widthSteps[2]);
}

// The fixed-point pan against bilinear sampling in floating point, over a grid of points of
// one frame: the largest difference in any channel, in levels of 255.
int PanError(const Scene& scene) {
    Dib frame(scene.width, scene.height);
    std::vector<std::uint32_t> scratch;
    const double t = 0.37;
    RenderRows(scene, Effect::Pan, t, 1, frame.View(), 0, scene.height, scratch);
    int worst = 0;
    for (int y = 0; y < scene.height; y += 37)
        for (int x = 0; x < scene.width; x += 41) {
            const std::uint32_t got = frame.View().Row(y)[x], want = BilinearAt(scene.toLarge.View(), scene.ToView(t), x, y);
            for (int shift = 0; shift <= 16; shift += 8)
                worst = std::max(worst, std::abs(int((got >> shift) & 0xFF) - int((want >> shift) & 0xFF)));
        }
    return worst;
}

std::string LoadAverage() {
    char text[64] = "unknown";
    if (FILE* file = std::fopen("Z:\\proc\\loadavg", "r")) {
        if (!std::fgets(text, sizeof text, file)) text[0] = 0;
        std::fclose(file);
    }
    std::string load(text);
    while (!load.empty() && load.back() == '\n') load.pop_back();
    return load;
}

void PrintFigures(const std::string& name, const Figures& f, const Figures& cut) {
    const auto gaps = Intervals(f.frames);
    const double frames = static_cast<double>(std::max<std::size_t>(f.frames.size(), 1));
    const double p95 = Percentile(gaps, 0.95), keyMax = Percentile(f.keys, 1.0);
    if (gaps.empty()) { // the cut: one blit, so only its CPU per second and its keys count
        std::printf("%-42s %6s %6s %6s %5s | %5s %5.0f %5s | %5.1f %5.1f  cut %5.1f | -\n", name.c_str(), "-", "-", "-",
                    "-", "-", f.threadCpu / f.seconds, "-", Percentile(f.keys, 0.5), Percentile(f.keys, 1.0),
                    Percentile(cut.keys, 1.0));
        return;
    }
    const double fps = gaps.size() * 1000 / (f.frames.back() - f.frames.front());
    std::printf("%-42s %6.1f %6.1f %6.1f %5.1f | %5.1f %5.0f %5.1f | %5.1f %5.1f  cut %5.1f | %s\n", name.c_str(),
                Percentile(gaps, 0.5), p95, Percentile(gaps, 1.0), fps,
                f.threadCpu / frames, f.threadCpu / f.seconds, f.processCpu / frames, Percentile(f.keys, 0.5), keyMax,
                Percentile(cut.keys, 1.0),
                p95 <= kGoalP95Ms && keyMax <= kGoalKeyMs ? "meets" : "misses");
}

} // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::max(1.0, std::atof(argv[1])) : 3.0;
    kTickMs = 1000.0 / (argc > 2 ? std::clamp(std::atof(argv[2]), 10.0, 100.0) : 60.0);
    timeBeginPeriod(1);
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"DrawingPathsBench";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(WS_EX_TOPMOST, windowClass.lpszClassName, L"Drawing paths", WS_POPUP | WS_VISIBLE, 0,
                                  0, width, height, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window) {
        std::printf("drawing_paths_bench: FAILED: no window\n");
        return 1;
    }
    SetForegroundWindow(window);
    PumpMessages();

    const double prepareStart = Now();
    Scene scene(width, height);
    std::printf("screen %d x %d; slides prepared in %.0f ms (2 at the screen's size, 2 at %d x %d for the pan)\n",
                width, height, Now() - prepareStart, scene.toLarge.View().width, scene.toLarge.View().height);
    std::printf("load average before: %s; each path animated %.1f s at a %.0f Hz pace\n", LoadAverage().c_str(), seconds,
                1000 / kTickMs);
    ReportPacing(window);
    ReportStepping(scene);
    std::printf("the fixed-point pan differs from bilinear sampling in floating point by at most %d of 255\n",
                PanError(scene));
    std::printf("%-42s %6s %6s %6s %5s | %5s %5s %5s | %5s %5s  %9s | goal p95 <= %.0f, key <= %.0f\n", "path",
                "p50", "p95", "max", "fps", "uiCPU", "ui/s", "allCPU", "key50", "keyMx", "keyMx", kGoalP95Ms, kGoalKeyMs);
    std::printf("%-42s %20s %5s | %5s %5s %5s | %5s %5s  %9s |\n", "", "frame interval, ms", "", "ms/fr", "ms/s",
                "ms/fr", "ms", "ms", "baseline");
    Figures cut;
    bool first = true;
    for (const PathEntry& entry : AllPaths()) {
        auto path = entry.make(scene);
        if (const std::string why = path->Prepare(window); !why.empty()) {
            std::printf("%-42s not run here: %s\n", entry.name.c_str(), why.c_str());
            continue;
        }
        PumpMessages();
        const Figures figures = Animate(*path, window, seconds);
        if (first) cut = figures, first = false;
        PrintFigures(entry.name, figures, cut);
        if (!figures.trouble.empty()) std::printf("  frames stopped: %s\n", figures.trouble.c_str());
        std::fflush(stdout);
    }
    std::printf("load average after: %s\n", LoadAverage().c_str());
    DestroyWindow(window);
    timeEndPeriod(1);
    return 0;
}
