#include "platform/headless/services_portable.h"

namespace qs::platform {

namespace {
constexpr unsigned kSpiSetScreenSaverRunning = 97;

class PortableScreen final : public Screen {
public:
    ScreenMetrics Metrics() override {
        return ScreenMetrics{1024, 768, 15.0, 15.0};
    }
};

class PortableCursor final : public Cursor {
public:
    int ShowCursor(bool show) override {
        displayCount_ += show ? 1 : -1;
        return displayCount_;
    }

private:
    int displayCount_ = 0;
};

class PortableSystem final : public System {
public:
    bool GetVersionInfo(OsVersionInfo& info) override {
        if (info.dwOSVersionInfoSize != 148) {
            return false;
        }
        info = OsVersionInfo{};
        info.dwPlatformId = 2;
        return true;
    }

    // Only the screen-saver running flag has a meaning here; like the system, the
    // call hands back the previous state through pv.
    bool ParametersInfo(unsigned action, unsigned param, std::int32_t* pv, unsigned) override {
        if (action != kSpiSetScreenSaverRunning) {
            return false;
        }
        if (pv) {
            *pv = saverRunning_ ? 1 : 0;
        }
        saverRunning_ = param != 0;
        return true;
    }

    WindowHandle FindWindowByCaption(const std::string&) override {
        return 0;
    }
    bool IsWindow(WindowHandle) override {
        return false;
    }
    bool GetClientRect(WindowHandle, RectPx&) override {
        return false;
    }
    bool MakeTopmost(WindowHandle) override {
        return false;
    }

private:
    bool saverRunning_ = false;
};

} // namespace

std::unique_ptr<Screen> MakePortableScreen() {
    return std::make_unique<PortableScreen>();
}
std::unique_ptr<Cursor> MakePortableCursor() {
    return std::make_unique<PortableCursor>();
}
std::unique_ptr<System> MakePortableSystem() {
    return std::make_unique<PortableSystem>();
}

} // namespace qs::platform
