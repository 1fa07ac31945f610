// Times the real QuilloSlides.scr full screen ("/S") under Wine. Not a test: each figure
// is printed beside a baseline measured in the same run, with their ratio.
//
//   saver_bench <big1.jpg> <big2.jpg> <small1.jpg> <small2.jpg> [interval seconds, default 24]
//
// The two big pictures are 24-megapixel photos, the small ones the same scenes at 640 x 427;
// each has a flat centre, magenta in the first and cyan in the second, that the probe
// watches for by sampling the screen's centre. Every slide is stretched over the screen.
//   Flash        samples in neither the background colour nor the desktop's before the
//                first slide shows, with the big first picture against the small one.
//   First slide  process creation to the first slide on the screen, big against small.
//   Interval     the mean time between slide changes at Delay 2 over the span, the list of
//                big photos against the same list of small pictures.
//   UI work      CPU time of the show's window thread per slide change, big against small.
//   Key latency  a key to the show's window going, and to the end of the process, during a
//                slide change (pressed the moment the window stops answering messages or, if
//                it never does, the moment the next slide shows, while the slide after it is
//                being prepared), against the same while the show idles.
//   Memory       the peak resident size (VmHWM) of the saver's process with the big list,
//                against the small list.
// UI work and Memory come from Linux's /proc (see saver_process_probe.h).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <tuple>

#include "e2e_driver.h"
#include "saver_process_probe.h"

namespace {
using namespace qs::e2e;
using namespace qs::bench;

constexpr int kRepeats = 5;
constexpr COLORREF kBackground = RGB(0, 0, 96);
constexpr COLORREF kSlideColours[] = {RGB(255, 0, 255), RGB(0, 255, 255)};


COLORREF Centre() { return ScreenPixel(ScreenWidth() / 2, ScreenHeight() / 2); }
int SlideShown(COLORREF colour) {
    for (int i = 0; i < 2; ++i)
        if (SameColour(colour, kSlideColours[i], 12)) return i;
    return -1;
}

std::vector<std::string> Settings(int delay, const std::vector<std::string>& pictures) {
    std::vector<std::string> lines = {"BGColor_0=" + std::to_string(kBackground), "Delay_0=" + std::to_string(delay),
                                      "PictureCount_0=" + std::to_string(pictures.size())};
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        lines.insert(lines.end(), {"FileSpec_" + n + "=" + pictures[i], "HStretch_" + n + "=True",
                                   "VStretch_" + n + "=True"});
    }
    return lines;
}

// One "/S" run from its creation, sampling the screen's centre about every 5 ms.
struct KeyTimes {
    double windowGone = -1, exit = -1;
};

class ShowRun {
public:
    ShowRun(RunFolder& run, int delay, const std::vector<std::string>& pictures) : folder_(run.Folder()) {
        SetCursorPos(0, 0);
        run.WriteSettings(Settings(delay, pictures));
        desktop_ = Centre();
        start_ = Clock::now();
        saver_.emplace(run, "/S");
    }
    ~ShowRun() {
        if (!saver_->Running()) return;
        if (Window()) SetForegroundWindow(Window());
        PressKey(VK_SPACE);
        saver_->WaitForExit(kExitDeadline);
        WaitUntil([] { return FindTopLevel(kSaverCaption) == nullptr; }, kExitDeadline);
    }

    // Samples until `stop` says so or a minute has passed; calls `changed` at each new
    // slide with its time since the start.
    template <typename Stop, typename Changed>
    void Watch(Stop stop, Changed changed) {
        const auto end = Clock::now() + Ms(60000);
        while (!stop() && Clock::now() < end && saver_->Running()) {
            const COLORREF colour = Centre();
            const int slide = SlideShown(colour);
            if (slide >= 0 && slide != shown_) changed(MsSince(start_));
            if (slide >= 0) shown_ = slide;
            else if (shown_ < 0 && !SameColour(colour, kBackground) && !SameColour(colour, desktop_)) ++flash_;
            Sleep(4);
        }
    }
    bool SlideSeen() const { return shown_ >= 0; }
    int FlashSamples() const { return flash_; }
    int UnixPid() { return pid_ ? pid_ : (pid_ = SaverUnixPid(folder_)); }
    HWND Window() { return window_ ? window_ : (window_ = FindTopLevel(kSaverCaption)); }

    // A key, then the wait for the show's window to go and for the process's end:
    // milliseconds from the key to each.
    KeyTimes KeyToExit() {
        HWND window = Window();
        if (window) SetForegroundWindow(window);
        const auto pressed = Clock::now();
        PressKey(VK_SPACE);
        KeyTimes t;
        while (saver_->Running() && MsSince(pressed) < 30000) {
            if (t.windowGone < 0 && !(window && IsWindow(window) && IsWindowVisible(window))) t.windowGone = MsSince(pressed);
            Sleep(1);
        }
        const double ms = saver_->Running() ? -1 : MsSince(pressed);
        t.exit = ms;
        if (t.windowGone < 0) t.windowGone = ms;
        if (saver_->ExitCode().value_or(0) != 0)
            std::printf("  (the saver ended with exit code 0x%lx after the key)\n", saver_->ExitCode().value_or(0));
        return t;
    }

private:
    std::string folder_;
    std::optional<SaverProcess> saver_;
    Clock::time_point start_;
    COLORREF desktop_ = 0;
    int shown_ = -1, flash_ = 0, pid_ = 0;
    HWND window_ = nullptr;
};

