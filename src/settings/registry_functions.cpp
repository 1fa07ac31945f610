#include "settings/registry_functions.h"

#include <algorithm>
#include <charconv>
#include <type_traits>

namespace qs {

namespace {

constexpr std::uint32_t kValueBufferSize = 1024;

std::int32_t LittleEndianInt32(const std::uint8_t* bytes) {
    const std::uint32_t value = static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
                                (static_cast<std::uint32_t>(bytes[2]) << 16) |
                                (static_cast<std::uint32_t>(bytes[3]) << 24);
    return static_cast<std::int32_t>(value);
}

// Reads the value the open key holds under valueName; error receives the outcome.
RegVariant QueryValue(platform::Registry& registry, platform::RegKey key, const std::string& valueName,
                      std::uint32_t& valueType, std::int32_t& error) {
    std::uint8_t buffer[kValueBufferSize] = {};
    std::uint32_t size = kValueBufferSize;
    error = registry.RegQueryValueEx(key, valueName, &valueType, buffer, &size);
    if (error != 0) {
        return {};
    }
    const char* text = reinterpret_cast<const char*>(buffer);
    switch (valueType) {
    case platform::kRegSz: {
        const std::size_t n = std::min(size, kValueBufferSize);
        if (n == 0) {
            return std::string();
        }
        return std::string(text, buffer[n - 1] == 0 ? n - 1 : n);
    }
    case platform::kRegDword: {
        std::uint8_t dword[4] = {};
        std::uint32_t dwordSize = sizeof dword;
        error = registry.RegQueryValueEx(key, valueName, &valueType, dword, &dwordSize);
        return error == 0 ? RegVariant(LittleEndianInt32(dword)) : RegVariant();
    }
    case platform::kRegBinary:
        return std::string(text, kValueBufferSize);
    default:
        error = kUnhandledRegType;
        return {};
    }
}

std::int32_t WriteValue(platform::Registry& registry, platform::RegKey key, const std::string& valueName,
                        const RegVariant& value) {
    return std::visit(
        [&](const auto& v) -> std::int32_t {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::string> || std::is_same_v<T, double>) {
                std::string text;
                if constexpr (std::is_same_v<T, double>) {
                    text = DoubleText(v);
                } else {
                    text = v;
                }
                return registry.RegSetValueEx(key, valueName, platform::kRegSz,
                                              reinterpret_cast<const std::uint8_t*>(text.c_str()),
                                              static_cast<std::uint32_t>(text.size() + 1));
            } else if constexpr (std::is_same_v<T, std::int16_t> || std::is_same_v<T, std::int32_t> ||
                                 std::is_same_v<T, bool>) {
                std::int32_t number = 0;
                if constexpr (std::is_same_v<T, bool>) {
                    number = v ? -1 : 0;
                } else {
                    number = v;
                }
                const auto bits = static_cast<std::uint32_t>(number);
                const std::uint8_t dword[4] = {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
                                               static_cast<std::uint8_t>(bits >> 16),
                                               static_cast<std::uint8_t>(bits >> 24)};
                return registry.RegSetValueEx(key, valueName, platform::kRegDword, dword, sizeof dword);
            } else {
                return kUnhandledRegType;
            }
        },
        value);
}

void Report(std::int32_t* out, std::int32_t error) {
    if (out != nullptr) {
        *out = error;
    }
}

} // namespace

RegVariant GetRegValue(platform::RegKey hKey, const std::string& strPath, const std::string& strValueName,
                       std::uint32_t& lValueType, std::int32_t& lErrorCode, const RegVariant& Default) {
    platform::Registry* registry = platform::services().registry;
    if (registry == nullptr) {
        lErrorCode = kNoRegistryService;
        return Default;
    }
    platform::RegKey key = 0;
    std::int32_t error = registry->RegOpenKeyEx(hKey, strPath, kRegAccess, key);
    RegVariant result;
    if (error == 0) {
        result = QueryValue(*registry, key, strValueName, lValueType, error);
        registry->RegCloseKey(key);
    }
    lErrorCode = error;
    return error == 0 ? result : Default;
}

bool SetRegValue(platform::RegKey hKey, const std::string& strPath, const std::string& strValueName,
                 const RegVariant& vValue, std::int32_t* lErrorCode) {
    platform::Registry* registry = platform::services().registry;
    if (registry == nullptr) {
        Report(lErrorCode, kNoRegistryService);
        return false;
    }
    std::string path = strPath;
    if (!path.empty() && path.back() == '\\') {
        path.pop_back();
    }
    platform::RegKey key = 0;
    std::int32_t error = registry->RegOpenKeyEx(hKey, path, kRegAccess, key);
    if (error == 0) {
        error = WriteValue(*registry, key, strValueName, vValue);
        registry->RegCloseKey(key);
    }
    Report(lErrorCode, error);
    return error == 0;
}

bool CreateRegKey(platform::RegKey hKey, const std::string& strParent, const std::string& strNewKey,
                  std::int32_t* lErrorCode) {
    platform::Registry* registry = platform::services().registry;
    if (registry == nullptr) {
        Report(lErrorCode, kNoRegistryService);
        return false;
    }
    platform::RegKey parent = 0;
    std::int32_t error = registry->RegOpenKeyEx(hKey, strParent, kRegAccess, parent);
    if (error == 0) {
        platform::RegKey created = 0;
        error = registry->RegCreateKeyEx(parent, strNewKey, kRegAccess, created);
        if (error == 0) {
            registry->RegCloseKey(created);
        }
        registry->RegCloseKey(parent);
    }
    Report(lErrorCode, error);
    return error == 0;
}

std::string DoubleText(double value) {
    if (value == 0.0) {
        return "0"; // also for -0
    }
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 15);
    std::string result(text, error == std::errc() ? end : text);
    for (char& c : result) {
        if (c == 'e') {
            c = 'E';
        }
    }
    return result;
}

} // namespace qs
