#include "settings/registry_settings.h"

#include <algorithm>
#include <type_traits>
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

// A value read from the registry as text: strings as they are, integers in decimal.
std::string ValueText(const RegVariant& value) {
    return std::visit(
        [](const auto& v) -> std::string {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::string>) {
                return v;
            } else if constexpr (std::is_same_v<T, std::monostate>) {
                return {};
            } else if constexpr (std::is_same_v<T, bool>) {
                return v ? "-1" : "0";
            } else if constexpr (std::is_floating_point_v<T>) {
                return DoubleText(v);
            } else {
                return std::to_string(v);
            }
        },
        value);
}

} // namespace

std::string ReadIniString(const std::string& strFile, const std::string& strSection, const std::string& strKey) {
    platform::ProfileFile* profile = platform::services().profile;
    if (profile == nullptr) {
        return {};
    }
    char buffer[kIniBufferSize] = {};
    const std::uint32_t length =
        profile->GetPrivateProfileString(strSection, strKey, "", buffer, kIniBufferSize, strFile);
    return length == 0 ? std::string() : std::string(buffer, std::min(length, kIniBufferSize - 1));
}

std::string GetRegistrySetting(const std::string& strSection, const std::string& strKey,
                               const std::string& strDefault) {
    const std::string value = ReadIniString(SettingsFilePath(), strSection, strKey);
    const std::string sectionPath = SectionKeyPath(strSection);
    if (!value.empty()) {
        CreateRegKey(platform::kHkeyCurrentUser, "Software", sectionPath);
        SetRegValue(platform::kHkeyCurrentUser, "Software\\" + sectionPath, strKey, value);
        return value;
    }
    std::uint32_t valueType = 0;
    std::int32_t error = 0;
    const RegVariant stored = GetRegValue(platform::kHkeyCurrentUser, "Software\\" + sectionPath, strKey, valueType, error);
    return error != 0 ? strDefault : ValueText(stored);
}

} // namespace qs
