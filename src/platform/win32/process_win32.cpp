#include <windows.h>

#include "platform/command_line.h"
#include "platform/win32/services_win32.h"

namespace qs::platform {

namespace {
class Win32Process final : public Process {
public:
    std::string ExecutablePath() override {
        // GetModuleFileNameA truncates silently when the buffer is too small; grow
        // until the path and its terminator fit.
        std::string path(MAX_PATH, '\0');
        constexpr std::size_t kLongestPath = 32768;
        while (path.size() <= kLongestPath) {
            const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
            if (length == 0) {
                return {};
            }
            if (length < path.size()) {
                path.resize(length);
                return path;
            }
            path.resize(path.size() * 2);
        }
        return {};
    }

    std::string CommandArguments() override {
        const char* commandLine = GetCommandLineA();
        return ArgumentsFromCommandLine(commandLine ? commandLine : "");
    }
};
} // namespace

std::unique_ptr<Process> MakeWin32Process() {
    return std::make_unique<Win32Process>();
}

} // namespace qs::platform
