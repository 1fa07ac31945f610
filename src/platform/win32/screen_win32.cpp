#include <windows.h>

#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/win32/scoped.h"
#include "platform/win32/services_win32.h"

namespace qs::platform {

namespace {
constexpr double kTwipsPerInch = 1440.0;

double PerPixel(int dotsPerInch) {
    // A display driver that reports no resolution is taken as the usual 96 dpi.
    return kTwipsPerInch / (dotsPerInch > 0 ? dotsPerInch : 96);
}

class Win32Screen final : public Screen {
public:
    ScreenMetrics Metrics() override {
        ScreenMetrics m;
        m.widthPx = GetSystemMetrics(SM_CXSCREEN);
        m.heightPx = GetSystemMetrics(SM_CYSCREEN);
        std::tie(m.twipsPerPixelX, m.twipsPerPixelY) = TwipsPerPixel();
        return m;
    }

    std::pair<double, double> TwipsPerPixel() override {
        if (!resolution_) {
            // The program is aware of the system's resolution only, which stays as it
            // was at start-up for the life of the process; read once, because every
            // twips conversion asks (a screen DC costs several server calls under Wine,
            // and opening a long slide list converts thousands of text widths).
            const WindowDc screen(nullptr);
            resolution_ = {PerPixel(screen ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 0),
                           PerPixel(screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0)};
        }
        return *resolution_;
    }

private:
    std::optional<std::pair<double, double>> resolution_;
};

class Win32Monitors final : public Monitors {
public:
    std::vector<MonitorArea> List() override {
        std::vector<MonitorArea> found;
        EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&found));
        return found;
    }

private:
    static BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
        MONITORINFO info{};
        info.cbSize = sizeof info;
        if (GetMonitorInfoW(monitor, &info)) {
            const RECT& r = info.rcMonitor;
            reinterpret_cast<std::vector<MonitorArea>*>(list)->push_back(
                {{r.left, r.top, r.right, r.bottom}, (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
        }
        return TRUE;
    }
};

class Win32Cursor final : public Cursor {
public:
    int ShowCursor(bool show) override {
        return ::ShowCursor(show ? TRUE : FALSE);
    }

    bool GetPosition(std::int32_t& x, std::int32_t& y) override {
        POINT p{};
        if (!::GetCursorPos(&p)) return false;
        x = p.x;
        y = p.y;
        return true;
    }
};
} // namespace

std::unique_ptr<Screen> MakeWin32Screen() {
    return std::make_unique<Win32Screen>();
}

std::unique_ptr<Monitors> MakeWin32Monitors() {
    return std::make_unique<Win32Monitors>();
}

std::unique_ptr<Cursor> MakeWin32Cursor() {
    return std::make_unique<Win32Cursor>();
}

} // namespace qs::platform
