// The about box's two launchers: the shell for a clicked link and the system's
// information tool. Neither raises: a failure becomes a message to the user.
#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <variant>

#include "platform/services.h"
#include "settings/registry_functions.h"
#include "toolkit/dialogs.h"
#include "ui/about/about_box.h"

namespace qs::ui {

namespace {
// The shell's results up to 32 are its error codes.
constexpr std::intptr_t kShellErrorLimit = 32;

std::string UpperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

// The tool's path as the registry names it, or nothing when neither place names it.
std::optional<std::string> SysInfoPathFromRegistry() {
    std::uint32_t valueType = 0;
    std::int32_t error = 0;
    RegVariant value = GetRegValue(platform::kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                                 valueType, error);
    if (error != 0) {
        value = GetRegValue(platform::kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
                            valueType, error);
        if (error != 0) return std::nullopt;
    }
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    if (const auto* number = std::get_if<std::int32_t>(&value)) return std::to_string(*number);
    return std::string();
}
} // namespace

void AboutBox::openLink(std::size_t index) {
    if (platform::services().shell->ShellOpen(handle(), linkLabels[index]->caption()) <= kShellErrorLimit) {
        // "ar" is the message's own spelling, kept as users have always seen it.
        tk::ShowNotice("Cannot Execute Browser ar This Time.", kAppTitle, this);
    }
}

void AboutBox::startSystemInformation() {
    if (std::optional<std::string> path = SysInfoPathFromRegistry()) {
        // The value names either the tool itself or the folder that holds it.
        if (path->size() < 4 || UpperCase(path->substr(path->size() - 4)) != ".EXE") *path += "\\MSINFO32.EXE";
        platform::Shell& shell = *platform::services().shell;
        if (shell.FileExists(*path) && shell.StartProgram(*path)) return;
    }
    tk::ShowNotice("System Information Is Unavailable At This Time", kAppTitle, this);
}

} // namespace qs::ui
