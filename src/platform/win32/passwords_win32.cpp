// The screen-saver password services exist only on some systems (password.cpl only on
// the Windows 95 family), so both are looked up when first needed instead of being
// imported: a missing one must not keep the program from starting.
#include <windows.h>

#include "platform/win32/services_win32.h"
#include "platform/win32/window_handle_casts.h"

namespace qs::platform {

namespace {
using PwdChangePasswordFn = DWORD(WINAPI*)(LPCSTR, HWND, DWORD, DWORD);
using VerifyScreenSavePwdFn = BOOL(WINAPI*)(HWND);

// One export of a library loaded on first use. The library stays loaded for the
// rest of the process: the dialogs it shows may keep running code from it.
class LateBound {
public:
    LateBound(const wchar_t* library, const char* function) : library_(library), function_(function) {}

    template <typename Fn>
    Fn Get() {
        if (!tried_) {
            tried_ = true;
            if (HMODULE module = LoadLibraryW(library_)) {
                address_ = GetProcAddress(module, function_);
            }
        }
        // Through the generic function type: GCC accepts that cast without a warning.
        return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(address_));
    }

private:
    const wchar_t* library_;
    const char* function_;
    bool tried_ = false;
    FARPROC address_ = nullptr;
};

class Win32Passwords final : public Passwords {
public:
    bool PwdChangePassword(const std::string& provider, WindowHandle owner, std::uint32_t reserved1,
                           std::uint32_t reserved2) override {
        auto change = pwdChange_.Get<PwdChangePasswordFn>();
        if (!change) {
            return false;
        }
        change(provider.c_str(), ToHwnd(owner), reserved1, reserved2);
        return true;
    }

    std::int32_t VerifyScreenSavePwd(WindowHandle owner) override {
        auto verify = verify_.Get<VerifyScreenSavePwdFn>();
        if (!verify) {
            return 1;
        }
        return verify(ToHwnd(owner));
    }

private:
    // The Windows 95 family's mpr has only the code-page form; the provider name is ASCII.
    LateBound pwdChange_{L"mpr.dll", "PwdChangePasswordA"};
    LateBound verify_{L"password.cpl", "VerifyScreenSavePwd"};
};
} // namespace

std::unique_ptr<Passwords> MakeWin32Passwords() {
    return std::make_unique<Win32Passwords>();
}

} // namespace qs::platform
