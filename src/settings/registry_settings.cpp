#include "settings/registry_settings.h"

#include <algorithm>
#include <variant>

#include "platform/services.h"
#include "settings/registry_functions.h"
#include "settings/settings_file_path.h"

namespace qs {

namespace {

constexpr std::uint32_t kIniBufferSize = 1024;

std::string SectionKeyPath(const std::string& section) {
    return std::string("Brindle") + "\\" + "QuilloSaverF1" + "\\" + section;
}

// A value read from the registry as text: strings as they are, numbers in decimal.
std::string ValueText(const RegVariant& value) {
    if (const auto* number = std::get_if<std::int32_t>(&value)) {
        return std::to_string(*number);
    }
    const auto* text = std::get_if<std::string>(&value);
    return text != nullptr ? *text : std::string();
}

} // namespace

std::string ReadIniString(const std::string& file, const std::string& section, const std::string& key) {
    platform::ProfileFile* profile = platform::services().profile;
    if (profile == nullptr) {
        return {};
    }
    return profile->GetPrivateProfileString(section, key, "", kIniBufferSize, file);
}

std::string GetRegistrySetting(const std::string& section, const std::string& key, const std::string& fallback) {
    const std::string value = ReadIniString(SettingsFilePath(), section, key);
    const std::string sectionPath = SectionKeyPath(section);
    if (!value.empty()) {
        CreateRegKey(platform::kHkeyCurrentUser, "Software", sectionPath);
        SetRegValue(platform::kHkeyCurrentUser, "Software\\" + sectionPath, key, value);
        return value;
    }
    std::uint32_t valueType = 0;
    std::int32_t error = 0;
    const RegVariant stored = GetRegValue(platform::kHkeyCurrentUser, "Software\\" + sectionPath, key, valueType, error);
    return error != 0 ? fallback : ValueText(stored);
}

} // namespace qs