struct FirstSlide {
    double ms = -1;
    int flash = 0;
};

FirstSlide StartToFirstSlide(RunFolder& run, const std::string& picture) {
    ShowRun show(run, 1000, {picture});
    FirstSlide result;
    show.Watch([&] { return show.SlideSeen(); }, [&](double ms) { result.ms = ms; });
    result.flash = show.FlashSamples();
    return result;
}

struct ShowFigures {
    double interval = -1, uiPerChange = -1, peakMb = -1;
};

// The list at Delay 2 for at least `seconds` after its first slide, up to a slide change.
ShowFigures Interval(RunFolder& run, const std::vector<std::string>& pictures, int seconds) {
    ShowRun show(run, 2, pictures);
    std::vector<double> changes;
    double cpuFirst = -1, cpuLast = -1;
    show.Watch([&] { return !changes.empty() && changes.back() - changes.front() >= seconds * 1000.0; },
               [&](double ms) {
                   changes.push_back(ms);
                   (cpuFirst < 0 ? cpuFirst : cpuLast) = WindowThreadCpuMs(show.UnixPid());
               });
    ShowFigures f;
    f.peakMb = StatusMb(show.UnixPid(), "VmHWM");
    if (changes.size() < 2) return f;
    const double n = static_cast<double>(changes.size() - 1);
    f.interval = (changes.back() - changes.front()) / n;
    f.uiPerChange = (cpuLast - cpuFirst) / n;
    return f;
}

bool Busy(HWND window) {
    DWORD_PTR result = 0;
    return window && !SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 25, &result) &&
           GetLastError() == ERROR_TIMEOUT;
}

KeyTimes KeyDuringChange(RunFolder& run, const std::vector<std::string>& pictures) {
    ShowRun show(run, 2, pictures);
    bool next = false;
    show.Watch([&] { return show.SlideSeen(); }, [](double) {});
    if (show.Window()) SetForegroundWindow(show.Window());
    show.Watch([&] { return next || Busy(show.Window()); }, [&](double) { next = true; });
    return show.KeyToExit();
}

KeyTimes KeyWhileIdle(RunFolder& run, const std::string& picture) {
    ShowRun show(run, 1000, {picture});
    show.Watch([&] { return show.SlideSeen(); }, [](double) {});
    PumpFor(Ms(1000));
    return show.KeyToExit();
}

void Report(const char* what, double value, double baseline, const char* unit, const char* goal = "") {
    std::printf("%-44s %9.1f %-3s baseline %9.1f %-3s ratio %6.2f  %s\n", what, value, unit, baseline, unit,
                baseline > 0 ? value / baseline : 0.0, goal);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: saver_bench <big1.jpg> <big2.jpg> <small1.jpg> <small2.jpg> [seconds]\n");
        return 2;
    }
    const int seconds = argc > 5 ? std::max(20, std::atoi(argv[5])) : 24;
    RunFolder run;
    std::vector<std::string> big, small;
    for (int i = 0; i < 2; ++i) {
        big.push_back(run.CopyIn(WindowsPath(argv[1 + i]), "big" + std::to_string(i + 1) + ".jpg"));
        small.push_back(run.CopyIn(WindowsPath(argv[3 + i]), "small" + std::to_string(i + 1) + ".jpg"));
    }
    std::printf("screen %d x %d; figure (24 MP photos) beside baseline (small pictures); %d runs each, medians\n",
                ScreenWidth(), ScreenHeight(), kRepeats);
    std::vector<double> bigMs, smallMs, bigFlash, smallFlash;
    for (int i = 0; i < kRepeats; ++i) {
        for (auto [picture, ms, flash] : {std::tuple{small[0], &smallMs, &smallFlash}, {big[0], &bigMs, &bigFlash}}) {
            const FirstSlide first = StartToFirstSlide(run, picture);
            ms->push_back(first.ms);
            flash->push_back(first.flash);
        }
    }
    if (*std::min_element(bigMs.begin(), bigMs.end()) < 0 || *std::min_element(smallMs.begin(), smallMs.end()) < 0) {
        std::printf("saver_bench: FAILED: a saver started for the first slide never showed one\n");
        return 1;
    }
    Report("flash: samples before the first slide", Median(bigFlash), Median(smallFlash), "", "goal 0");
    Report("first slide: start to first slide", Median(bigMs), Median(smallMs), "ms", "goal ratio about 1");
    const ShowFigures smallShow = Interval(run, small, seconds), bigShow = Interval(run, big, seconds);
    Report("interval: mean at Delay 2", bigShow.interval, smallShow.interval, "ms", "goal ratio at most 1.05");
    Report("UI work: window thread CPU per slide change", bigShow.uiPerChange, smallShow.uiPerChange, "ms");
    Report("memory: peak resident (VmHWM)", bigShow.peakMb, smallShow.peakMb, "MB", "goal under 40 MB");
    std::vector<double> during, idle, duringGone, idleGone;
    for (int i = 0; i < 3; ++i) {
        const KeyTimes d = KeyDuringChange(run, big), w = KeyWhileIdle(run, small[0]);
        during.push_back(d.exit);
        duringGone.push_back(d.windowGone);
        idle.push_back(w.exit);
        idleGone.push_back(w.windowGone);
    }
    Report("key latency: key to window gone, during a change", Median(duringGone), Median(idleGone), "ms",
           "baseline: idle");
    Report("key latency: key to exit during a change", Median(during), Median(idle), "ms", "baseline: idle");
    return 0;
}
