// The desktop's own opener (xdg-open) stands in for the Windows shell. Both commands
// run through a short-lived /bin/sh that starts the program in the background and
// exits at once: its exit status tells whether the start was possible, and the
// program it leaves behind is no child of ours to reap.
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/headless/services_portable.h"

extern char** environ;

namespace qs::platform {

namespace {
constexpr std::intptr_t kOpened = 42;          // any value above 32 means success
constexpr std::intptr_t kNoAssociation = 31;   // SE_ERR_NOASSOC

// Runs `sh -c script sh argument` and returns its exit status, or -1.
int RunShell(const char* script, const std::string& argument) {
    char shName[] = "sh";
    char dashC[] = "-c";
    std::string scriptText = script;
    std::string argumentText = argument;
    char* argv[] = {shName, dashC, scriptText.data(), shName, argumentText.data(), nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, "/bin/sh", nullptr, nullptr, argv, environ) != 0) {
        return -1;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            return -1;
        }
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class PortableShell final : public Shell {
public:
    std::intptr_t ShellOpen(WindowHandle, const std::string& target) override {
        const int status = RunShell(
            "command -v xdg-open >/dev/null 2>&1 || exit 1; xdg-open \"$1\" >/dev/null 2>&1 </dev/null &", target);
        return status == 0 ? kOpened : kNoAssociation;
    }

    bool FileExists(const std::string& path) override {
        std::error_code error;
        return std::filesystem::is_regular_file(path, error);
    }

    bool StartProgram(const std::string& path) override {
        const int status = RunShell(
            "[ -f \"$1\" ] && [ -x \"$1\" ] || exit 1; \"$1\" >/dev/null 2>&1 </dev/null &", path);
        return status == 0;
    }
};
} // namespace

std::unique_ptr<Shell> MakePortableShell() {
    return std::make_unique<PortableShell>();
}

} // namespace qs::platform
