#include <windows.h>

#include <cstring>

#include "platform/win32/services_win32.h"
#include "platform/win32/win32_handles.h"

namespace qs::platform {

namespace {
static_assert(sizeof(OSVERSIONINFOA) == 148, "the version record is 148 bytes");

class Win32System final : public System {
public:
    bool GetVersionInfo(OsVersionInfo& info) override {
        OSVERSIONINFOA record{};
        record.dwOSVersionInfoSize = info.dwOSVersionInfoSize;
        if (!::GetVersionExA(&record)) {
            return false;
        }
        info.dwMajorVersion = record.dwMajorVersion;
        info.dwMinorVersion = record.dwMinorVersion;
        info.dwBuildNumber = record.dwBuildNumber;
        info.dwPlatformId = record.dwPlatformId;
        static_assert(sizeof(info.szCSDVersion) == sizeof(record.szCSDVersion));
        std::memcpy(info.szCSDVersion, record.szCSDVersion, sizeof(info.szCSDVersion));
        return true;
    }

    bool ParametersInfo(unsigned action, unsigned param, std::int32_t* pv, unsigned winIni) override {
        return ::SystemParametersInfoA(action, param, pv, winIni) != FALSE;
    }

    WindowHandle FindWindowByCaption(const std::string& caption) override {
        return FromHwnd(FindWindowA(nullptr, caption.c_str()));
    }

    bool IsWindow(WindowHandle h) override {
        return ::IsWindow(ToHwnd(h)) != FALSE;
    }

    bool GetClientRect(WindowHandle h, RectPx& rect) override {
        RECT r{};
        if (!::GetClientRect(ToHwnd(h), &r)) {
            return false;
        }
        rect.left = r.left;
        rect.top = r.top;
        rect.right = r.right;
        rect.bottom = r.bottom;
        return true;
    }

    bool MakeTopmost(WindowHandle h) override {
        return SetWindowPos(ToHwnd(h), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE) != FALSE;
    }
};

} // namespace

std::unique_ptr<System> MakeWin32System() {
    return std::make_unique<Win32System>();
}

} // namespace qs::platform
