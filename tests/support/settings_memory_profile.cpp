#include "settings_memory_profile.h"

namespace qs::test {

std::uint32_t MemoryProfileFile::GetPrivateProfileString(const std::string& section, const std::string& key,
                                                         const std::string& defaultValue, char* buffer,
                                                         std::uint32_t size, const std::string& file) {
    calls.push_back({false, section, key, defaultValue});
    std::optional<std::string> value;
    if (const auto found = files_.find(file); found != files_.end()) {
        value = found->second.Read(section, key);
    }
    return platform::CopyProfileValue(value ? *value : platform::ProfileDefault(defaultValue), buffer, size);
}

bool MemoryProfileFile::WritePrivateProfileString(const std::string& section, const std::string& key,
                                                  const std::string& value, const std::string& file) {
    calls.push_back({true, section, key, value});
    if (failWrites) {
        return false;
    }
    files_[file].Write(section, key, value);
    return true;
}

std::string MemoryProfileFile::Text(const std::string& file) const {
    const auto found = files_.find(file);
    return found == files_.end() ? std::string() : found->second.Bytes();
}

std::vector<std::string> MemoryProfileFile::Keys(bool writes) const {
    std::vector<std::string> keys;
    for (const Call& call : calls) {
        if (call.write == writes) {
            keys.push_back(call.section + "/" + call.key);
        }
    }
    return keys;
}

} // namespace qs::test
