// The native build reads its own executable and command line from /proc.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/headless/services_portable.h"

namespace qs::platform {

namespace {
class PortableProcess final : public Process {
public:
    std::string ExecutablePath() override {
        std::error_code error;
        const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
        return error ? std::string() : path.string();
    }

    // The arguments as the kernel keeps them, each ended by a NUL, joined by blanks.
    // They were split by the caller's shell, so quotes are gone by now.
    std::string CommandArguments() override {
        std::ifstream in("/proc/self/cmdline", std::ios::binary);
        const std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const std::size_t endOfName = raw.find('\0');
        if (endOfName == std::string::npos) {
            return {};
        }
        std::string arguments = raw.substr(endOfName + 1);
        if (!arguments.empty() && arguments.back() == '\0') {
            arguments.pop_back();
        }
        for (char& c : arguments) {
            if (c == '\0') {
                c = ' ';
            }
        }
        return arguments;
    }
};
} // namespace

std::unique_ptr<Process> MakePortableProcess() {
    return std::make_unique<PortableProcess>();
}

} // namespace qs::platform
