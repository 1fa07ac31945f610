#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/win32/services_win32.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_handle_casts.h"

namespace qs::platform {

namespace {
static_assert(sizeof(OSVERSIONINFOA) == 148, "the version record is 148 bytes");

class Win32System final : public System {
public:
    bool GetVersionInfo(OsVersionInfo& info) override {
        // The record keeps the 148-byte layout the callers size; the wide call fills its own.
        if (info.dwOSVersionInfoSize != sizeof(OSVERSIONINFOA)) {
            SetLastError(ERROR_INSUFFICIENT_BUFFER);
            return false;
        }
        OSVERSIONINFOW record{};
        record.dwOSVersionInfoSize = sizeof record;
        if (!::GetVersionExW(&record)) {
            return false;
        }
        info.dwMajorVersion = record.dwMajorVersion;
        info.dwMinorVersion = record.dwMinorVersion;
        info.dwBuildNumber = record.dwBuildNumber;
        info.dwPlatformId = record.dwPlatformId;
        const std::string servicePack = Narrow(record.szCSDVersion);
        std::memset(info.szCSDVersion, 0, sizeof info.szCSDVersion);
        std::memcpy(info.szCSDVersion, servicePack.data(), std::min(servicePack.size(), sizeof info.szCSDVersion - 1));
        return true;
    }

    bool ParametersInfo(unsigned action, unsigned param, std::int32_t* pv, unsigned winIni) override {
        return ::SystemParametersInfoW(action, param, pv, winIni) != FALSE;
    }

    WindowHandle FindWindowByCaption(const std::string& caption) override {
        return FromHwnd(FindWindowW(nullptr, Widen(caption).c_str()));
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
