// MemoryProfileFile: profile files held in memory, read and edited by the rules of the
// Windows profile functions (platform/profile_text.h), with a log of every call.
#pragma once

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
    struct Call {
        bool write = false;
        std::string section, key;
    };

    std::uint32_t GetPrivateProfileString(const std::string& section, const std::string& key,
                                          const std::string& fallback, char* buffer, std::uint32_t size,
                                          const std::string& file) override {
        calls.push_back({false, section, key});
        const auto found = files_.find(file);
        const auto value = found == files_.end() ? std::nullopt : found->second.Read(section, key);
        return platform::CopyProfileValue(value ? *value : platform::ProfileDefault(fallback), buffer, size);
    }
    bool WritePrivateProfileString(const std::string& section, const std::string& key, const std::string& value,
                                   const std::string& file) override {
        calls.push_back({true, section, key});
        if (!failWrites) files_[file].Write(section, key, value);
        return !failWrites;
    }

    void SetText(const std::string& file, const std::string& text) { files_[file] = platform::ProfileText(text); }
    bool Has(const std::string& file) const { return files_.count(file) > 0; }
    std::string Text(const std::string& file) const {
        const auto found = files_.find(file);
        return found == files_.end() ? std::string() : found->second.Bytes();
    }
    // "section/key" of each write (writes true) or read, in call order.
    std::vector<std::string> Keys(bool writes) const {
        std::vector<std::string> keys;
        for (const Call& call : calls)
            if (call.write == writes) keys.push_back(call.section + "/" + call.key);
        return keys;
    }

    std::vector<Call> calls;
    bool failWrites = false; // every write fails and changes nothing, as in a read-only folder

private:
    std::map<std::string, platform::ProfileText> files_;
};

} // namespace qs::test
