// The keys and values of the portable registry, and their text form on disk.
// A key is named by its full path from a root, e.g. "HKEY_CURRENT_USER\Software\Brindle";
// names of keys and values match without regard to ASCII letter case, as in the registry,
// and keep the spelling they were created with. A value is its type and raw bytes.
//
// The file is a line-oriented text:
//   QuilloRegistry 1
//   key HKEY_CURRENT_USER\Software\Brindle
//   value <type in decimal> <name in hex> <data in hex>
// Value lines belong to the key line above them. Lines that do not parse are skipped,
// so a damaged file loses only what is damaged.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace qs::platform {

struct RegistryValue {
    std::string name;
    std::uint32_t type = 0;
    std::string data;
};

struct RegistryKeyData {
    std::string path;
    std::map<std::string, RegistryValue> values; // by folded name
};

class RegistryStore {
public:
    RegistryKeyData* Find(std::string_view path);
    // Adds the key and every missing key above it; true when anything was added.
    bool Add(std::string_view path);

    std::string Serialize() const;
    static RegistryStore Parse(std::string_view text);

private:
    std::map<std::string, RegistryKeyData> keys_; // by folded path
};

std::string FoldRegistryName(std::string_view name);

} // namespace qs::platform
