// Profile files in memory, read and edited by the rules of the Windows profile functions
// (platform/profile_text.h), with the keys each call wrote.
#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/profile_text.h"
#include "platform/services.h"

namespace qs::test {

class MemoryProfileFile final : public platform::ProfileFile {
public:
    std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                        const std::string& fallback, std::uint32_t size,
                                        const std::string& file) override {
        const auto found = files_.find(file);
        const auto value = found == files_.end() ? std::nullopt : found->second.Read(section, key);
        std::string buffer(size, '\0');
        buffer.resize(platform::CopyProfileValue(value ? *value : platform::ProfileDefault(fallback), buffer.data(), size));
        return buffer;
    }
    // Keys a failed call would have written are not written; an ASCII code page stands in
    // for the system's.
    platform::ErrorCode ReplaceKeys(const std::string& section,
                                    const std::vector<std::pair<std::string, std::string>>& values,
                                    const std::string& file) override {
        if (writeError != 0) return writeError;
        const bool ascii = std::all_of(values.begin(), values.end(), [](const auto& kv) {
            return std::all_of(kv.second.begin(), kv.second.end(), [](char c) { return (c & 0x80) == 0; });
        });
        if (!ascii) unicodeForm.insert(file);
        for (const auto& [key, value] : values) writes.push_back(section + "/" + key);
        files_[file].Write(section, values);
        return 0;
    }

    void SetText(const std::string& file, const std::string& text) { files_[file] = platform::ProfileText(text); }
    std::string Text(const std::string& file) const {
        const auto found = files_.find(file);
        return found == files_.end() ? std::string() : found->second.Bytes();
    }

    std::vector<std::string> writes; // "section/key" of each write, in order
    std::set<std::string> unicodeForm; // files that took the Unicode form
    platform::ErrorCode writeError = 0; // what a write answers; 0 writes

private:
    std::map<std::string, platform::ProfileText> files_;
};

} // namespace qs::test
