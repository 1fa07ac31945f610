// Profile files in memory, read and edited by the rules of the Windows profile functions
// (platform/profile_text.h), with the keys each call wrote.
#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
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
    platform::ErrorCode WritePrivateProfileString(const std::string& section, const std::string& key,
                                                  const std::string& value, const std::string& file) override {
        if (writeError != 0) return writeError;
        writes.push_back(section + "/" + key);
        files_[file].Write(section, key, value);
        return 0;
    }

    // An ASCII code page stands in for the system's.
    bool FitsCodePage(const std::string& text) override {
        return std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
    }
    platform::ErrorCode UseUnicodeForm(const std::string& file) override {
        if (unicodeError == 0) unicodeForm.emplace(file, writes.size());
        return unicodeError;
    }

    void SetText(const std::string& file, const std::string& text) { files_[file] = platform::ProfileText(text); }
    std::string Text(const std::string& file) const {
        const auto found = files_.find(file);
        return found == files_.end() ? std::string() : found->second.Bytes();
    }

    std::vector<std::string> writes; // "section/key" of each write, in order
    std::map<std::string, std::size_t> unicodeForm; // file -> the writes made before it took that form
    platform::ErrorCode writeError = 0, unicodeError = 0; // what the calls answer; 0 writes

private:
    std::map<std::string, platform::ProfileText> files_;
};

} // namespace qs::test
