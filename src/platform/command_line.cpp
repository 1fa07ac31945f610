#include "platform/command_line.h"

namespace qs::platform {

namespace {
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
} // namespace

std::string ArgumentsFromCommandLine(std::string_view commandLine) {
    std::size_t pos = 0;
    if (!commandLine.empty() && commandLine.front() == '"') {
        const std::size_t close = commandLine.find('"', 1);
        if (close == std::string_view::npos) {
            return {};
        }
        pos = close + 1;
    } else {
        while (pos < commandLine.size() && !IsBlank(commandLine[pos])) {
            ++pos;
        }
    }
    while (pos < commandLine.size() && IsBlank(commandLine[pos])) {
        ++pos;
    }
    return std::string(commandLine.substr(pos));
}

} // namespace qs::platform
