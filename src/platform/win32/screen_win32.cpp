#include <windows.h>

#include "platform/win32/services_win32.h"

namespace qs::platform {

namespace {
constexpr double kTwipsPerInch = 1440.0;

double TwipsPerPixel(int dotsPerInch) {
    // A display driver that reports no resolution is taken as the usual 96 dpi.
    return kTwipsPerInch / (dotsPerInch > 0 ? dotsPerInch : 96);
}

class Win32Screen final : public Screen {
public:
    ScreenMetrics Metrics() override {
        ScreenMetrics m;
        m.widthPx = GetSystemMetrics(SM_CXSCREEN);
        m.heightPx = GetSystemMetrics(SM_CYSCREEN);
        HDC screen = GetDC(nullptr);
        m.twipsPerPixelX = TwipsPerPixel(screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0);
        m.twipsPerPixelY = TwipsPerPixel(screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0);
        if (screen) {
            ReleaseDC(nullptr, screen);
        }
        return m;
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

std::unique_ptr<Cursor> MakeWin32Cursor() {
    return std::make_unique<Win32Cursor>();
}

} // namespace qs::platform
