// The registry calls against keys held in memory, with the status codes the program relies
// on: 2 for a missing key or value, 234 and the size needed when the data does not fit.
// Names ignore letter case, empty levels of a path are skipped; the keys every Windows user
// has exist from the start.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <string>
#include <utility>

#include "platform/services.h"

namespace qs::test {

inline std::string Lowered(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

class MemoryRegistry final : public platform::Registry {
public:
    std::int32_t RegOpenKeyEx(platform::RegKey root, const std::string& subKey, std::uint32_t,
                              platform::RegKey& result) override {
        const std::string path = Resolve(root, subKey);
        return keys_.count(path) == 0 ? platform::kErrorFileNotFound : Open(path, result);
    }
    std::int32_t RegCreateKeyEx(platform::RegKey root, const std::string& subKey, std::uint32_t,
                                platform::RegKey& result) override {
        const std::string path = Resolve(root, subKey);
        for (std::size_t end = path.find('\\'); end != std::string::npos; end = path.find('\\', end + 1))
            keys_[path.substr(0, end)];
        keys_[path];
        return Open(path, result);
    }
    std::int32_t RegQueryValueEx(platform::RegKey key, const std::string& name, std::uint32_t* type,
                                 std::uint8_t* data, std::uint32_t* size) override {
        const auto& values = keys_[handles_[key]];
        const auto value = values.find(Lowered(name));
        if (value == values.end()) return platform::kErrorFileNotFound;
        const auto& [storedType, bytes] = value->second;
        if (type != nullptr) *type = storedType;
        const bool fits = data == nullptr || *size >= bytes.size();
        if (fits && data != nullptr) std::memcpy(data, bytes.data(), bytes.size());
        *size = static_cast<std::uint32_t>(bytes.size());
        return fits ? 0 : platform::kErrorMoreData;
    }
    std::int32_t RegSetValueEx(platform::RegKey key, const std::string& name, std::uint32_t type,
                               const std::uint8_t* data, std::uint32_t size) override {
        keys_[handles_[key]][Lowered(name)] = {type, std::string(reinterpret_cast<const char*>(data), size)};
        return 0;
    }
    void CloseKey(platform::RegKey key) override { handles_.erase(key); }

private:
    std::string Resolve(platform::RegKey root, const std::string& subKey) const {
        const auto open = handles_.find(root);
        std::string path = open != handles_.end()                 ? open->second
                           : root == platform::kHkeyLocalMachine ? "hklm" : "hkcu";
        for (std::size_t at = 0, end = 0; at <= subKey.size(); at = end + 1) {
            end = std::min(subKey.find('\\', at), subKey.size());
            if (end > at) path.append("\\").append(Lowered(subKey.substr(at, end - at)));
        }
        return path;
    }
    std::int32_t Open(const std::string& path, platform::RegKey& result) {
        handles_[result = ++lastHandle_] = path;
        return 0;
    }

    std::map<std::string, std::map<std::string, std::pair<std::uint32_t, std::string>>> keys_{ // by folded path
        {"hkcu\\software", {}}, {"hkcu\\control panel\\desktop", {}}, {"hklm\\software", {}}};
    std::map<platform::RegKey, std::string> handles_;
    platform::RegKey lastHandle_ = 0x1000;
};

inline void PutRegValue(platform::Registry& registry, platform::RegKey root, const std::string& path,
                        const std::string& name, std::uint32_t type, const std::string& bytes) {
    platform::RegKey key = 0;
    ASSERT_EQ(registry.RegCreateKeyEx(root, path, 0x2003F, key), 0) << path;
    EXPECT_EQ(registry.RegSetValueEx(key, name, type, reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                     static_cast<std::uint32_t>(bytes.size())), 0) << name;
    registry.CloseKey(key);
}

} // namespace qs::test
