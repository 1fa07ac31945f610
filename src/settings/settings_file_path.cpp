#include "settings/settings_file_path.h"

#include "platform/services.h"

namespace qs {

std::string SettingsFilePath() {
    platform::Process* process = platform::services().process;
    const std::string executable = process != nullptr ? process->ExecutablePath() : std::string();
    const std::size_t separator = executable.find_last_of("\\/");
    std::string folder;
    std::string name = executable;
    if (separator != std::string::npos) {
        folder = executable.substr(0, separator);
        name = executable.substr(separator + 1);
        const bool driveRoot = folder.size() == 2 && folder[1] == ':';
        if (folder.empty() || driveRoot) {
            folder = executable.substr(0, separator + 1);
        }
    }
    const std::size_t dot = name.rfind('.');
    return folder + "\\" + name.substr(0, dot) + ".INI";
}

} // namespace qs
