#include <windows.h>
#include <shellapi.h>

#include "platform/win32/scoped.h"
#include "platform/win32/services_win32.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_handle_casts.h"

namespace qs::platform {

namespace {
class Win32Shell final : public Shell {
public:
    std::intptr_t ShellOpen(WindowHandle owner, const std::string& target) override {
        HINSTANCE result = ShellExecuteW(ToHwnd(owner), L"open", Widen(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        return reinterpret_cast<std::intptr_t>(result);
    }

    bool FileExists(const std::string& path) override {
        const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    }

    bool StartProgram(const std::string& path) override {
        // Quoted, so that a folder with blanks in its name is not split into arguments.
        std::wstring commandLine = Widen("\"" + path + "\"");
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION started{};
        if (!CreateProcessW(Widen(path).c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &started)) {
            return false;
        }
        const KernelHandle thread(started.hThread), process(started.hProcess); // not waited for
        return true;
    }
};
} // namespace

std::unique_ptr<Shell> MakeWin32Shell() {
    return std::make_unique<Win32Shell>();
}

} // namespace qs::platform
