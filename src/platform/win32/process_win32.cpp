#include <windows.h>

#include "platform/command_line.h"
#include "platform/win32/services_win32.h"
#include "platform/win32/wide_text.h"

namespace qs::platform {

namespace {
class Win32Process final : public Process {
public:
    std::string ExecutablePath() override {
        // GetModuleFileNameW truncates silently when the buffer is too small; grow
        // until the path and its terminator fit.
        std::wstring path(MAX_PATH, L'\0');
        constexpr std::size_t kLongestPath = 32768;
        while (path.size() <= kLongestPath) {
            const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
            if (length == 0) {
                return {};
            }
            if (length < path.size()) {
                path.resize(length);
                return Narrow(path);
            }
            path.resize(path.size() * 2);
        }
        return {};
    }

    std::string CommandArguments() override {
        const wchar_t* commandLine = GetCommandLineW();
        return ArgumentsFromCommandLine(commandLine ? Narrow(commandLine) : std::string());
    }
};
} // namespace

std::unique_ptr<Process> MakeWin32Process() {
    return std::make_unique<Win32Process>();
}

} // namespace qs::platform
